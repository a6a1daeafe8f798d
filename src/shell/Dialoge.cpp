#include "shell/Dialoge.h"

#include <QDialog>
#include <QFileDialog>
#include <QQueue>

namespace {
struct Zustand
{
    bool test = false;
    QQueue<QMessageBox::StandardButton> antworten;
    QQueue<QString> dateien;
    QQueue<std::function<int(QDialog *)>> dialoge;
    QList<Dialoge::Meldung> protokoll;
};

Zustand &zustand()
{
    static Zustand z;
    return z;
}

QMessageBox::StandardButton ersterKnopf(QMessageBox::StandardButtons knoepfe)
{
    for (auto b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
        if (knoepfe.testFlag(b))
            return b;
    return QMessageBox::Ok;
}
} // namespace

QMessageBox::StandardButton Dialoge::meldung(QWidget *parent, QMessageBox::Icon icon, const QString &titel,
                                             const QString &text, QMessageBox::StandardButtons knoepfe,
                                             QMessageBox::StandardButton vorgabe)
{
    Zustand &z = zustand();
    QMessageBox::StandardButton antwort;
    if (!z.antworten.isEmpty()) {
        antwort = z.antworten.dequeue();
    } else if (z.test) {
        antwort = vorgabe != QMessageBox::NoButton ? vorgabe : ersterKnopf(knoepfe);
    } else {
        QMessageBox box(icon, titel, text, knoepfe, parent);
        if (vorgabe != QMessageBox::NoButton)
            box.setDefaultButton(vorgabe);
        const int r = box.exec();
        antwort = static_cast<QMessageBox::StandardButton>(r);
        if (box.clickedButton() == nullptr && knoepfe.testFlag(QMessageBox::Cancel))
            antwort = QMessageBox::Cancel;
    }
    z.protokoll.append(Meldung{icon, titel, text, knoepfe, antwort});
    return antwort;
}

QString Dialoge::dateiOeffnen(QWidget *parent, const QString &titel, const QString &vorschlag, const QString &filter)
{
    Zustand &z = zustand();
    if (!z.dateien.isEmpty())
        return z.dateien.dequeue();
    if (z.test)
        return {};
    return QFileDialog::getOpenFileName(parent, titel, vorschlag, filter);
}

QString Dialoge::dateiSpeichern(QWidget *parent, const QString &titel, const QString &vorschlag)
{
    Zustand &z = zustand();
    if (!z.dateien.isEmpty())
        return z.dateien.dequeue();
    if (z.test)
        return {};
    return QFileDialog::getSaveFileName(parent, titel, vorschlag);
}

int Dialoge::ausfuehren(QDialog *dialog)
{
    Zustand &z = zustand();
    if (!z.dialoge.isEmpty()) {
        auto handler = z.dialoge.dequeue();
        dialog->show();
        const int r = handler(dialog);
        dialog->hide();
        return r;
    }
    if (z.test)
        return QDialog::Rejected;
    return dialog->exec();
}

void Dialoge::setTestbetrieb(bool an)
{
    zustand().test = an;
}

bool Dialoge::testbetrieb()
{
    return zustand().test;
}

void Dialoge::antworte(QMessageBox::StandardButton antwort)
{
    zustand().antworten.enqueue(antwort);
}

void Dialoge::dateiAntwort(const QString &pfad)
{
    zustand().dateien.enqueue(pfad);
}

void Dialoge::dialogAntwort(std::function<int(QDialog *)> handler)
{
    zustand().dialoge.enqueue(std::move(handler));
}

QList<Dialoge::Meldung> Dialoge::protokoll()
{
    return zustand().protokoll;
}

Dialoge::Meldung Dialoge::letzteMeldung()
{
    const auto &p = zustand().protokoll;
    return p.isEmpty() ? Meldung{QMessageBox::NoIcon, {}, {}, {}, QMessageBox::NoButton} : p.last();
}

void Dialoge::zuruecksetzen()
{
    Zustand &z = zustand();
    z.antworten.clear();
    z.dateien.clear();
    z.dialoge.clear();
    z.protokoll.clear();
}

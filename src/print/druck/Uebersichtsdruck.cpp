#include "print/druck/Uebersichtsdruck.h"

#include "ledger/Uebersicht.h"
#include "print/PdfDatei.h"
#include "print/Schriften.h"
#include "base/GermanDate.h"
#include "base/GermanMoney.h"

#include <QPainter>

namespace {
constexpr double kPxProMm = PdfDatei::Aufloesung / 25.4;
constexpr double kLinks = 10, kOben = 12, kBreite = 277, kZeile = 5.6;
// Column widths in millimetres; the remark takes the rest.
constexpr double kSpalten[] = {20, 24, 20, 20, 12, 22, 20, 20, 20, 21, 18, 10, 18, 32};

double px(double mm)
{
    return mm * kPxProMm;
}

class Blatt
{
public:
    explicit Blatt(QPainter &p)
        : m_p(p)
    {
    }
    void schrift(double punkte, bool fett)
    {
        m_p.setFont(Schriften::schrift(QStringLiteral("Arial"), punkte, fett));
    }
    // A text in a box of x..x+b mm, its top at y mm, on one line: the line
    // breaks of a remark become blanks.
    void text(double x, double y, double b, QString t, Qt::Alignment ausrichtung = Qt::AlignLeft)
    {
        const QRectF r(px(x + 0.8), px(y), px(b - 1.6), px(kZeile));
        t.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(u'\n', u' ').replace(u'\r', u' ');
        m_p.drawText(r, int(ausrichtung | Qt::AlignVCenter | Qt::TextSingleLine),
                     m_p.fontMetrics().elidedText(t, Qt::ElideRight, int(r.width())));
    }
    void linie(double y, double staerke = 0.15)
    {
        m_p.setPen(QPen(Qt::black, px(staerke)));
        m_p.drawLine(QPointF(px(kLinks), px(y)), QPointF(px(kLinks + kBreite), px(y)));
    }
    void zeile(double y, const QStringList &zellen, const QVector<bool> &rechts)
    {
        double x = kLinks;
        for (int c = 0; c < zellen.size() && c < int(std::size(kSpalten)); ++c) {
            text(x, y, kSpalten[c], zellen.at(c), rechts.value(c) ? Qt::AlignRight : Qt::AlignLeft);
            x += kSpalten[c];
        }
    }

private:
    QPainter &m_p;
};
} // namespace

bool Uebersichtsdruck::pdf(const Uebersicht &uebersicht, const QDate &heute, const QString &datei, QString *fehler)
{
    const Uebersichtstabelle::Inhalt t = uebersicht.antragsInhalt(heute);
    QStringList kopf;
    QVector<bool> rechts;
    for (const Uebersichtstabelle::Spalte &s : t.spalten) {
        kopf << s.titel;
        rechts << (s.art == Uebersichtstabelle::Art::Betrag || s.art == Uebersichtstabelle::Art::Zahl);
    }
    const int seiten = qMax(1, int((t.zeilen.size() + ZeilenProSeite - 1) / ZeilenProSeite));

    QString grund;
    auto scheitern = [&] {
        if (fehler)
            *fehler = grund;
        return false;
    };
    PdfDatei pdf(datei, QStringLiteral("Übersicht der Anträge"));
    if (!pdf.oeffnen(true, &grund))
        return scheitern();
    QPainter &p = *pdf.maler();
    Blatt blatt(p);
    // The totals add the rounded amounts the rows show; "Belege" counts receipts.
    qint64 summen[5] = {};
    qint64 gekuerzt = 0;
    qint64 belege = 0;
    for (int seite = 0; seite < seiten; ++seite) {
        if (seite > 0)
            pdf.neueSeite();
        blatt.schrift(14, true);
        blatt.text(kLinks, kOben, 150, QStringLiteral("Übersicht der Anträge"));
        blatt.schrift(9, false);
        blatt.text(kLinks + kBreite - 80, kOben, 80,
                   QStringLiteral("Stand: %1 – Seite %2 von %3").arg(GermanDate::format(heute)).arg(seite + 1).arg(seiten),
                   Qt::AlignRight);
        double y = kOben + 10;
        blatt.schrift(8.5, true);
        blatt.zeile(y, kopf, rechts);
        y += kZeile;
        blatt.linie(y, 0.3);
        blatt.schrift(8.5, false);
        const int ende = qMin(int(t.zeilen.size()), (seite + 1) * ZeilenProSeite);
        for (int r = seite * ZeilenProSeite; r < ende; ++r) {
            QStringList zellen;
            for (int c = 0; c < t.spalten.size(); ++c)
                zellen << Uebersichtstabelle::anzeige(t.zeilen.at(r).value(c), t.spalten.at(c).art);
            blatt.zeile(y, zellen, rechts);
            for (int i = 0; i < 5; ++i)
                summen[i] += Uebersicht::cent(t.zeilen.at(r).value(5 + i).toDouble());
            belege += t.zeilen.at(r).value(4).toLongLong();
            gekuerzt += Uebersicht::cent(t.zeilen.at(r).value(Uebersicht::GekuerztSpalte).toDouble());
            y += kZeile;
            blatt.linie(y, 0.08);
        }
        if (seite + 1 < seiten) {
            blatt.text(kLinks, y + 2, kBreite, QStringLiteral("Fortsetzung auf der nächsten Seite"), Qt::AlignRight);
            continue;
        }
        // The totals.
        blatt.linie(y, 0.3);
        blatt.schrift(8.5, true);
        QStringList summe = {QStringLiteral("Summe"), {}, {}, {}, QString::number(belege)};
        for (qint64 s : summen)
            summe << GermanMoney::format(double(s) / 100);
        summe << QString() << QString() << GermanMoney::format(double(gekuerzt) / 100);
        blatt.zeile(y, summe, rechts);
        y += kZeile + 4;
        blatt.schrift(11, true);
        blatt.text(kLinks, y, kBreite,
                   QStringLiteral("Noch offen insgesamt: %1 €").arg(GermanMoney::format(double(summen[4]) / 100)));
        blatt.schrift(8, false);
        blatt.text(kLinks, y + 7, kBreite, QStringLiteral("Alle Beträge in Euro (DM-Belege umgerechnet mit 1 € = 1,95583 DM)."));
        blatt.text(kLinks, y + 7 + kZeile, kBreite, QStringLiteral("Noch offen: ") + Uebersicht::offenErklaerung());
    }
    return pdf.schreiben(&grund) || scheitern();
}

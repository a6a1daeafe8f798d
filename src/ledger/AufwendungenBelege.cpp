#include "ledger/Aufwendungen.h"

#include "ledger/Antragsdatenbank.h"
#include "ledger/AufwendungenEingabe.h"
#include "ledger/AufwendungenListe.h"
#include "ledger/Belegablage.h"
#include "ledger/Belegbild.h"
#include "ledger/Belegpruefung.h"
#include "ledger/Belegvorschlag.h"
#include "ledger/Belegzugang.h"
#include "ledger/Kostenarten.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QThread>

#include <memory>

// Reading invoices into the ledger: files dropped on the window or chosen
// with "Beleg einlesen…" are read one after the other on a worker thread;
// each result waits in "Beleg prüfen" until the user takes it over or not.

namespace {
QStringList belegdateien(const QMimeData *daten)
{
    QStringList out;
    if (!daten || !daten->hasUrls())
        return out;
    for (const QUrl &u : daten->urls())
        if (u.isLocalFile() && Belegzugang::istBelegdatei(u.toLocalFile()))
            out.append(u.toLocalFile());
    return out;
}
} // namespace

void Aufwendungen::dragEnterEvent(QDragEnterEvent *ereignis)
{
    if (!belegdateien(ereignis->mimeData()).isEmpty())
        ereignis->acceptProposedAction();
}

void Aufwendungen::dropEvent(QDropEvent *ereignis)
{
    const QStringList dateien = belegdateien(ereignis->mimeData());
    if (dateien.isEmpty())
        return;
    ereignis->acceptProposedAction();
    belegeEinlesen(dateien);
}

void Aufwendungen::Einlesen_Knopf_Click()
{
    const QString datei = Dialoge::dateiOeffnen(this, QStringLiteral("Beleg einlesen"), QString(),
                                                Belegzugang::dateifilter());
    if (!datei.isEmpty())
        belegeEinlesen({datei});
}

void Aufwendungen::belegeEinlesen(const QStringList &dateien)
{
    m_leseliste.append(dateien);
    naechsteLesung();
}

bool Aufwendungen::liestBelege() const
{
    return m_liest || !m_leseliste.isEmpty() || !m_gelesen.isEmpty();
}

void Aufwendungen::naechsteLesung()
{
    if (m_liest || m_leseliste.isEmpty())
        return;
    m_liest = true;
    m_abbrechen = false;
    const QString datei = m_leseliste.takeFirst();
    m_lesefortschritt->setRange(0, 0);
    m_lesefortschritt->setFormat(QFileInfo(datei).fileName());
    m_lesefortschritt->show();
    m_leseAbbrechen->show();

    QPointer<QProgressBar> balken(m_lesefortschritt);
    Belegzugang::Optionen o;
    o.abbrechen = &m_abbrechen;
    o.tarvikPfad = m_hauptform.programmverzeichnis() + QStringLiteral("tarvik.mdb");
    o.fortschritt = [balken](int fertig, int alle) {
        QMetaObject::invokeMethod(balken, [balken, fertig, alle] {
            if (balken) {
                balken->setRange(0, qMax(alle, 1));
                balken->setValue(fertig);
            }
        }, Qt::QueuedConnection);
    };
    auto ergebnis = std::make_shared<Belegpruefung::Lesung>();
    ergebnis->datei = datei;
    m_leser = QThread::create([ergebnis, o] {
        Belegpruefung::Lesung &l = *ergebnis;
        l.gelesen = Belegzugang::lesen(l.datei, o, &l.beleg, &l.fehler);
        if (!o.abbrechen->load()) {
            QString bildfehler;
            l.seiten = Belegzugang::seiten(l.datei, 110, &bildfehler);
        }
    });
    connect(m_leser, &QThread::finished, this, [this, ergebnis] {
        m_leser->deleteLater();
        m_leser = nullptr;
        m_liest = false;
        if (!m_abbrechen)
            m_gelesen.append(std::move(*ergebnis));
        if (m_leseliste.isEmpty()) {
            m_lesefortschritt->hide();
            m_leseAbbrechen->hide();
        }
        naechsteLesung();
        gelesenePruefen();
    });
    m_leser->start();
}

void Aufwendungen::Lesen_Abbrechen_Knopf_Click()
{
    m_abbrechen = true;
    m_leseliste.clear();
}

void Aufwendungen::gelesenePruefen()
{
    if (m_prueft)
        return;
    m_prueft = true;
    while (!m_gelesen.isEmpty()) {
        const Belegpruefung::Lesung l = m_gelesen.takeFirst();
        if (!l.gelesen && l.seiten.isEmpty()) {
            // Neither values nor a picture: nothing to check or keep.
            Dialoge::meldung(this, QMessageBox::Warning, QStringLiteral("Warnung"),
                             QStringLiteral("Der Beleg kann nicht eingelesen werden.\n\nDatei: %1\nGrund: %2")
                                 .arg(QDir::toNativeSeparators(l.datei), l.fehler));
            continue;
        }
        m_hauptform.Felder_einlesen();
        const Feldtabelle &felder = m_hauptform.feldtabelle();
        auto wert = [&felder](const QString &tag) {
            const int i = felder.finde(tag);
            return i >= 0 ? felder.zeile(i).wert.trimmed() : QString();
        };
        Belegvorschlag::Personen p;
        p.antragsteller = wert(QStringLiteral("1Vorname")) + u' ' + wert(QStringLiteral("1Nachname"));
        const QString ehename = wert(QStringLiteral("1EhegattenNachname"));
        p.ehegatte = wert(QStringLiteral("1Ehegattenvorname")) + u' '
                     + (ehename.isEmpty() ? wert(QStringLiteral("1Nachname")) : ehename);
        if (wert(QStringLiteral("1Ehegattenvorname")).isEmpty())
            p.ehegatte.clear();
        for (int k = 1; k <= 5; ++k)
            p.kinder.append(wert(QStringLiteral("1Kind%1Name").arg(k)));
        const QStringList &arten = Kostenarten::fuer(m_hauptform.antragText());
        Rechnungsposition vorschlag = Belegvorschlag::position(l.beleg, p, arten);
        if (m_pflegeantrag->isChecked())
            vorschlag.Art = QStringLiteral("Pflege");
        const QString datei = l.datei;
        Belegpruefung dialog(l, vorschlag, arten, [this, datei](const Rechnungsposition &r) {
            return belegUebernehmen(r, datei);
        }, this);
        Dialoge::ausfuehren(&dialog);
    }
    m_prueft = false;
}

bool Aufwendungen::belegUebernehmen(Rechnungsposition r, const QString &datei)
{
    if (!AufwendungenEingabe::pruefen(this, r))
        return false;
    QString grund;
    r.belegdatei = Belegablage::ablegen(m_hauptform.datenverzeichnis(), datei, &grund);
    if (r.belegdatei.isEmpty())
        Dialoge::meldung(this, QMessageBox::Warning, QStringLiteral("Warnung"),
                         QStringLiteral("Das Bild des Belegs wird nicht aufbewahrt.\n\n%1").arg(grund));
    qint16 groesste = 0;
    for (const Rechnungsposition &x : m_tabelle.alle())
        groesste = qMax(groesste, x.Beleg);
    r.Beleg = qint16(groesste + 1);
    return positionHinzufuegen(r);
}

void Aufwendungen::Anzeigen_Knopf_Click()
{
    const int p = aktuelleZeile();
    if (p == 0)
        return;
    belegZeigen(p);
}

void Aufwendungen::belegZeigen(int p)
{
    const Rechnungsposition &r = m_tabelle.slot(p);
    if (r.belegdatei.isEmpty()) {
        Dialoge::meldung(this, QMessageBox::Information, QStringLiteral("Beleg anzeigen"),
                         QStringLiteral("Zu Beleg %1 ist kein Bild gespeichert.").arg(r.Beleg));
        return;
    }
    const QString pfad = Belegablage::pfad(m_hauptform.datenverzeichnis(), r.belegdatei);
    QString grund;
    QList<QImage> seiten;
    if (QFileInfo(pfad).isFile())
        seiten = Belegzugang::seiten(pfad, 110, &grund);
    else
        grund = QStringLiteral("Die Datei fehlt.");
    if (seiten.isEmpty()) {
        Dialoge::meldung(this, QMessageBox::Warning, QStringLiteral("Warnung"),
                         QStringLiteral("Das Bild zu Beleg %1 kann nicht gezeigt werden.\n\nDatei: %2\nGrund: %3")
                             .arg(r.Beleg)
                             .arg(QDir::toNativeSeparators(pfad), grund));
        return;
    }
    if (!m_belegansicht) {
        m_belegansicht = new QDialog(this);
        m_belegansicht->setObjectName(QStringLiteral("Belegansicht"));
        auto *l = new QVBoxLayout(m_belegansicht);
        l->addWidget(new Belegbild(m_belegansicht));
        m_belegansicht->resize(720, 800);
    }
    m_belegansicht->setWindowTitle(QStringLiteral("Beleg %1").arg(r.Beleg));
    m_belegansicht->show();
    m_belegansicht->findChild<Belegbild *>()->setSeiten(seiten);
    m_belegansicht->raise();
}

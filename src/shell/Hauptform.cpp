#include "shell/Hauptform.h"

#include "fields/FeldControls.h"
#include "fields/Felddatei.h"
#include "print/Formularkatalog.h"
#include "shell/Dialoge.h"
#include "shell/Infoform.h"
#include "shell/Maske.h"
#include "shell/Registry.h"
#include "shell/SideBar.h"
#include "shell/Verzeichnisse.h"
#include "shell/ZweispaltenCombo.h"
#include "multiuser/MultiuserForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const QString kSchluessel = QStringLiteral("SOFTWARE\\Velmora\\Allgemein");

int zahl(const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

// Loaded-screen marker -> screen, in the order the collection walks them.
struct Sammelschritt
{
    int marker;
    const char *maske;
    FeldControls::Faerbung faerbung;
};
const Sammelschritt kSammelfolge[] = {
    {0, "Hauptdaten", FeldControls::Faerbung::Voll},
    {1, "Kinderform", FeldControls::Faerbung::Voll},
    {2, "Versicherungsform", FeldControls::Faerbung::Voll},
    {3, "Anschriftenform", FeldControls::Faerbung::Voll},
    {4, "Rückseiteform", FeldControls::Faerbung::NurNeue},
    {5, "Pflegeversicherungsform", FeldControls::Faerbung::Voll},
    {6, "DauerndePflegeForm", FeldControls::Faerbung::Voll},
    {9, "privateKV", FeldControls::Faerbung::Keine},
};
} // namespace

Hauptform::Hauptform(const Anmeldung &anmelden, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Hauptform"));
    setWindowTitle(QStringLiteral(" Velmora 2000"));
    m_farbe1 = QApplication::palette().color(QPalette::ButtonText);
    m_farbe2 = QColor(128, 0, 0);
    aufbauen();
    menueAufbauen();
    resize(1100, 760);
    fensterschichtEinrichten();
    maskeAnmelden(QStringLiteral("Infoform"), [](Hauptform &h) { return new Infoform(h); });
    if (anmelden)
        anmelden(*this);
}

Hauptform::~Hauptform()
{
    // The MDI area activates its remaining windows while it is torn down;
    // that must not reach this half-destroyed window.
    disconnect(m_mdi, nullptr, this, nullptr);
    disconnect(m_antrag, nullptr, this, nullptr);
}

int Hauptform::pixelZuTwips(int px, bool horizontal)
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const qreal dpi = s ? (horizontal ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY()) : 96.0;
    return qRound(px * 1440.0 / dpi);
}

int Hauptform::twipsZuPixel(int twips, bool horizontal)
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const qreal dpi = s ? (horizontal ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY()) : 96.0;
    return qRound(twips * dpi / 1440.0);
}

void Hauptform::starten(const QString &befehlszeile)
{
    // 1. The start screen; the panel's width.
    oeffnen(QStringLiteral("Infoform"));
    // 2.-4. Style and placement from the settings.
    const int h = Registry::HKEY_LOCAL_MACHINE;
    int stil = zahl(Registry::Wert_lesen(h, kSchluessel, QStringLiteral("Stil")));
    const int x = zahl(Registry::Wert_lesen(h, kSchluessel, QStringLiteral("XPos")));
    const int y = zahl(Registry::Wert_lesen(h, kSchluessel, QStringLiteral("YPos")));
    const int b = zahl(Registry::Wert_lesen(h, kSchluessel, QStringLiteral("Breite")));
    const int hoehe = zahl(Registry::Wert_lesen(h, kSchluessel, QStringLiteral("Hoehe")));
    if (stil < 1 || stil > 3)
        stil = 2;
    MenueStil_Click(stil);
    if (x != 0 && y != 0 && b != 0 && hoehe != 0) {
        move(twipsZuPixel(x, true), twipsZuPixel(y, false));
        resize(twipsZuPixel(b, true), twipsZuPixel(hoehe, false));
        // Within the screen's available area.
        aufBildschirmEinpassen();
    }
    // Tabs or overlapping windows, as chosen last time.
    fensteransichtLesen();
    // 5. Program directory; without "Pfad" the per-user directory, set up
    // with the shipped databases.
    const QString pfad = Registry::Wert_lesen(h, kSchluessel, QStringLiteral("Pfad"));
    m_programmverzeichnis = Verzeichnisse::programmverzeichnis(pfad);
    QString einrichtfehler;
    if (pfad.isEmpty() && !Verzeichnisse::einrichten(m_programmverzeichnis, &einrichtfehler))
        Dialoge::meldung(this, QMessageBox::Warning, QStringLiteral("Warnung"),
                         einrichtfehler
                             + QStringLiteral("\n\nFormulare und Nachschlagewerke können fehlen oder veraltet "
                                              "sein. Bitte prüfen Sie die Schreibrechte des Verzeichnisses."));
    // 6. Command line.
    const Verzeichnisse::Befehlszeile bz = Verzeichnisse::befehlszeileAuswerten(befehlszeile, m_programmverzeichnis);
    m_datenverzeichnis = bz.datenverzeichnis;
    if (bz.multiuser) {
        MultiuserForm dialog(m_programmverzeichnis, this);
        const int r = Dialoge::ausfuehren(&dialog);
        if (r == MultiuserForm::Beenden) {
            m_beendet = true;
            Q_EMIT programmEnde();
            return;
        }
        m_datenverzeichnis = Verzeichnisse::mitTrenner(dialog.verzeichnis());
    }
    // The data directory gets its application database before the ledger
    // needs it; when that fails, storing an application says so.
    Verzeichnisse::antragsdatenbankBereitstellen(m_datenverzeichnis, m_programmverzeichnis);
    // 7. The form kinds.
    m_antrag->blockSignals(true);
    m_antrag->leeren();
    m_antrag->setEditText(QString());
    // Read once: the list now, the chosen entry in step 11.
    const QList<QVariantHash> katalog = Formularkatalog::zeilen(druckdatenbank());
    for (const QString &eintrag : Formularkatalog::formularliste(katalog))
        m_antrag->eintragHinzufuegen(eintrag);
    m_antrag->setCurrentIndex(-1);
    m_antrag->setEditText(QString());
    m_antrag->blockSignals(false);
    // 8. The start screen to the front.
    oeffnen(QStringLiteral("Infoform"));
    // 9. The field file.
    Felddatei::Inhalt inhalt;
    m_felder.leeren();
    if (Felddatei::lesen(m_datenverzeichnis + Felddatei::Dateiname, &inhalt)) {
        m_felder = inhalt.tabelle;
        m_antrag->blockSignals(true);
        setAntragText(inhalt.formularart);
        m_antrag->blockSignals(false);
    }
    // 10. The main window's own shared controls.
    FeldControls::anzeigen(eigeneFelder(), m_felder);
    // 11. The catalogue entry.
    Formularkatalog::Formulare_laden(katalog, antragText(), m_katalog);
    // 12. Answers that only count for one run.
    feld(QStringLiteral("Gültigkeit"))->clear();
    kasten(QStringLiteral("Datenänderung"))->setChecked(false);
    kasten(QStringLiteral("Datenänderung2"))->setChecked(false);
    // 13. No form kind yet.
    if (antragText().isEmpty()) {
        Dialoge::meldung(this, QMessageBox::Warning, QStringLiteral("Warnung !"),
                         QStringLiteral("Bitte Antrag (Beihilfestelle) auswählen!"), QMessageBox::Ok);
        m_antrag->setFocus();
    }
    // Hints that need to read files come once the window stands.
    QTimer::singleShot(300, this, [this] { aktionAusfuehren(QStringLiteral("Fristenhinweis")); });
}

QString Hauptform::druckdatenbank() const
{
    return m_programmverzeichnis + Formularkatalog::Dateiname;
}

void Hauptform::Formulare_laden()
{
    Formularkatalog::Formulare_laden(druckdatenbank(), antragText(), m_katalog);
}

QString Hauptform::antragText() const
{
    return m_antrag->currentText();
}

void Hauptform::setAntragText(const QString &text)
{
    const int i = m_antrag->findText(text);
    if (i >= 0)
        m_antrag->setCurrentIndex(i);
    else
        m_antrag->setEditText(text);
}

void Hauptform::antragGeaendert()
{
    const QString name = antragText();
    if (m_aktiv[3] == QLatin1String("1")) {
        if (QWidget *m = maske(QStringLiteral("Anschriftenform")))
            if (QWidget *ofd = m->findChild<QWidget *>(QStringLiteral("OFDFrame")))
                ofd->setVisible(name == QStringLiteral("OFD Düsseldorf"));
    }
    if (m_aktiv[7] == QLatin1String("1")) {
        if (QWidget *m = maske(QStringLiteral("Aufwendungen")))
            QMetaObject::invokeMethod(m, "Kostenart");
    }
    Formulare_laden();
    Q_EMIT formularartGeaendert(name);
}

QList<QWidget *> Hauptform::eigeneFelder() const
{
    QList<QWidget *> alle = FeldControls::tagged(m_geteilt) + FeldControls::tagged(m_geteiltZusatz);
    return alle;
}

QLineEdit *Hauptform::feld(const QString &objectName, int index) const
{
    for (QWidget *root : {m_geteilt, m_geteiltZusatz})
        for (QLineEdit *e : root->findChildren<QLineEdit *>(objectName))
            if (index < 0 || FeldControls::index(e) == index)
                return e;
    return nullptr;
}

QCheckBox *Hauptform::kasten(const QString &objectName, int index) const
{
    for (QWidget *root : {m_geteilt, m_geteiltZusatz})
        for (QCheckBox *c : root->findChildren<QCheckBox *>(objectName))
            if (index < 0 || FeldControls::index(c) == index)
                return c;
    return nullptr;
}

void Hauptform::Felder_anzeigen(QWidget *maske)
{
    FeldControls::anzeigen(FeldControls::tagged(maske), m_felder);
}

void Hauptform::Felder_einlesen()
{
    for (const Sammelschritt &s : kSammelfolge) {
        if (m_aktiv[s.marker] != QLatin1String("1"))
            continue;
        if (QWidget *m = maske(QString::fromUtf8(s.maske)))
            FeldControls::einlesen(FeldControls::tagged(m), m_felder, s.faerbung, m_farbe1, m_farbe2);
    }
    FeldControls::einlesen(eigeneFelder(), m_felder, FeldControls::Faerbung::Voll, m_farbe1, m_farbe2);
    const QString fnr = m_fnr->text();
    const char *seite = fnr == QLatin1String("A")   ? "AbschlagszahlungsForm"
                        : fnr == QLatin1String("U") ? "UnfallberichtsForm"
                        : fnr == QLatin1String("V") ? "Vorschussform"
                                                    : nullptr;
    if (seite)
        if (QWidget *m = maske(QString::fromUtf8(seite)))
            FeldControls::einlesen(FeldControls::tagged(m), m_zusatz);
    for (const auto &z : m_felder.zeilen())
        m_zusatz.setzen(z.name, z.wert);
}

void Hauptform::Feld_markieren(const QString &name, bool markierung)
{
    if (m_felder.markieren(name, markierung))
        Felder_einlesen();
}

bool Hauptform::SpeichernKnopf_Click()
{
    Felder_einlesen();
    const QString pfad = m_datenverzeichnis + Felddatei::Dateiname;
    QString fehler;
    bool ok = Felddatei::schreiben(pfad, antragText(), m_felder, &fehler);
    if (!ok) {
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"),
                         QStringLiteral("Die Daten konnten nicht gespeichert werden.\n\nDatei: %1\nGrund: %2")
                             .arg(QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath()), fehler));
    } else {
        meldeGespeichert(QFileInfo(pfad).absoluteFilePath());
    }
    if (m_aktiv[9] == QLatin1String("1") && m_memoSpeichern) {
        QString memoFehler;
        if (!m_memoSpeichern(&memoFehler)) {
            ok = false;
            Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"),
                             QStringLiteral("Die Notizen der privaten Krankenversicherung konnten nicht "
                                            "gespeichert werden.\n\n%1")
                                 .arg(memoFehler));
        }
    }
    return ok;
}

void Hauptform::Drucken_Knopf_Click()
{
    Felder_einlesen();
    oeffnen(QStringLiteral("Druckenform"));
}

void Hauptform::Info_Knopf_Click()
{
    oeffnen(QStringLiteral("Infoform"));
}

void Hauptform::MenueInfo_Click()
{
    if (const auto it = m_aktionen.constFind(QStringLiteral("Herstellerinfo")); it != m_aktionen.constEnd())
        (*it)();
}

bool Hauptform::Ende_Knopf_Click()
{
    const QString text = QStringLiteral("Velmora beenden...\n\nMöchten Sie die Daten sichern ?\n"
                                        "Nicht gespeicherte Daten gehen verloren!\n\n"
                                        "Ja = Beenden und speichern der Daten\n"
                                        "Nein = Beenden und Daten nicht speichern\n"
                                        "Abbrechen = Programm nicht beenden");
    const auto antwort = Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Programm beenden..."), text,
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                          QMessageBox::Yes);
    if (antwort != QMessageBox::Yes && antwort != QMessageBox::No)
        return false;
    if (antwort == QMessageBox::Yes) {
        // A failed save keeps the program open, so nothing typed is lost.
        if (!SpeichernKnopf_Click())
            return false;
        for (const auto &speichern : m_beendenSpeichern)
            if (!speichern())
                return false;
    } else {
        QStringList verloren;
        for (const auto &was : m_beendenVerloren)
            verloren += was();
        if (!verloren.isEmpty()) {
            const QString frage = QStringLiteral("Diese Eingaben sind nicht gespeichert und gehen verloren:\n\n- ")
                                  + verloren.join(QStringLiteral("\n- "))
                                  + QStringLiteral("\n\nTrotzdem beenden, ohne zu speichern?");
            if (Dialoge::meldung(this, QMessageBox::Question, QStringLiteral("Bitte bestätigen..."), frage,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                != QMessageBox::Yes)
                return false;
        }
    }
    einstellungenSpeichern();
    m_beendet = true;
    Q_EMIT programmEnde();
    return true;
}

QRect Hauptform::platzierungInTwips() const
{
    return QRect(pixelZuTwips(x(), true), pixelZuTwips(y(), false), pixelZuTwips(width(), true),
                 pixelZuTwips(height(), false));
}

void Hauptform::einstellungenSpeichern()
{
    const QRect r = platzierungInTwips();
    const int h = Registry::HKEY_LOCAL_MACHINE;
    Registry::Zahl_schreiben(h, kSchluessel, QStringLiteral("XPos"), r.x());
    Registry::Zahl_schreiben(h, kSchluessel, QStringLiteral("YPos"), r.y());
    Registry::Zahl_schreiben(h, kSchluessel, QStringLiteral("Hoehe"), r.height());
    Registry::Zahl_schreiben(h, kSchluessel, QStringLiteral("Breite"), r.width());
    Registry::Zahl_schreiben(h, kSchluessel, QStringLiteral("Stil"), m_stil);
}

void Hauptform::closeEvent(QCloseEvent *event)
{
    if (m_beendet) {
        event->accept();
        return;
    }
    Felder_einlesen();
    event->ignore();
    if (Ende_Knopf_Click())
        event->accept();
}

void Hauptform::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
}

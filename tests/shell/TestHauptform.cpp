#include "TestUmgebung.h"

#include "fields/FeldControls.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"
#include "shell/Maske.h"
#include "shell/Registry.h"
#include "shell/SideBar.h"
#include "shell/Programmstil.h"
#include "shell/Programmsymbol.h"
#include "shell/Titelbild.h"
#include "shell/Titelzeichnung.h"
#include "base/TextFile.h"
#include "shell/Verzeichnisse.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QCommonStyle>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeView>
#include <QListWidget>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>

namespace {
const QString kKey = QStringLiteral("SOFTWARE\\Velmora\\Allgemein");
constexpr int HKLM = Registry::HKEY_LOCAL_MACHINE;

// A small screen with a text field and a check box, standing in for the
// data-entry screens.
class ProbeMaske : public Maske
{
public:
    ProbeMaske(Hauptform &h, const QString &name, int marker)
        : Maske(h, name, name)
    {
        vorname = new QLineEdit(this);
        vorname->setObjectName(QStringLiteral("Vorname"));
        FeldControls::setTag(vorname, QStringLiteral("1Vorname"));
        teilzeit = new QCheckBox(this);
        teilzeit->setObjectName(QStringLiteral("Teilzeit"));
        FeldControls::setTag(teilzeit, QStringLiteral("2Teilzeit"));
        neu = new QLineEdit(this);
        FeldControls::setTag(neu, QStringLiteral("1NeuesFeld"));
        feldMarkierungAnbieten();
        h.setAktiv(marker);
        h.Felder_anzeigen(this);
    }
    QLineEdit *vorname;
    QCheckBox *teilzeit;
    QLineEdit *neu;
};


void schreibeFelddatei(const QString &dir, const QString &inhalt)
{
    QVERIFY(TextFile::write(dir + QStringLiteral("beihilfe.txt"), inhalt, TextFile::Encoding::Utf8));
}

QString lies(const QString &pfad)
{
    QString t;
    TextFile::read(pfad, &t);
    return t;
}
} // namespace

class TestHauptform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void ersterStart();
    void befehlszeile_data();
    void befehlszeile();
    void pfadEinstellung();
    void platzierung();
    void platzierungNurWennVollstaendig();
    void stile();
    void navigation();
    void navigationEinmalJeKlick();
    void geteilteFelder();
    void euroformularVorgabe_data();
    void euroformularVorgabe();
    void beendenAbbrechenUndNein();
    void beendenJaSpeichert();
    void speicherfehlerBeendetNicht();
    void schliessenFragtNach();
    void faerbung();
    void markierenMitTasten();
    void unbekannteFelderBleiben();
    void speichernKnopfFolgtMaske();
    void memoDateienUnberuehrt();
    void formularartWechsel();
    void titelbildWieGezeichnet();
    void programmsymbol();
    void symboleErstBeimZeichnen();
    void antragslisteZweispaltig();
    void fenstertitel();
    void erreichbarAufKleinemSchirm_data();
    void erreichbarAufKleinemSchirm();
    void statuszeileNachSpeichern_data();
    void statuszeileNachSpeichern();
    void reiterStrgWUndHilfe();
    void zuletztGeoeffneteAntraege();

private:
    QString m_prog;
};

void TestHauptform::init()
{
    Registry::setDatei(TestUmgebung::neuesVerzeichnis(QStringLiteral("cfg")) + QStringLiteral("velmora.reg"));
    m_prog = TestUmgebung::programmverzeichnis(QStringLiteral("prog"));
    Dialoge::zuruecksetzen();
}

void TestHauptform::ersterStart()
{
    // No settings at all: the per-user directory becomes the program
    // directory and gets the shipped databases.
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    const QSize entworfen = h.size();
    h.starten(QString());
    QCOMPARE(h.programmverzeichnis(), Verzeichnisse::benutzerverzeichnis());
    QCOMPARE(h.datenverzeichnis(), h.programmverzeichnis());
    for (const QString &db : Verzeichnisse::mitgelieferteDatenbanken())
        QVERIFY2(QFile::exists(h.programmverzeichnis() + db), qPrintable(db));
    QCOMPARE(h.stil(), 2);
    QCOMPARE(h.size(), entworfen);
    QCOMPARE(h.antragText(), QString());
    auto *antrag = h.findChild<QComboBox *>(QStringLiteral("Antrag"));
    QVERIFY(antrag);
    QVERIFY(antrag->count() >= 9);
    QVERIFY(antrag->findText(QStringLiteral("OFD Düsseldorf")) >= 0);
    QCOMPARE(antrag->toolTip(), QStringLiteral("Bitte hier Antrag auswählen !"));
    const auto m = Dialoge::letzteMeldung();
    QCOMPARE(m.titel, QStringLiteral("Warnung !"));
    QCOMPARE(m.text, QStringLiteral("Bitte Antrag (Beihilfestelle) auswählen!"));
    QCOMPARE(m.knoepfe, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(h.windowTitle(), QStringLiteral(" Velmora 2000"));
    QVERIFY(h.maske(QStringLiteral("Infoform")));
    // A second start never overwrites the user's copies.
    QFile::remove(h.programmverzeichnis() + QStringLiteral("tarvik.mdb"));
    QVERIFY(TextFile::write(h.programmverzeichnis() + QStringLiteral("adressen.mdb"), QStringLiteral("meins"),
                            TextFile::Encoding::Utf8));
    const auto zweiteZeiger = TestUmgebung::hauptform();
    Hauptform &zweite = *zweiteZeiger;
    zweite.starten(QString());
    QVERIFY(QFile::exists(h.programmverzeichnis() + QStringLiteral("tarvik.mdb")));
    QCOMPARE(lies(h.programmverzeichnis() + QStringLiteral("adressen.mdb")), QStringLiteral("meins"));
}

void TestHauptform::befehlszeile_data()
{
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QString>("daten");
    QTest::addColumn<bool>("multiuser");
    QTest::newRow("leer") << "" << "/prog/" << false;
    QTest::newRow("pfad") << "/pfad:/home/a/Beihilfe" << "/home/a/Beihilfe/" << false;
    QTest::newRow("pfad-mit-trenner") << "/pfad:/home/a/Beihilfe/" << "/home/a/Beihilfe/" << false;
    QTest::newRow("diskette") << "/diskette" << "/media/floppy/" << false;
    QTest::newRow("verzeichnis") << "/daten" << "/daten/" << false;
    QTest::newRow("gross") << "/PFAD:/x" << "/PFAD:/x/" << false;
    QTest::newRow("multiuser") << "/multiuser" << "" << true;
    QTest::newRow("multiuser-gross") << "/Multiuser" << "/Multiuser/" << false;
    QTest::newRow("mit-blank") << "/pfad:/a b" << "/a b/" << false;
}

void TestHauptform::befehlszeile()
{
    QFETCH(QString, zeile);
    QFETCH(QString, daten);
    QFETCH(bool, multiuser);
    const auto b = Verzeichnisse::befehlszeileAuswerten(zeile, QStringLiteral("/prog/"));
    QCOMPARE(b.datenverzeichnis, daten);
    QCOMPARE(b.multiuser, multiuser);
}

void TestHauptform::pfadEinstellung()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    schreibeFelddatei(m_prog, QStringLiteral("BR Köln\r\n1Vorname:=Anna\r\n2Tarvik:=1\r\n1Druckoffset:=5\r\n"
                                             "1Gültigkeit:=01.01.2001\r\n2Datenänderung:=1\r\n---Ende---\r\n"));
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.starten(QString());
    QCOMPARE(h.programmverzeichnis(), m_prog);
    QCOMPARE(h.datenverzeichnis(), m_prog);
    QCOMPARE(h.antragText(), QStringLiteral("BR Köln"));
    QVERIFY(Dialoge::protokoll().isEmpty());
    QCOMPARE(h.katalog().Druckbereiche[0], QStringLiteral("1KLN-V"));
    QVERIFY(h.kasten(QStringLiteral("Tarvik"))->isChecked());
    QCOMPARE(h.feld(QStringLiteral("Offset"))->text(), QStringLiteral("5"));
    // Answers that only count for one run start empty.
    QCOMPARE(h.feld(QStringLiteral("Gültigkeit"))->text(), QString());
    QVERIFY(!h.kasten(QStringLiteral("Datenänderung"))->isChecked());
    // The data directory from the command line.
    const QString daten = TestUmgebung::neuesVerzeichnis(QStringLiteral("daten"));
    schreibeFelddatei(daten, QStringLiteral("LBV NRW\r\n---Ende---\r\n"));
    const auto h2Zeiger = TestUmgebung::hauptform();
    Hauptform &h2 = *h2Zeiger;
    QString ohneTrenner = daten;
    ohneTrenner.chop(1);
    h2.starten(QStringLiteral("/pfad:") + ohneTrenner);
    QCOMPARE(h2.datenverzeichnis(), daten);
    QCOMPARE(h2.antragText(), QStringLiteral("LBV NRW"));
    QCOMPARE(h2.katalog().AufwendungenAnzahl, qint16(69));
}

void TestHauptform::platzierung()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    {
        const auto hZeiger = TestUmgebung::hauptform();
        Hauptform &h = *hZeiger;
        h.starten(QString());
        h.move(-4, -10);
        h.resize(900, 640);
        Dialoge::antworte(QMessageBox::No);
        QVERIFY(h.Ende_Knopf_Click());
        QVERIFY(h.istBeendet());
    }
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("XPos")), QStringLiteral("-60"));
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("YPos")), QStringLiteral("-150"));
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Breite")), QStringLiteral("13500"));
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Hoehe")), QStringLiteral("9600"));
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Stil")), QStringLiteral("2"));
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.starten(QString());
    // Back in place, but within the screen's available area.
    const QRect frei = h.screen()->availableGeometry();
    QVERIFY(frei.contains(h.geometry()));
    QCOMPARE(h.size(), QSize(qMin(900, frei.width() - 8), qMin(640, frei.height() - 34)));
}

void TestHauptform::platzierungNurWennVollstaendig()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("XPos"), 0);
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("YPos"), 1500);
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("Breite"), 12000);
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("Hoehe"), 9000);
    const auto entwurfZeiger = TestUmgebung::hauptform();
    Hauptform &entwurf = *entwurfZeiger;
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.starten(QString());
    QCOMPARE(h.size(), entwurf.size());
}

void TestHauptform::stile()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    Registry::Schluessel_anlegen(HKLM, kKey);
    Registry::Wert_setzen(HKLM, kKey, QStringLiteral("Stil"), Registry::Text, "3", 1);
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.show();
    h.starten(QString());
    QCOMPARE(h.stil(), 3);
    auto *panel = h.findChild<QWidget *>(QStringLiteral("Panel"));
    QVERIFY(!h.findChild<QWidget *>(QStringLiteral("SideBar")));
    QWidget *sideBar = h.sideBar();
    auto *knoepfe = h.findChild<QWidget *>(QStringLiteral("Knopfpanel"));
    QVERIFY(panel && sideBar && knoepfe);
    QVERIFY(!panel->isVisible());
    QVERIFY(h.menuBar()->isVisible());
    QList<QAction *> stile = h.findChildren<QAction *>(QStringLiteral("MenüStil"));
    QCOMPARE(stile.size(), 3);
    for (QAction *a : stile)
        QCOMPARE(a->isChecked(), a->property("index").toInt() == 3);
    for (QAction *a : stile)
        if (a->property("index").toInt() == 1)
            a->trigger();
    QVERIFY(panel->isVisible());
    QVERIFY(sideBar->isVisible());
    QVERIFY(!knoepfe->isVisible());
    for (QAction *a : stile)
        QCOMPARE(a->isChecked(), a->property("index").toInt() == 1);
    h.MenueStil_Click(2);
    QVERIFY(!sideBar->isVisible());
    QVERIFY(knoepfe->isVisible());
    QVERIFY(h.findChild<QWidget *>(QStringLiteral("EndePanel"))->isVisible());
}

void TestHauptform::navigation()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    QStringList geoeffnet;
    for (const char *name : {"Hauptdaten", "Kinderform", "Versicherungsform", "Anschriftenform", "Rückseiteform",
                             "Aufwendungen", "Druckenform", "Beihilfeninfoform", "Anträgeform", "privateKV",
                             "Pflegeversicherungsform", "DauerndePflegeForm", "Adressenform"}) {
        const QString n = QString::fromUtf8(name);
        h.maskeAnmelden(n, [n, &geoeffnet](Hauptform &hf) {
            geoeffnet.append(n);
            return new Maske(hf, n, n);
        });
    }
    h.show();
    h.starten(QString());
    Dialoge::zuruecksetzen();
    // The menu: ten entries with F2-F9, F11, F12.
    const QList<QAction *> menue = h.findChildren<QAction *>(QStringLiteral("Menü"));
    QCOMPARE(menue.size(), 10);
    const Qt::Key tasten[] = {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5,  Qt::Key_F6,
                              Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F11, Qt::Key_F12};
    for (QAction *a : menue)
        QCOMPARE(a->shortcut(), QKeySequence(tasten[a->property("index").toInt()]));
    QCOMPARE(h.findChild<QAction *>(QStringLiteral("MenüPrivateKV"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QCOMPARE(h.findChild<QAction *>(QStringLiteral("MenüInfo"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    QCOMPARE(h.findChild<QAction *>(QStringLiteral("MenüEnde"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));

    // Button, menu and navigation bar reach the same screen; opening again
    // only brings it to the front.
    auto *zusatz = h.Zusatzpanel();
    zusatz->show();
    h.findChild<QPushButton *>(QStringLiteral("Daten_Knopf"))->click();
    QVERIFY(!zusatz->isVisible());
    QCOMPARE(h.vorn()->objectName(), QStringLiteral("Hauptdaten"));
    for (QAction *a : menue)
        if (a->property("index").toInt() == 1)
            a->trigger();
    QCOMPARE(h.vorn()->objectName(), QStringLiteral("Kinderform"));
    auto *sideBar = h.sideBar();
    zusatz->show();
    QVERIFY(sideBar->klicken(QStringLiteral("PDaten")));
    QVERIFY(!zusatz->isVisible());
    QCOMPARE(h.vorn()->objectName(), QStringLiteral("Hauptdaten"));
    QCOMPARE(geoeffnet.count(QStringLiteral("Hauptdaten")), 1);
    // Its close box hides the screen; it comes back with its values.
    QMdiSubWindow *fenster = h.mdiArea()->activeSubWindow();
    fenster->close();
    QVERIFY(h.maske(QStringLiteral("Hauptdaten")));
    h.Daten_Knopf_Click();
    QVERIFY(fenster->isVisible());
    QCOMPARE(geoeffnet.count(QStringLiteral("Hauptdaten")), 1);

    const QStringList alle = sideBar->objektnamen();
    for (const char *n : {"Velmora", "Aufwendungen", "Drucken", "Programmende", "PDaten", "Kinder", "DatenVersicherung",
                          "Anschriften", "Rückseite", "DatenSpeichern", "Pflegeversicherung", "DauerndePflege",
                          "PrivateKV", "GOÄ", "GOZ", "Heilpraktiker", "Verwaltungsverordnung", "Beihilfenverordnung",
                          "Hinweise1", "Hinweise2", "Vorschüsse", "Heilbehandlungen", "Kurorte", "AntragVorschuss",
                          "AntragAbschlagzahlung", "PersönlicheAdressen"})
        QVERIFY2(alle.contains(QString::fromUtf8(n)), n);
    for (const char *n : {"DatenVersicherung", "Anschriften", "Rückseite", "Aufwendungen", "Pflegeversicherung",
                          "DauerndePflege", "PrivateKV", "PersönlicheAdressen", "Drucken"})
        sideBar->klicken(QString::fromUtf8(n));
    for (const char *n : {"Versicherungsform", "Anschriftenform", "Rückseiteform", "Aufwendungen",
                          "Pflegeversicherungsform", "DauerndePflegeForm", "privateKV", "Adressenform", "Druckenform"})
        QVERIFY2(geoeffnet.contains(QString::fromUtf8(n)), n);
    // Entries of later screens do nothing yet, and say nothing.
    int aufgerufen = 0;
    h.aktionAnmelden(QStringLiteral("GOÄ"), [&aufgerufen] { ++aufgerufen; });
    sideBar->klicken(QStringLiteral("GOÄ"));
    sideBar->klicken(QStringLiteral("Kurorte"));
    QCOMPARE(aufgerufen, 1);
    QVERIFY(Dialoge::protokoll().isEmpty());
}

void TestHauptform::navigationEinmalJeKlick()
{
    // Desktops that activate items on a single click send "clicked" and
    // "activated" for one click; the entry must still run once.
    class EinfachKlick : public QProxyStyle
    {
    public:
        int styleHint(StyleHint hint, const QStyleOption *o, const QWidget *w, QStyleHintReturn *r) const override
        {
            if (hint == SH_ItemView_ActivateItemOnSingleClick)
                return 1;
            return QProxyStyle::styleHint(hint, o, w, r);
        }
    };
    QApplication::setStyle(new EinfachKlick);
    TestUmgebung::setzeProgrammpfad(m_prog);
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.resize(1000, 700);
    h.show();
    h.starten(QString());
    h.MenueStil_Click(1);
    int aufgerufen = 0;
    h.aktionAnmelden(QStringLiteral("GOÄ"), [&aufgerufen] { ++aufgerufen; });
    QListWidgetItem *item = h.sideBar()->eintrag(QStringLiteral("GOÄ"));
    QListWidget *liste = item->listWidget();
    h.sideBar()->setCurrentWidget(liste);
    QVERIFY(QTest::qWaitForWindowExposed(&h));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(item).center());
    QCOMPARE(aufgerufen, 1);
    liste->setCurrentItem(item);
    QTest::keyClick(liste, Qt::Key_Return);
    QCOMPARE(aufgerufen, 2);
    QApplication::setStyle(QStringLiteral("Fusion"));
}

void TestHauptform::geteilteFelder()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    schreibeFelddatei(m_prog, QStringLiteral("Standardantrag\r\n2istkeinBeamter:=1\r\n1BescheidHöhe:=100,00\r\n---Ende---\r\n"));
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.starten(QString());
    QVERIFY(h.kasten(QStringLiteral("keinBeamter"))->isChecked());
    QVERIFY(!h.kasten(QStringLiteral("istBeamter"))->isChecked());
    QVERIFY(!h.kasten(QStringLiteral("keinAbschlag"))->isChecked());
    h.feld(QStringLiteral("BescheidHöhe"))->clear();
    QVERIFY(h.kasten(QStringLiteral("keinAbschlag"))->isChecked());
    h.kasten(QStringLiteral("keinBeamter"))->setChecked(false);
    QVERIFY(h.kasten(QStringLiteral("istBeamter"))->isChecked());
    QCOMPARE(h.feld(QStringLiteral("Bemessungssatz"), 1)->property("tag").toString(), QStringLiteral("1BemessungssatzE"));
    QCOMPARE(h.feld(QStringLiteral("Krankenkasse"), 2)->property("tag").toString(), QStringLiteral("1KrankenkassenanteilK"));
    QVERIFY(h.feld(QStringLiteral("Bereich2"))->property("tag").toString().isEmpty());
    h.Felder_einlesen();
    QCOMPARE(h.feldtabelle().Feldwert(QStringLiteral("istBeamter")).value(), QStringLiteral("1"));
    QCOMPARE(h.feldtabelle().Feldwert(QStringLiteral("keinAbschlag")).value(), QStringLiteral("1"));
    QCOMPARE(h.feldtabelle().Feldwert(QStringLiteral("EndsummeWährung")).value(), QString());
}

void TestHauptform::euroformularVorgabe_data()
{
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<bool>("euro");
    QTest::newRow("neu") << QString() << true;
    QTest::newRow("gespeichert aus") << QStringLiteral("2Euroformularbenutzen:=0\r\n") << false;
}

void TestHauptform::euroformularVorgabe()
{
    QFETCH(QString, zeile);
    QFETCH(bool, euro);
    TestUmgebung::setzeProgrammpfad(m_prog);
    schreibeFelddatei(m_prog, QStringLiteral("Standardantrag\r\n") + zeile + QStringLiteral("---Ende---\r\n"));
    const auto h = TestUmgebung::hauptform();
    h->starten(QString());
    QCOMPARE(h->kasten(QStringLiteral("Euroformular"))->isChecked(), euro);
}

void TestHauptform::beendenAbbrechenUndNein()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.starten(QString());
    Dialoge::zuruecksetzen();
    Dialoge::antworte(QMessageBox::Cancel);
    QVERIFY(!h.Ende_Knopf_Click());
    QVERIFY(!h.istBeendet());
    const auto m = Dialoge::letzteMeldung();
    QCOMPARE(m.titel, QStringLiteral("Programm beenden..."));
    QCOMPARE(m.icon, QMessageBox::Critical);
    QCOMPARE(m.knoepfe, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(m.text, QStringLiteral("Velmora beenden...\n\nMöchten Sie die Daten sichern ?\nNicht gespeicherte Daten "
                                    "gehen verloren!\n\nJa = Beenden und speichern der Daten\nNein = Beenden und Daten "
                                    "nicht speichern\nAbbrechen = Programm nicht beenden"));
    QVERIFY(!QFile::exists(m_prog + QStringLiteral("beihilfe.txt")));
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Stil")), QString());
    Dialoge::antworte(QMessageBox::No);
    QSignalSpy ende(&h, &Hauptform::programmEnde);
    QVERIFY(h.Ende_Knopf_Click());
    QCOMPARE(ende.count(), 1);
    QVERIFY(!QFile::exists(m_prog + QStringLiteral("beihilfe.txt")));
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Stil")), QStringLiteral("2"));
}

void TestHauptform::beendenJaSpeichert()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.starten(QString());
    h.setAntragText(QStringLiteral("BR Münster"));
    h.feld(QStringLiteral("Personalnummer"))->setText(QStringLiteral("  4711  "));
    int antraege = 0;
    h.beimBeendenSpeichern([&antraege] {
        ++antraege;
        return true;
    });
    Dialoge::antworte(QMessageBox::Yes);
    QVERIFY(h.Ende_Knopf_Click());
    QCOMPARE(antraege, 1);
    const QString text = lies(m_prog + QStringLiteral("beihilfe.txt"));
    QVERIFY(text.startsWith(QStringLiteral("BR Münster\r\n")));
    QVERIFY(text.contains(QStringLiteral("\r\n1Personalnummer2:=4711\r\n")));
    QVERIFY(text.endsWith(QStringLiteral("---Ende---\r\n")));
    const auto h2Zeiger = TestUmgebung::hauptform();
    Hauptform &h2 = *h2Zeiger;
    h2.starten(QString());
    QCOMPARE(h2.antragText(), QStringLiteral("BR Münster"));
    QCOMPARE(h2.feld(QStringLiteral("Personalnummer"))->text(), QStringLiteral("4711"));
}

void TestHauptform::speicherfehlerBeendetNicht()
{
    // The data directory is a file: nothing can be written there.
    const QString daten = TestUmgebung::neuesVerzeichnis(QStringLiteral("kaputt"));
    QDir().mkpath(daten + QStringLiteral("beihilfe.txt"));
    TestUmgebung::setzeProgrammpfad(m_prog);
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.starten(QStringLiteral("/pfad:") + daten);
    Dialoge::zuruecksetzen();
    QVERIFY(!h.SpeichernKnopf_Click());
    auto m = Dialoge::letzteMeldung();
    QCOMPARE(m.icon, QMessageBox::Critical);
    QVERIFY2(m.text.contains(QStringLiteral("beihilfe.txt")), qPrintable(m.text));
    Dialoge::antworte(QMessageBox::Yes);
    QVERIFY(!h.Ende_Knopf_Click());
    QVERIFY(!h.istBeendet());
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Stil")), QString());
}

void TestHauptform::schliessenFragtNach()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.show();
    h.starten(QString());
    Dialoge::zuruecksetzen();
    Dialoge::antworte(QMessageBox::Cancel);
    QVERIFY(!h.close());
    QVERIFY(h.isVisible());
    QCOMPARE(Dialoge::protokoll().size(), 1);
    Dialoge::antworte(QMessageBox::No);
    QVERIFY(h.close());
    QVERIFY(h.istBeendet());
}

void TestHauptform::faerbung()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    schreibeFelddatei(m_prog, QStringLiteral("Standardantrag\r\n1Vorname:=Anna\r\n2Teilzeit:=\r\n---Ende---\r\n"));
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    ProbeMaske *probe = nullptr;
    h.maskeAnmelden(QStringLiteral("Hauptdaten"), [&probe](Hauptform &hf) {
        probe = new ProbeMaske(hf, QStringLiteral("Hauptdaten"), 0);
        return probe;
    });
    h.starten(QString());
    h.Daten_Knopf_Click();
    QVERIFY(probe);
    QCOMPARE(probe->vorname->text(), QStringLiteral("Anna"));
    // An empty saved value leaves the box as designed.
    QVERIFY(!probe->teilzeit->isChecked());
    h.Felder_einlesen();
    QCOMPARE(FeldControls::farbe(probe->vorname), h.farbe1());
    // A field that was not in the file is new: dark red once, then normal.
    QCOMPARE(FeldControls::farbe(probe->neu), h.farbe2());
    QCOMPARE(h.farbe2(), QColor(128, 0, 0));
    h.Felder_einlesen();
    QCOMPARE(FeldControls::farbe(probe->neu), h.farbe1());
    probe->vorname->setText(QStringLiteral("Berta"));
    h.Felder_einlesen();
    QCOMPARE(FeldControls::farbe(probe->vorname), h.farbe2());
    // Saving keeps the colours.
    QVERIFY(h.SpeichernKnopf_Click());
    QCOMPARE(FeldControls::farbe(probe->vorname), h.farbe2());
    probe->vorname->setText(QStringLiteral("Anna"));
    h.Felder_einlesen();
    QCOMPARE(FeldControls::farbe(probe->vorname), h.farbe1());
    // "0" for an empty saved check box is a change.
    QCOMPARE(FeldControls::farbe(probe->teilzeit), h.farbe2());
}

void TestHauptform::markierenMitTasten()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    schreibeFelddatei(m_prog, QStringLiteral("Standardantrag\r\n1Vorname:=Anna\r\n---Ende---\r\n"));
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    ProbeMaske *probe = nullptr;
    h.maskeAnmelden(QStringLiteral("Hauptdaten"), [&probe](Hauptform &hf) {
        probe = new ProbeMaske(hf, QStringLiteral("Hauptdaten"), 0);
        return probe;
    });
    h.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h));
    h.starten(QString());
    h.Daten_Knopf_Click();
    probe->vorname->setFocus();
    QTRY_VERIFY(probe->vorname->hasFocus());
    QTest::keyClick(probe->vorname, Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(FeldControls::farbe(probe->vorname), h.farbe2());
    QCOMPARE(h.feldtabelle().zeile(0).basis, QStringLiteral("*-*-"));
    // Edited after the last collection: still changed after the first F12.
    probe->vorname->setText(QStringLiteral("Carla"));
    QTest::keyClick(probe->vorname, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(FeldControls::farbe(probe->vorname), h.farbe2());
    QTest::keyClick(probe->vorname, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(FeldControls::farbe(probe->vorname), h.farbe1());
    // A name not in the table changes nothing and does not collect.
    const int vorher = h.feldtabelle().anzahl();
    h.Feld_markieren(QStringLiteral("1GibtEsNicht"), true);
    QCOMPARE(h.feldtabelle().anzahl(), vorher);
}

void TestHauptform::unbekannteFelderBleiben()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    schreibeFelddatei(m_prog, QStringLiteral("Standardantrag\r\n1Niemand:=bleibt\r\n1Vorname:=Erst\r\n"
                                             "1Vorname:=Zweit\r\n---Ende---\r\n"));
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    ProbeMaske *probe = nullptr;
    h.maskeAnmelden(QStringLiteral("Hauptdaten"), [&probe](Hauptform &hf) {
        probe = new ProbeMaske(hf, QStringLiteral("Hauptdaten"), 0);
        return probe;
    });
    h.starten(QString());
    h.Daten_Knopf_Click();
    // The later row decides the fill; the collection writes the earlier row.
    QCOMPARE(probe->vorname->text(), QStringLiteral("Zweit"));
    probe->vorname->setText(QStringLiteral("Neu"));
    QVERIFY(h.SpeichernKnopf_Click());
    const QString text = lies(m_prog + QStringLiteral("beihilfe.txt"));
    QVERIFY(text.contains(QStringLiteral("1Niemand:=bleibt\r\n1Vorname:=Neu\r\n1Vorname:=Zweit\r\n")));
    QCOMPARE(h.feldtabelle().Feldwert(QStringLiteral("Vorname")).value(), QStringLiteral("Zweit"));
}

void TestHauptform::speichernKnopfFolgtMaske()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    for (const char *name : {"Hauptdaten", "Aufwendungen"}) {
        const QString n = QString::fromUtf8(name);
        h.maskeAnmelden(n, [n](Hauptform &hf) { return new Maske(hf, n, n); });
    }
    h.show();
    h.starten(QString());
    h.Aufwendungen_Knopf_Click();
    QVERIFY(!h.SpeichernKnopf()->isEnabled());
    // F8 still saves.
    for (QAction *a : h.findChildren<QAction *>(QStringLiteral("Menü")))
        if (a->property("index").toInt() == 6)
            a->trigger();
    QVERIFY(QFile::exists(m_prog + QStringLiteral("beihilfe.txt")));
    h.Daten_Knopf_Click();
    QVERIFY(h.SpeichernKnopf()->isEnabled());
}

void TestHauptform::memoDateienUnberuehrt()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    QVERIFY(TextFile::write(m_prog + QStringLiteral("privateKVMemo0.txt"), QStringLiteral("alt\r\n"),
                            TextFile::Encoding::Utf8));
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    int memos = 0;
    h.setMemoSpeicherung([&memos](QString *) {
        ++memos;
        return true;
    });
    h.starten(QString());
    QVERIFY(h.SpeichernKnopf_Click());
    QCOMPARE(memos, 0);
    QCOMPARE(lies(m_prog + QStringLiteral("privateKVMemo0.txt")), QStringLiteral("alt\r\n"));
    h.setAktiv(9);
    QVERIFY(h.SpeichernKnopf_Click());
    QCOMPARE(memos, 1);
}

void TestHauptform::formularartWechsel()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.starten(QString());
    QSignalSpy spy(&h, &Hauptform::formularartGeaendert);
    h.setAntragText(QStringLiteral("LBV NRW"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(h.katalog().Druckbereiche[5], QStringLiteral("1LBV-AUF2"));
    QCOMPARE(h.katalog().Titel[3], QStringLiteral("Aufwendungen Kostenarten 6 - 8"));
    // A name that matches no row keeps the previous entry.
    h.setAntragText(QStringLiteral("Unbekannt's Amt"));
    QCOMPARE(h.katalog().Druckbereiche[5], QStringLiteral("1LBV-AUF2"));
    h.setAntragText(QStringLiteral("Standardantrag"));
    QCOMPARE(h.katalog().Druckbereiche[5], QString());
    QCOMPARE(h.katalog().Titel[3], QStringLiteral("x"));
}

void TestHauptform::fenstertitel()
{
    // A screen's window gets its title once it stands (see oeffnen), and
    // keeps it when opened again; the screen keeps its own.
    const auto h = TestUmgebung::hauptfenster(m_prog);
    auto *info = h->findChild<QMdiSubWindow *>(QStringLiteral("InfoformFenster"));
    QVERIFY(info);
    QCOMPARE(info->windowTitle(), QStringLiteral("Programminformation V. 1.099"));
    QWidget *kinder = h->oeffnen(QStringLiteral("Kinderform"));
    QVERIFY(kinder && !kinder->windowTitle().isEmpty());
    auto *fenster = h->findChild<QMdiSubWindow *>(QStringLiteral("KinderformFenster"));
    QVERIFY(fenster && fenster->isVisible());
    QCOMPARE(fenster->windowTitle(), kinder->windowTitle());
    QCOMPARE(h->findChild<QMdiArea *>()->activeSubWindow(), fenster);
    h->oeffnen(QStringLiteral("Infoform"));
    QCOMPARE(h->oeffnen(QStringLiteral("Kinderform")), kinder);
    QCOMPARE(fenster->windowTitle(), kinder->windowTitle());
}

void TestHauptform::erreichbarAufKleinemSchirm_data()
{
    QTest::addColumn<QString>("maske"); // empty: the main window itself
    QTest::addColumn<QStringList>("namen");
    QTest::newRow("Hauptform") << QString()
                               << QStringList{QStringLiteral("Antrag"), QStringLiteral("Daten_Knopf"),
                                              QStringLiteral("Kinder_Knopf"), QStringLiteral("Versicherungen_Knopf"),
                                              QStringLiteral("Anschriften_Knopf"), QStringLiteral("Rückseite_Knopf"),
                                              QStringLiteral("Aufwendungen_Knopf"), QStringLiteral("SpeichernKnopf"),
                                              QStringLiteral("Drucken_Knopf"), QStringLiteral("Beihilfeninfo_Knopf"),
                                              QStringLiteral("Anträge_Knopf"), QStringLiteral("PrivateKV_Knopf"),
                                              QStringLiteral("Pflegeversicherungsknopf"), QStringLiteral("Pflege_Knopf"),
                                              QStringLiteral("Adressbuch_Knopf"), QStringLiteral("Info_Knopf"),
                                              QStringLiteral("Ende_Knopf")};
    QTest::newRow("Druckenform") << QStringLiteral("Druckenform")
                                 << QStringList{QStringLiteral("Drucken_Knopf"), QStringLiteral("Datum"),
                                                QStringLiteral("Heute_Knopf"), QStringLiteral("Gültigkeit"),
                                                QStringLiteral("Erstantrag"), QStringLiteral("Änderungen"),
                                                QStringLiteral("Offset"), QStringLiteral("Vorschau"),
                                                QStringLiteral("Euroformular"), QStringLiteral("Druckerliste")};
    QTest::newRow("UnfallberichtsForm") << QStringLiteral("UnfallberichtsForm")
                                        << QStringList{QStringLiteral("UBDatum"), QStringLiteral("UBUhrzeit"),
                                                       QStringLiteral("UBUnfallort1"), QStringLiteral("UBUnfallgegner2"),
                                                       QStringLiteral("UBTätigkeit")};
}

void TestHauptform::erreichbarAufKleinemSchirm()
{
    // 1366x768 at 125 %: a main window of 1092x614 logical pixels. Every
    // control is shown whole and at its full height once scrolled to.
    QFETCH(QString, maske);
    QFETCH(QStringList, namen);
    const auto h = TestUmgebung::hauptfenster(m_prog, QSize(1092, 614));
    QWidget *wurzel = maske.isEmpty() ? h.get() : h->oeffnen(maske);
    QVERIFY(wurzel);
    QCoreApplication::processEvents();
    TestUmgebung::bild(h.get(), QStringLiteral("klein-") + (maske.isEmpty() ? QStringLiteral("Hauptform") : maske));
    for (const QString &name : namen) {
        const QList<QWidget *> gefunden = wurzel->findChildren<QWidget *>(name);
        QVERIFY2(!gefunden.isEmpty(), qPrintable(name));
        for (QWidget *w : gefunden) {
            QVERIFY2(w->isVisibleTo(h.get()), qPrintable(name));
            for (QWidget *p = w->parentWidget(); p; p = p->parentWidget())
                if (auto *rollen = qobject_cast<QScrollArea *>(p))
                    rollen->ensureWidgetVisible(w, 0, 0);
            const QRect r(w->mapTo(h.get(), QPoint()), w->size());
            // Whole in height; a box wider than the area at least starts inside it.
            for (QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
                const QRect pr(p->mapTo(h.get(), QPoint()), p->size());
                QVERIFY2(pr.top() <= r.top() && r.bottom() <= pr.bottom() && pr.contains(r.topLeft()),
                         qPrintable(name + u' ' + p->objectName()));
            }
            QVERIFY2(w->height() >= w->minimumSizeHint().height(), qPrintable(name));
        }
    }
}

void TestHauptform::statuszeileNachSpeichern_data()
{
    QTest::addColumn<QString>("befehlszeile");
    QTest::addColumn<bool>("gespeichert");
    QTest::newRow("geschrieben") << QString() << true;
    QTest::newRow("nicht geschrieben") << QStringLiteral("/pfad:/gibt/es/nicht") << false;
}

void TestHauptform::statuszeileNachSpeichern()
{
    QFETCH(QString, befehlszeile);
    QFETCH(bool, gespeichert);
    TestUmgebung::setzeProgrammpfad(m_prog);
    const auto h = TestUmgebung::hauptform();
    h->show();
    h->starten(befehlszeile);
    h->SpeichernKnopf()->click();
    const QString text = h->statustext();
    static const QRegularExpression muster(QStringLiteral("^Gespeichert: .*beihilfe\\.txt, \\d\\d:\\d\\d$"));
    QVERIFY2(muster.match(text).hasMatch() == gespeichert, qPrintable(text));
    QVERIFY(h->statusBar()->isVisible());
}

void TestHauptform::reiterStrgWUndHilfe()
{
    const auto h = TestUmgebung::hauptfenster(m_prog, QSize(1092, 614));
    QStringList hilfe;
    h->setHilfeAnzeigen([&hilfe](QWidget *, const QString &abschnitt) { hilfe.append(abschnitt); });
    h->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.get()));
    // Tabs for a new installation: the start picture makes way, the
    // screen fills the area.
    QCOMPARE(h->mdiArea()->viewMode(), QMdiArea::TabbedView);
    QWidget *daten = h->oeffnen(QStringLiteral("Hauptdaten"));
    QWidget *kinder = h->oeffnen(QStringLiteral("Kinderform"));
    QVERIFY(!h->maske(QStringLiteral("Infoform"))->isVisible());
    QCOMPARE(Hauptform::fensterVon(kinder)->size(), h->mdiArea()->viewport()->size());
    QTest::keyClick(h.get(), Qt::Key_F1);
    // Ctrl+W closes the screen in front with its tab; the one before it
    // comes back with the focus, after the last one the start picture.
    auto *reiter = h->mdiArea()->findChild<QTabBar *>();
    for (const QString vorher : {QStringLiteral("Hauptdaten"), QStringLiteral("Infoform")}) {
        QTest::keyClick(h.get(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(h->vorn()->objectName(), vorher);
        QVERIFY(Hauptform::fensterVon(h->vorn())->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(reiter->count(), 1);
    }
    QVERIFY(!kinder->isVisible() && !daten->isVisible());
    h->findChild<QAction *>(QStringLiteral("MenüErsteSchritte"))->trigger();
    QCOMPARE(hilfe, (QStringList{QStringLiteral("Kinderform"), QStringLiteral("erste-schritte")}));
    // Overlapping windows, kept for the next start; a closed screen opens
    // again as a window of its own.
    h->findChild<QAction *>(QStringLiteral("MenüÜberlappend"))->trigger();
    QCOMPARE(h->mdiArea()->viewMode(), QMdiArea::SubWindowView);
    QVERIFY(!Hauptform::fensterVon(h->oeffnen(QStringLiteral("Kinderform")))->isMaximized());
    const auto zweite = TestUmgebung::hauptfenster(m_prog);
    QVERIFY(zweite->ueberlappend());
}

void TestHauptform::zuletztGeoeffneteAntraege()
{
    const auto h = TestUmgebung::hauptfenster(m_prog);
    QStringList geladen;
    h->setAntragLaden([&geladen](const QString &k) { geladen.append(k); });
    for (const char *k : {"01.02.2026", "03.04.2026", "01.02.2026"})
        h->antragGeoeffnet(QString::fromLatin1(k));
    auto *menue = h->findChild<QMenu *>(QStringLiteral("MenüAntrag"));
    Q_EMIT menue->aboutToShow();
    const QList<QAction *> eintraege = menue->findChildren<QAction *>(QStringLiteral("MenüZuletzt"));
    QCOMPARE(eintraege.size(), 2);
    for (QAction *a : eintraege)
        if (a->property("index").toInt() == 1)
            a->trigger();
    QCOMPARE(geladen, QStringList{QStringLiteral("03.04.2026")});
}

VELMORA_TEST_MAIN(TestHauptform)
#include "TestHauptform.moc"

void TestHauptform::titelbildWieGezeichnet()
{
    // The start screen shows the pixels drawn at build time; they must be
    // exactly what the drawing gives now (size, byte order, a stale file).
    const QImage gespeichert = Titelbild::gespeichert();
    QCOMPARE(gespeichert.size(), Titelzeichnung::groesse());
    QCOMPARE(gespeichert, Titelzeichnung::bild());

    // The start screen's picture shows those pixels wherever they are opaque.
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.show();
    h.starten(QString());
    auto *bild = h.findChild<Titelbild *>(QStringLiteral("Bild"));
    QVERIFY(bild);
    QTRY_VERIFY(bild->isVisible());
    TestUmgebung::bild(&h, QStringLiteral("startbild"));
    const QImage gezeigt = bild->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(gezeigt.size(), gespeichert.size());
    int deckend = 0, abweichend = 0;
    for (int y = 0; y < gespeichert.height(); ++y)
        for (int x = 0; x < gespeichert.width(); ++x)
            if (qAlpha(gespeichert.pixel(x, y)) == 255) {
                ++deckend;
                abweichend += gezeigt.pixel(x, y) != gespeichert.pixel(x, y);
            }
    QVERIFY(deckend > gespeichert.width() * gespeichert.height() / 2);
    QCOMPARE(abweichend, 0);
}

void TestHauptform::programmsymbol()
{
    // The symbol as drawn: the seal green, the sheet white, the corner clear.
    const QImage b = Programmsymbol::icon().pixmap(128).toImage();
    QCOMPARE(b.size(), QSize(128, 128));
    QCOMPARE(QColor(b.pixel(80, 110)), QColor(0x2e, 0x7d, 0x32));
    QCOMPARE(QColor(b.pixel(50, 110)), QColor(Qt::white));
    QCOMPARE(qAlpha(b.pixel(2, 2)), 0);

    // The screens inside the main window carry the program's symbol, not
    // an empty icon that the style would replace with its own.
    const QIcon vorher = QApplication::windowIcon();
    QApplication::setWindowIcon(Programmsymbol::icon());
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.starten(QString());
    auto *fenster = h.findChild<QMdiSubWindow *>(QStringLiteral("InfoformFenster"));
    QVERIFY(fenster);
    QCOMPARE(fenster->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    h.show();
    TestUmgebung::bild(&h, QStringLiteral("startfenster"));
    QApplication::setWindowIcon(vorher);
}

namespace {
class ZaehlenderStil : public QCommonStyle
{
public:
    mutable int anfragen = 0;
    QIcon standardIcon(StandardPixmap symbol, const QStyleOption *option, const QWidget *widget) const override
    {
        ++anfragen;
        return QCommonStyle::standardIcon(symbol, option, widget);
    }
};
} // namespace

void TestHauptform::symboleErstBeimZeichnen()
{
    // The style hands out standard icons that are read when first drawn,
    // once for all copies, and look exactly like the base style's.
    auto *basis = new ZaehlenderStil;
    Programmstil stil(basis);
    QWidget menue;
    const QIcon mehr = stil.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, &menue);
    QCOMPARE(basis->anfragen, 0);
    const QIcon kopie = mehr;
    QCOMPARE(mehr.pixmap(16).toImage(),
             basis->QCommonStyle::standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage());
    QCOMPARE(basis->anfragen, 1);
    kopie.pixmap(32);
    QCOMPARE(basis->anfragen, 1);
    QVERIFY(!mehr.isNull());
}

void TestHauptform::antragslisteZweispaltig()
{
    // The form kinds drop down as a list with the columns Antrag and
    // Beschreibung, made when the box first opens.
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.show();
    h.starten(QString());
    auto *antrag = h.findChild<QComboBox *>(QStringLiteral("Antrag"));
    QVERIFY(antrag);
    // Editable, completing from the form kinds' names, and no list view
    // exists before the first opening.
    QVERIFY(antrag->isEditable());
    QVERIFY(antrag->findChildren<QAbstractItemView *>().isEmpty());
    QVERIFY(antrag->completer());
    antrag->completer()->setCompletionPrefix(QStringLiteral("OFD D"));
    QCOMPARE(antrag->completer()->currentCompletion(), QStringLiteral("OFD Düsseldorf"));
    antrag->showPopup();
    auto *liste = qobject_cast<QTreeView *>(antrag->view());
    QVERIFY(liste);
    QTRY_VERIFY(liste->isVisible());
    QCOMPARE(liste->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Antrag"));
    QCOMPARE(liste->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Beschreibung"));
    const int zeile = antrag->findText(QStringLiteral("OFD Düsseldorf"));
    QVERIFY(zeile >= 0);
    QVERIFY(!liste->model()->index(zeile, 1).data().toString().isEmpty());
    QVERIFY(liste->columnWidth(0) > 0);
    TestUmgebung::bild(liste->window(), QStringLiteral("antragsliste"));
    antrag->hidePopup();
    // A second opening keeps the same list.
    antrag->showPopup();
    QCOMPARE(antrag->view(), static_cast<QAbstractItemView *>(liste));
    antrag->hidePopup();
}

#pragma once

#include "fields/Feldtabelle.h"
#include "fields/Zusatzfeldtabelle.h"
#include "print/Katalogeintrag.h"

#include <QColor>
#include <QFrame>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;
class QVBoxLayout;
class QPushButton;
class Infoform;
class SideBar;
class ZweispaltenCombo;

// The main window: the frame of all screens, the start-up and the exit,
// the navigation, the styles, the shared field controls and the field store.
class Hauptform : public QMainWindow
{
    Q_OBJECT
public:
    using Fabrik = std::function<QWidget *(Hauptform &)>;

    // Registers the screens and actions of the areas above the shell.
    using Anmeldung = std::function<void(Hauptform &)>;

    explicit Hauptform(const Anmeldung &anmelden = {}, QWidget *parent = nullptr);
    ~Hauptform() override;

    // Runs the start-up with the command line taken as one string.
    void starten(const QString &befehlszeile);

    // Directories: empty or ending in "/".
    QString programmverzeichnis() const { return m_programmverzeichnis; }
    QString datenverzeichnis() const { return m_datenverzeichnis; }

    // --- field store ---
    Feldtabelle &feldtabelle() { return m_felder; }
    Zusatzfeldtabelle &zusatzfeldtabelle() { return m_zusatz; }
    QString aktiv(int marker) const { return m_aktiv.at(marker); }
    void setAktiv(int marker) { m_aktiv.at(marker) = QStringLiteral("1"); }
    QColor farbe1() const { return m_farbe1; }
    QColor farbe2() const { return m_farbe2; }
    // Screen fill from the field table (each screen calls it on first load).
    void Felder_anzeigen(QWidget *maske);
    void Felder_einlesen();
    void Feld_markieren(const QString &name, bool markierung);
    bool SpeichernKnopf_Click(); // false when the field file could not be written
    // Writes the memo files of the private-insurance screen; set by that screen.
    void setMemoSpeicherung(std::function<bool(QString *fehler)> speichern) { m_memoSpeichern = std::move(speichern); }
    // Steps that store what a screen keeps outside the field file (the open
    // application, the shown address) when the program ends with saving, in
    // the order they were added; one that returns false keeps the program
    // open (it has told the user why).
    void beimBeendenSpeichern(std::function<bool()> speichern) { m_beendenSpeichern.append(std::move(speichern)); }
    // What ending without saving would lose (names of screens with unsaved
    // input, empty when nothing); the exit prompt's "Nein" lists it and asks.
    void beimBeendenVerloren(std::function<QStringList()> verloren) { m_beendenVerloren.append(std::move(verloren)); }

    // --- shared field controls, found by objectName (index for arrays) ---
    QLineEdit *feld(const QString &objectName, int index = -1) const;
    QCheckBox *kasten(const QString &objectName, int index = -1) const;
    QString antragText() const; // the chosen form kind
    void setAntragText(const QString &text);
    QLabel *FNr() const { return m_fnr; }
    QWidget *Zusatzpanel() const { return m_zusatzpanel; }
    QProgressBar *Progress() const { return m_progress; }
    QPushButton *SpeichernKnopf() const { return m_speichernKnopf; }

    // --- form catalogue ---
    void Formulare_laden();
    const Katalogeintrag &katalog() const { return m_katalog; }
    QString druckdatenbank() const;

    // --- screens and navigation ---
    // Registers a screen by its objectName; it is created on first opening.
    void maskeAnmelden(const QString &name, Fabrik fabrik);
    // Registers what a navigation entry without a screen of its own does.
    void aktionAnmelden(const QString &name, std::function<void()> aktion);
    // Hides Zusatzpanel, shows the screen (creating it on first use) and
    // gives it the focus. Returns the screen, or nullptr when none is known.
    QWidget *oeffnen(const QString &name);
    QWidget *maske(const QString &name) const; // nullptr until created
    QStringList masken() const; // names of the registered screens, sorted
    QMdiArea *mdiArea() const { return m_mdi; }
    // The screen in front, nullptr when none is shown.
    QWidget *vorn() const;
    // The screen a window of the area holds.
    static QWidget *maskeIn(const QMdiSubWindow *fenster);
    // The window of the area a screen sits in (the screen itself outside one).
    static QWidget *fensterVon(QWidget *maske);
    // Screens as overlapping windows, or (the default) maximised with tabs.
    bool ueberlappend() const;
    void setUeberlappend(bool an);
    // Closes the screen in front (Ctrl+W).
    void vornSchliessen();

    // --- status line ---
    // Says what was written where: "Gespeichert: <file>, <hh:mm>".
    void meldeGespeichert(const QString &pfad);
    // The same from any widget of the program.
    static void gespeichertMelden(QWidget *irgendwo, const QString &pfad);
    QString statustext() const;

    // --- help and the last applications ---
    // Shows the guide at a part: a screen's objectName, "erste-schritte",
    // or empty for its beginning.
    using HilfeAnzeigen = std::function<void(QWidget *eltern, const QString &abschnitt)>;
    void setHilfeAnzeigen(HilfeAnzeigen anzeigen) { m_hilfeAnzeigen = std::move(anzeigen); }
    void hilfeZeigen(const QString &abschnitt);
    // Loads a stored application into the ledger; set by the program.
    void setAntragLaden(std::function<void(const QString &kennung)> laden) { m_antragLaden = std::move(laden); }
    // The ledger reports each application it loaded; the menu "Antrag"
    // lists the last five.
    void antragGeoeffnet(const QString &kennung);
    QStringList zuletztGeoeffnet() const;
    SideBar *sideBar(); // the navigation bar, built on first use
    void aktionAusfuehren(const QString &name); // navigation entry by object name

    // Navigation actions.
    void Daten_Knopf_Click() { oeffnen(QStringLiteral("Hauptdaten")); }
    void Kinder_Knopf_Click() { oeffnen(QStringLiteral("Kinderform")); }
    void Versicherungen_Knopf_Click() { oeffnen(QStringLiteral("Versicherungsform")); }
    void Anschriften_Knopf_Click() { oeffnen(QStringLiteral("Anschriftenform")); }
    void Rueckseite_Knopf_Click() { oeffnen(QStringLiteral("Rückseiteform")); }
    void Aufwendungen_Knopf_Click() { oeffnen(QStringLiteral("Aufwendungen")); }
    void Drucken_Knopf_Click();
    void Beihilfeninfo_Knopf_Click() { oeffnen(QStringLiteral("Beihilfeninfoform")); }
    void Antraege_Knopf_Click() { oeffnen(QStringLiteral("Anträgeform")); }
    void PrivateKV_Knopf_Click() { oeffnen(QStringLiteral("privateKV")); }
    void Pflegeversicherungsknopf_Click() { oeffnen(QStringLiteral("Pflegeversicherungsform")); }
    void Pflege_Knopf_Click() { oeffnen(QStringLiteral("DauerndePflegeForm")); }
    void Adressbuch_Knopf_Click() { oeffnen(QStringLiteral("Adressenform")); }
    void Info_Knopf_Click();
    void MenueInfo_Click();
    // The exit prompt; returns true when the program ends.
    bool Ende_Knopf_Click();

    // --- styles ---
    void MenueStil_Click(int stil);
    int stil() const { return m_stil; }

    bool istBeendet() const { return m_beendet; }
    // Window placement in twips as stored in the settings.
    QRect platzierungInTwips() const;
    static int pixelZuTwips(int px, bool horizontal);
    static int twipsZuPixel(int twips, bool horizontal);

Q_SIGNALS:
    void formularartGeaendert(const QString &name);
    void druckernameGeaendert(const QString &name);
    void programmEnde();
    void maskeAktiviert(QWidget *maske);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void aufbauen();
    void menueAufbauen();
    void geteilteFelderAufbauen(QWidget *panel, QWidget *zusatz);
    void antragGeaendert();
    void unterfensterAktiviert(QMdiSubWindow *fenster);
    void platzieren(QMdiSubWindow *fenster);
    // Shows a screen's window and makes it the active one, in front.
    void nachVorn(QMdiSubWindow *fenster);
    void stilAnwenden();
    void fensterschichtEinrichten();
    void fensteransichtLesen();
    void aufBildschirmEinpassen();
    void fensteransichtWaehlen(bool ueberlappen);
    // After a screen's window was closed: the front passes on.
    void geschlossen(QMdiSubWindow *fenster);
    // Takes a closed screen's window out of the tabbed area.
    void ablegen(QMdiSubWindow *fenster);
    void zuletztMenueFuellen();
    void einstellungenSpeichern();
    QList<QWidget *> eigeneFelder() const;

    QString m_programmverzeichnis;
    QString m_datenverzeichnis;
    Feldtabelle m_felder;
    Zusatzfeldtabelle m_zusatz;
    std::array<QString, 10> m_aktiv;
    QColor m_farbe1;
    QColor m_farbe2;
    int m_stil = 2;
    bool m_beendet = false;
    Katalogeintrag m_katalog;
    std::function<bool(QString *)> m_memoSpeichern;
    QList<std::function<bool()>> m_beendenSpeichern;
    QList<std::function<QStringList()>> m_beendenVerloren;

    QMdiArea *m_mdi = nullptr;
    QFrame *m_panel = nullptr;
    ZweispaltenCombo *m_antrag = nullptr;
    SideBar *m_sideBar = nullptr;
    QVBoxLayout *m_panelLayout = nullptr;
    QFrame *m_knopfpanel = nullptr;
    QFrame *m_endePanel = nullptr;
    QFrame *m_zusatzpanel = nullptr;
    QWidget *m_geteilt = nullptr; // hidden holder of the shared controls in Panel
    QWidget *m_geteiltZusatz = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_fnr = nullptr;
    QPushButton *m_speichernKnopf = nullptr;
    std::array<QAction *, 4> m_stilAktionen{};
    Infoform *m_infoform = nullptr;
    QLabel *m_status = nullptr;
    QWidget *m_ablage = nullptr; // hidden holder of the screens closed in tabs
    QPointer<QMdiSubWindow> m_schliessend;
    // The field last used in each screen: switching back to a screen puts
    // the cursor there again.
    QHash<QMdiSubWindow *, QPointer<QWidget>> m_letzterFokus;
    QPointer<QMdiSubWindow> m_fokusGemerkt; // the screen whose cursor moves are noted
    bool m_oeffnet = false;
    QAction *m_ueberlappendAktion = nullptr;
    QMenu *m_antragMenue = nullptr;
    HilfeAnzeigen m_hilfeAnzeigen;
    std::function<void(const QString &)> m_antragLaden;

    QHash<QString, Fabrik> m_fabriken;
    QHash<QString, QPointer<QMdiSubWindow>> m_fenster;
    QHash<QString, std::function<void()>> m_aktionen;
};

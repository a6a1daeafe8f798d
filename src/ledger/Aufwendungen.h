#pragma once

#include "ledger/Antragskopf.h"
#include "ledger/Belegpruefung.h"
#include "ledger/Belegverlauf.h"
#include "ledger/Rechnungspositionen.h"
#include "shell/Maske.h"

#include <QPointer>

#include <atomic>
#include <optional>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QProgressBar;
class QThread;
class QPushButton;
class AufwendungenEingabe;
class AufwendungenListe;
class LadenForm;
class Numerierenform;

// The ledger window: the receipts of one application, their totals, the
// application header, storing and loading. The entry panel
// (AufwendungenEingabe), the list (AufwendungenListe) and the menu with
// its actions (AufwendungenMenue.cpp) stand in files of their own.
class Aufwendungen : public Maske
{
    Q_OBJECT
public:
    explicit Aufwendungen(Hauptform &hauptform, QWidget *parent = nullptr);
    ~Aufwendungen() override;

    // The receipt table of the open application; printing reads it.
    const Rechnungspositionen &rechnungspositionen() const { return m_tabelle; }
    Rechnungspositionen &rechnungspositionen() { return m_tabelle; }

    void aktivieren() override;
    // The header fields as they stand.
    Antragskopf kopf() const;
    // Loads a stored application as the load dialog does: its header
    // replaces the header fields, its receipts replace the current ones
    // (or follow them when hinzuladen).
    void antragLaden(const QString &kennung, bool hinzuladen);
    // Opens a stored application from the overview: the open application's
    // row only brings the window forward; another row, while the receipts
    // are not stored, first asks whether to store them.
    void antragOeffnen(const QString &kennung);
    // Receipts there whose state (or header) differs from what was last
    // stored or loaded.
    bool ungespeichert() const;

    // Reads invoice files one after the other off the window's thread; each
    // result waits in "Beleg prüfen".
    void belegeEinlesen(const QStringList &dateien);
    // Files still being read or waiting to be checked.
    bool liestBelege() const;
    // Adds a receipt as "Hinzufügen" does (same checks, messages and
    // totals), without touching the entry fields; false when refused.
    bool positionHinzufuegen(const Rechnungsposition &r);

    static QString titelOhnePflege() { return QStringLiteral("Zusammenstellung der Aufwendungen (ohne dauernde Pflege)"); }
    static QString titelPflege() { return QStringLiteral("Zusammenstellung der Aufwendungen für dauernde Pflege"); }

public Q_SLOTS:
    void Kostenart();
    void einlesen();
    void LBV_Check();
    void Aerzte_einlesen();
    void Felder_loeschen();
    void Speichern_Knopf_Click();
    // Stores the open application; false (after a message naming the file)
    // when it could not be stored.
    bool antragSpeichern();

    void Hinzufuegen_Knopf_Click();
    void Einfuegen_Knopf_Click();
    void Bearbeiten_Knopf_Click();
    void Aendern_Knopf_Click();
    void Loeschen_Knopf_Click();
    void Felder_Loeschen_Knopf_Click();
    void Rechnen_Knopf_Click();
    void Neu_Knopf_Click();
    void Laden_Knopf_Click();
    void Antragsinfo_Knopf_Click();
    void Sortieren_Knopf_Click();
    void Numerieren_Knopf_Click();
    void Drucken_Knopf_Click();
    void Arztedit_Knopf_Click();
    void Import_Click();
    void Export_Click();
    void Einlesen_Knopf_Click();
    void Anzeigen_Knopf_Click();
    void Lesen_Abbrechen_Knopf_Click();
    // Takes back the last change of the receipt table (Strg+Z).
    void Rueckgaengig_Click();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    void dragEnterEvent(QDragEnterEvent *ereignis) override;
    void dropEvent(QDropEvent *ereignis) override;

private:
    void aufbauen();
    void kopfAufbauen();
    void menueAufbauen(QMenuBar *leiste);
    void laden(); // first load of the window
    int aktuelleZeile() const; // 1-based, 0 when the list has no cursor row
    void setzeAktuelleZeile(int p);
    void speichernFreigeben(bool an);
    void pflegeGeaendert(bool an);
    void antragsdatumGeaendert(const QString &text);
    void verlassen(QWidget *feld);
    void setzeKopf(const Antragskopf &k);
    void standMerken();
    // Before each change of the receipt table, for Strg+Z.
    void schrittMerken(const QString &was);
    // Another application is open: its hint and its steps start afresh.
    void antragGewechselt();
    void antragsdatumHinweis();
    void naechsteLesung();
    void gelesenePruefen();
    bool belegUebernehmen(Rechnungsposition r, const QString &datei);
    void belegZeigen(int p);
    QString datenbankpfad() const;
    QString aerztepfad() const;

    Rechnungspositionen m_tabelle;
    // What was last stored or loaded.
    Antragskopf m_gemerkterKopf;
    QVector<Rechnungsposition> m_gemerktePositionen;
    AufwendungenListe *m_liste = nullptr;
    QLabel *m_infozeile = nullptr;
    QLabel *m_erwartetSumme = nullptr; // the expected refund of all receipts
    AufwendungenEingabe *m_eingabe = nullptr; // Panel1
    QFrame *m_panel2 = nullptr;
    QFrame *m_panel3 = nullptr;
    QFrame *m_panel4 = nullptr;

    // Header fields.
    QLineEdit *m_antragsdatum = nullptr;
    QLineEdit *m_unternummer = nullptr;
    QLineEdit *m_eingereichtam = nullptr;
    QLineEdit *m_zurueckerhalten = nullptr;
    QLineEdit *m_bemerkungen = nullptr;
    QLineEdit *m_abschlagDatum = nullptr;
    QLineEdit *m_abschlagHoehe = nullptr;
    QCheckBox *m_aEuro = nullptr;
    QCheckBox *m_pflegeantrag = nullptr;

    QPushButton *m_speichernKnopf = nullptr;
    QAction *m_menueSpeichern = nullptr;
    QAction *m_menueExport = nullptr;
    QAction *m_menueRueckgaengig = nullptr;

    Belegverlauf m_verlauf;
    // The application for which the missing date was pointed out.
    std::optional<QString> m_hinweisKennung;

    // Reading invoices.
    QStringList m_leseliste;
    QList<Belegpruefung::Lesung> m_gelesen;
    QPointer<QThread> m_leser;
    std::atomic_bool m_abbrechen{false};
    bool m_liest = false;
    bool m_prueft = false;
    QProgressBar *m_lesefortschritt = nullptr;
    QPushButton *m_leseAbbrechen = nullptr;
    QPointer<QDialog> m_belegansicht;

    QPointer<LadenForm> m_ladenForm;
    QPointer<Numerierenform> m_numerierenform;
};

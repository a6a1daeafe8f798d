#pragma once

#include "ledger/Uebersicht.h"
#include "shell/Maske.h"

class Jahresdiagrammansicht;
class QComboBox;
class QLabel;
class QSpinBox;
class QTabWidget;
class QTableView;
class Uebersichtsfilter;
class Uebersichtstabelle;

// The overview of all stored applications: a table of the applications
// with their sums and state, the receipts whose deadline needs attention,
// and the sums per year as table and bar diagram. It only reads anträge.mdb;
// a double click loads an application into the ledger window.
class Antragsuebersicht : public Maske
{
    Q_OBJECT
public:
    explicit Antragsuebersicht(Hauptform &hauptform, QWidget *parent = nullptr);

    static QString titel() { return QStringLiteral("Übersicht der Anträge"); }

    // Reads the file anew (and the application open in the ledger window).
    void aktualisieren();
    void aktivieren() override;
    QSize sizeHint() const override { return {1100, 620}; }
    const Uebersicht &uebersicht() const { return m_uebersicht; }
    // The main window's status line about receipts near their deadline, for
    // the deadline now set; an earlier hint goes when none is left.
    static void fristenhinweisZeigen(Hauptform &hauptform, const Uebersicht &uebersicht);

public Q_SLOTS:
    void Exportieren_Knopf_Click();

private:
    void aufbauen();
    void jahreZeigen();
    void filterAnwenden();
    void summeZeigen();
    void laden(const QModelIndex &index);
    QTableView *tabelle(const QString &name, QAbstractItemModel *modell);

    Uebersicht m_uebersicht;
    Uebersichtstabelle *m_antraege = nullptr;
    Uebersichtstabelle *m_fristen = nullptr;
    Uebersichtstabelle *m_jahre = nullptr;
    Uebersichtsfilter *m_filter = nullptr;
    QTabWidget *m_register = nullptr;
    QTableView *m_antragsliste = nullptr;
    QComboBox *m_status = nullptr;
    QComboBox *m_jahr = nullptr;
    QSpinBox *m_frist = nullptr;
    QLabel *m_meldung = nullptr;
    QLabel *m_summe = nullptr;
    QLabel *m_fristZeile = nullptr;
    Jahresdiagrammansicht *m_diagramm = nullptr;
    bool m_ebenGelesen = true; // read while being built: the first activation needs no second read
};

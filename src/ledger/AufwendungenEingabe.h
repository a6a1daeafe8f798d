#pragma once

#include "ledger/Rechnungsposition.h"

#include <QFrame>

class Hauptform;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ZweispaltenCombo;

// The entry panel of the ledger: the fields of one receipt, their
// keyboard path and formatting, the cost-type and doctor choices and the
// insurance share computed from the personal data.
class AufwendungenEingabe : public QFrame
{
    Q_OBJECT
public:
    explicit AufwendungenEingabe(Hauptform &hauptform, QWidget *parent = nullptr);

    // The receipt as typed.
    Rechnungsposition eintrag() const;
    // Shows a receipt in the fields.
    void zeigen(const Rechnungsposition &r);
    // Date, person and cost type present; otherwise says which is missing.
    bool pruefen();
    // The same checks for a receipt from elsewhere; the message over fenster.
    static bool pruefen(QWidget *fenster, const Rechnungsposition &r);

    // Clears the receipt fields, keeping the person ("Pflege" stays as the
    // cost type of a care application).
    void felderLoeschen(bool pflege);
    // Clears the person as well.
    void alleLoeschen(bool pflege);
    void pflegeSetzen(bool an);
    void kostenartenSetzen(const QStringList &eintraege);
    void aerzteSetzen(const QStringList &zeilen);
    void rechnen();
    void euroSetzen(bool an);
    void belegFokussieren();

    // The raw fields, for the importer and the window's tests.
    QLineEdit *belegFeld() const { return m_beleg; }
    QLineEdit *datumFeld() const { return m_datum; }
    QComboBox *empfaengerFeld() const { return m_empfaenger; }
    ZweispaltenCombo *artFeld() const { return m_artListe; }
    QLineEdit *rechnungFeld() const { return m_rechnung; }
    QLineEdit *versicherungFeld() const { return m_versicherung; }
    QComboBox *arztFeld() const { return m_arzt; }

    // Selects a field's text when it gets the focus (up to laenge characters).
    static void markierenBeimBetreten(QObject *kontext, QWidget *w, int laenge);
    // Strg+Z takes back the typing in a field; with none to take back it is
    // the window's (the last change of the receipts): true for the override
    // event a field must then not see.
    static bool rueckgaengigDemFenster(QWidget *w, QEvent *ereignis);

Q_SIGNALS:
    void aerztelisteBearbeiten();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void verlassen(QWidget *feld);
    // The tool tips of the amount fields name the receipt's currency.
    void betraegeErklaeren(bool euro);

    Hauptform &m_hauptform;
    // The picture link of the receipt shown with "Bearbeiten", kept by "Ändern".
    QString m_belegdatei;
    QString m_befunde;
    double m_kuerzung = 0;
    QLineEdit *m_beleg = nullptr;
    QLineEdit *m_datum = nullptr;
    QComboBox *m_empfaenger = nullptr;
    ZweispaltenCombo *m_artListe = nullptr;
    QLabel *m_artLabel = nullptr;
    QLineEdit *m_rechnung = nullptr;
    QLineEdit *m_versicherung = nullptr;
    QLineEdit *m_erstattung = nullptr;
    QLineEdit *m_erstattungV = nullptr;
    QCheckBox *m_euro = nullptr;
    QLineEdit *m_rechnungsnummer = nullptr;
    QLineEdit *m_faelligam = nullptr;
    QLineEdit *m_bezahltam = nullptr;
    QComboBox *m_arzt = nullptr;
};

#pragma once

#include "addresses/Adressbestand.h"
#include "addresses/Datenleiste.h"
#include "shell/Maske.h"

#include <QHash>

class Adressliste;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableView;
class QToolButton;

// The personal address book: one address at a time in the detail view, or
// all of them in the list view. Edits of the shown address are written
// when the user moves to another address, lists them, starts a new one,
// leaves the screen or ends the program.
class Adressenform : public Maske
{
    Q_OBJECT
public:
    explicit Adressenform(Hauptform &hauptform);

    const Adressbestand &bestand() const { return m_bestand; }
    bool listenansicht() const;

    void Neu_Knopf_Click();
    void Sichern_Knopf_Click();
    void Rueckgaengig_Knopf_Click();
    void Loeschen_Knopf_Click();
    void Listen_Knopf_Click();
    void Kopieren_Knopf_Click();
    void Nav_Knopf_Click(int index);
    void Daten_Click(Datenleiste::Schritt schritt);

    // Writes the edits of the shown address, or the new address being
    // typed; false (after telling the user) when that failed.
    bool ausstehendeSichern();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *detailansichtBauen();
    QLineEdit *eingabe(const QString &name, const QString &tipp);
    Adresse eingaben() const;
    bool geaendert() const;
    bool sichernMitMeldung();
    void anzeigen(int position);
    void knoepfeSetzen();
    void eingabeBegonnen();
    void gehe(int position);
    void listeGewaehlt(int zeile);
    void fehlerMelden(const QString &was, const QString &fehler);

    Adressbestand m_bestand;
    Adressliste *m_liste = nullptr;
    int m_position = -1;  // the shown address; while a new one is typed, the one shown before
    bool m_neu = false;   // a new address is being typed
    bool m_fuellen = false;

    QStackedWidget *m_ansichten = nullptr;
    QTableView *m_tabelle = nullptr;
    QComboBox *m_anrede = nullptr;
    QPlainTextEdit *m_bemerkungen = nullptr;
    QHash<QString, QLineEdit *> m_felder;
    QPushButton *m_sichern = nullptr;
    QPushButton *m_loeschen = nullptr;
    QPushButton *m_listeKnopf = nullptr;
    Datenleiste *m_daten = nullptr;
};

#pragma once

#include "print/Aufwendungsseiten.h"
#include "print/Layoutinterpreter.h"

#include <QDialog>
#include <QList>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class Aufwendungen;
class Druckerwahl;
class Hauptform;
class Rechnungspositionen;

// The expense print dialog: the expense list and the related pages of the
// form kind, block by block when there are more receipts than fit on a
// page, and one list per person for the private insurer; on the printer or
// in the preview. Modal; it stays loaded when it is closed.
class Druckvorschau;

class Druckfunktion : public QDialog
{
    Q_OBJECT
public:
    Druckfunktion(Hauptform &hauptform, Druckerwahl *druckerwahl, QWidget *parent = nullptr);

    // Fills the page list and the buttons from the receipts and the
    // catalogue entry, and centres the dialog. Runs each time it is shown.
    void aktivieren();

    QPushButton *Drucken_Knopf(int index) const { return m_knoepfe.value(index); }
    QComboBox *Belege() const { return m_belege; }
    QLineEdit *Bereich() const { return m_bereich; }
    QCheckBox *Querformat() const { return m_querformat; }
    QLabel *pKVP() const { return m_pkvp; }

    // The value of a receipt attribute for the receipt, "~" for none.
    QString Aufwendungswert(const QString &name, int nummer) const;

    // A click on Drucken_Knopf(index). False when a page could not be put out.
    bool Drucken_Knopf_Click(int index);
    void Abbrechen_Knopf_Click();
    // "Als PDF zum Einreichen…": the application with the receipts' pictures
    // in one PDF file. False when nothing was written.
    bool Paket_Knopf_Click();
    // The file proposed for it: today's date in the documents folder.
    static QString paketvorschlag();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void aufbauen();
    void zentrieren();
    Aufwendungen *ledger() const;
    const Rechnungspositionen &tabelle() const;
    bool antragInEuro() const;
    bool pflegeantrag() const;
    // One page with the current Bereich, Querformat and pKVP; the receipts
    // of the chosen block, or those of the given range.
    bool seiteAusgeben(std::optional<Aufwendungsseiten::Bereich> bereich = std::nullopt);
    bool drucken(Druckauftrag auftrag);
    bool Vorschau(const Druckauftrag &auftrag);

    Hauptform &m_hauptform;
    Druckerwahl *m_druckerwahl;
    QList<QPushButton *> m_knoepfe;
    QProgressBar *m_progress = nullptr;
    QComboBox *m_belege = nullptr;
    QCheckBox *m_bildschirm = nullptr;
    QCheckBox *m_nurInhalte = nullptr;
    QLineEdit *m_bereich = nullptr;
    QCheckBox *m_querformat = nullptr;
    QLabel *m_pkvp = nullptr;
    QPushButton *m_paket = nullptr;
    QString m_dateizusatz; // page of a person's list after the first
    // While the lists of all persons go to the screen: the one preview
    // window that collects their pages, and how many it holds.
    Druckvorschau *m_sammelvorschau = nullptr;
    int m_gesammelt = 0;
};

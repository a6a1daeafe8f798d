#pragma once

#include "ledger/Rechnungsposition.h"
#include "receipts/Beleg.h"

#include <QDialog>
#include <QImage>
#include <QList>

#include <functional>

class Belegbild;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class ZweispaltenCombo;

// "Beleg prüfen": the page picture of a read invoice beside the values read
// from it, editable; "Übernehmen" hands the receipt to the ledger, which
// checks it as "Hinzufügen" does and keeps the dialog open when it refuses.
class Belegpruefung : public QDialog
{
    Q_OBJECT
public:
    // One read file: the reading result or the reason it failed, and its pages.
    struct Lesung
    {
        QString datei;
        receipts::Beleg beleg;
        bool gelesen = false;
        QString fehler;
        QList<QImage> seiten;
    };
    using Uebernahme = std::function<bool(const Rechnungsposition &)>;

    Belegpruefung(const Lesung &lesung, const Rechnungsposition &vorschlag, const QStringList &arten,
                  Uebernahme uebernahme, QWidget *parent = nullptr);

    // The receipt as the fields stand (with the findings of the proposal).
    Rechnungsposition position() const;

private:
    void uebernehmen();

    Rechnungsposition m_vorschlag;
    Uebernahme m_uebernahme;
    Belegbild *m_bild = nullptr;
    QLineEdit *m_datum = nullptr;
    QLineEdit *m_rechnung = nullptr;
    QLineEdit *m_arzt = nullptr;
    QLineEdit *m_rechnungsnummer = nullptr;
    QLineEdit *m_faelligam = nullptr;
    QComboBox *m_empfaenger = nullptr;
    ZweispaltenCombo *m_art = nullptr;
    QListWidget *m_befunde = nullptr;
};

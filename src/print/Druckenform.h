#pragma once

#include "print/Layoutinterpreter.h"
#include "shell/Maske.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class Druckerwahl;

// The print dialog: prints the front and back page of the application, in
// the ordinary or the permanent-care edition, only the changes or complete,
// on the printer or in the preview. Its answers and options live in the main
// window's shared field controls.
class Druckenform : public Maske
{
    Q_OBJECT
public:
    Druckenform(Hauptform &hauptform, Druckerwahl &druckerwahl, QWidget *parent = nullptr);

    void aktivieren() override;

    QPushButton *Drucken_Knopf(int index) const { return m_knoepfe.value(index); }
    QLineEdit *Bereich() const { return m_bereich; }
    QCheckBox *Querformat() const { return m_querformat; }
    QLabel *komplett() const { return m_komplett; }

    // A click on Drucken_Knopf(index). False when nothing could be printed.
    bool Drucken_Knopf_Click(int index);
    void Heute_Knopf_Click();

private:
    void aufbauen();
    bool Antrag_drucken(Druckauftrag auftrag);
    bool vorschauZeigen(Druckauftrag auftrag);
    Druckauftrag auftragAnlegen();

    Druckerwahl &m_druckerwahl;
    QList<QPushButton *> m_knoepfe;
    QLineEdit *m_datum = nullptr;
    QLineEdit *m_gueltigkeit = nullptr;
    QCheckBox *m_erstantrag = nullptr;
    QCheckBox *m_aenderungen = nullptr;
    QLineEdit *m_offset = nullptr;
    QCheckBox *m_vorschau = nullptr;
    QCheckBox *m_euroformular = nullptr;
    QComboBox *m_druckerliste = nullptr;
    QProgressBar *m_progress = nullptr;
    QLineEdit *m_bereich = nullptr;
    QCheckBox *m_querformat = nullptr;
    QLabel *m_komplett = nullptr;
};

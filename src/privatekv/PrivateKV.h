#pragma once

#include "privatekv/Memodateien.h"
#include "privatekv/Versicherungsdaten.h"
#include "shell/Maske.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The private health insurance of the seven persons: one person at a time
// in the input boxes, chosen with the person buttons. The values live in
// hidden tagged holders (one label per field and person) that the field
// store reads and fills; the input boxes only show and edit the selected
// person's holders. Each person's memo is kept in a file of its own.
class PrivateKV : public Maske
{
    Q_OBJECT
public:
    explicit PrivateKV(Hauptform &hauptform);

    // Shows person n (0 applicant, 1 spouse, 2-6 the children).
    void PKnopf_Click(int person);
    // Takes the applicant's insurer data over for the shown person (not the
    // first name, the birth date or the memo).
    void Kopieren_Knopf_Click();
    // Prints the shown person's data sheet on the current printer.
    void Drucken_Knopf_Click();
    // Writes the seven memo files; false and the failed files in fehler.
    bool memosSchreiben(QString *fehler);

    int person() const { return m_person; }
    QString memo(int person) const { return m_memos.at(person); }
    QLabel *halter(int feld, int person) const { return m_halter.at(feld).at(person); }

private:
    void aufbauen();

    std::array<std::array<QLabel *, Versicherungsdaten::Personen>, Versicherungsdaten::Felder> m_halter{};
    std::array<QLineEdit *, Versicherungsdaten::Felder> m_eingabe{};
    std::array<QPushButton *, Versicherungsdaten::Personen> m_knoepfe{};
    Memodateien::Memos m_memos;
    int m_person = 0;
    QGroupBox *m_daten = nullptr;
    QPlainTextEdit *m_memofeld = nullptr;
    QPushButton *m_kopieren = nullptr;
    QPushButton *m_drucken = nullptr;
};

#pragma once

#include "shell/Maske.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// Personal and service data, spouse, bank account, employment, leave and the
// six percentages. The percentages, the academic title and the civil-servant
// box are views of the main window's shared controls; hidden derived boxes
// turn the answers into the separate yes/no and dated boxes of the printed
// form.
class Hauptdaten : public Maske
{
    Q_OBJECT
public:
    explicit Hauptdaten(Hauptform &hauptform);
    void aktivieren() override;

    // The rules, each over the current state of the controls.
    void Familienstand_Click();
    void Statusdatum_anwenden();
    void Berufstaetig_anwenden();
    void OeffentlicherDienst_anwenden();
    void keinBeamter_Click();
    void vor1999_Click();
    void Vollbeschaeftigung_setzen(bool ja);
    void Bezuege_setzen(bool ja);
    // Shows what is wrong with the IBAN or BIC, or nothing.
    void Bankhinweis_anwenden();

private:
    QLineEdit *textfeld(const char *name, int index = -1) const;
    QCheckBox *haken(const char *name, int index = -1) const;
    void bankPruefungAnbieten(QGroupBox *bank);

    QComboBox *m_familienstand = nullptr;
    QLineEdit *m_seit = nullptr;
    QGroupBox *m_ehegatte = nullptr;
    QLabel *m_bkInfo = nullptr;
    QLabel *m_bankHinweis = nullptr;
    std::array<QLabel *, 3> m_person{};
};

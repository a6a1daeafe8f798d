#pragma once

#include "shell/Maske.h"

class QPlainTextEdit;

// The editor of the doctors list arzt.txt.
class Aerzteform : public Maske
{
    Q_OBJECT
public:
    explicit Aerzteform(Hauptform &hauptform, QWidget *parent = nullptr);

    // Fills the editor from arzt.txt.
    void neuLaden();
    void Speichern_Knopf_Click();
    void Ende_Knopf_Click();

protected:
    // Each opening shows the file afresh; switching to another window and
    // back keeps what was typed.
    void showEvent(QShowEvent *event) override;

private:
    QString pfad() const;
    QPlainTextEdit *m_inhalt = nullptr;
};

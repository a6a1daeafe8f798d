#pragma once

#include "shell/Maske.h"

class QPlainTextEdit;

// The editor of the doctors list arzt.txt.
class Aerzteform : public Maske
{
    Q_OBJECT
public:
    explicit Aerzteform(Hauptform &hauptform, QWidget *parent = nullptr);

    void aktivieren() override;
    void Speichern_Knopf_Click();
    void Ende_Knopf_Click();

private:
    QString pfad() const;
    QPlainTextEdit *m_inhalt = nullptr;
};

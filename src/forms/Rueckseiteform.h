#pragma once

#include "shell/Maske.h"

class QStackedWidget;

// The answers to the back page of the application, in six sections of which
// one is shown at a time. Yes/no answers are exclusive groups; the accident
// section leads to the accident report.
class Rueckseiteform : public Maske
{
    Q_OBJECT
public:
    explicit Rueckseiteform(Hauptform &hauptform);

    // Shows section n (0 to 5) and hides the others.
    void Abschnitt_zeigen(int n);
    void Unfallbericht_Knopf_Click();

private:
    QStackedWidget *m_abschnitte = nullptr;
};

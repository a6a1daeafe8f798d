#pragma once

#include "print/Fortschritt.h"

class QProgressBar;

// A form's progress bar as the progress of a print run. Sichtbarkeit::Lauf
// shows the bar only while a page is drawn; Immer leaves it in view after
// the run. A missing bar is ignored.
class Fortschrittsbalken : public Fortschritt
{
public:
    enum class Sichtbarkeit { Lauf, Immer };
    Fortschrittsbalken(QProgressBar *balken, Sichtbarkeit sichtbarkeit);

    void beginnen(int maximum) override;
    void setzen(int wert) override;
    void beenden() override;

private:
    QProgressBar *m_balken;
    Sichtbarkeit m_sichtbarkeit;
};

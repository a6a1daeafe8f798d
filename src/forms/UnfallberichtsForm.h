#pragma once

#include "forms/Nebenantragsmaske.h"

// The accident report: the injured person, time and place, the other party,
// police report and proceedings (each a yes/no pair), witnesses, injuries.
class UnfallberichtsForm : public Nebenantragsmaske
{
    Q_OBJECT
public:
    explicit UnfallberichtsForm(Hauptform &hauptform);
};

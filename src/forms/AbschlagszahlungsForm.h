#pragma once

#include "forms/Nebenantragsmaske.h"

// The application for a partial payment of hospital or dialysis costs: the
// sick person, the costs, and how the payment is to be made.
class AbschlagszahlungsForm : public Nebenantragsmaske
{
    Q_OBJECT
public:
    explicit AbschlagszahlungsForm(Hauptform &hauptform);
};

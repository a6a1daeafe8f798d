#pragma once

#include "shell/Maske.h"

// Details of permanent care: the person in care, how the care is given, the
// carers and interruptions. Part of the field file like the back page.
class DauerndePflegeForm : public Maske
{
    Q_OBJECT
public:
    explicit DauerndePflegeForm(Hauptform &hauptform);
};

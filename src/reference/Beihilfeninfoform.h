#pragma once

#include "shell/Maske.h"

// The reference menu: every fee schedule, law, regulation and directory of
// the reference library behind one button each.
class Beihilfeninfoform : public Maske
{
    Q_OBJECT
public:
    explicit Beihilfeninfoform(Hauptform &hauptform);
    QSize sizeHint() const override;
};

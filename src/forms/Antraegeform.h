#pragma once

#include "shell/Maske.h"

// "Weitere Anträge": chooses one of the three side applications kept in
// files of their own.
class Antraegeform : public Maske
{
    Q_OBJECT
public:
    explicit Antraegeform(Hauptform &hauptform);

    // Element 0 accident report, 1 partial payment, 2 advance.
    void Wahl_Knopf_Click(int index);
};

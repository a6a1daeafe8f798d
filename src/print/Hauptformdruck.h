#pragma once

#include "print/Layoutinterpreter.h"

#include <QString>

class Hauptform;

// The main window's print run for the side applications: a fixed layout
// name, the side applications' fields, always portrait, on the current
// printer, with the main window's progress bar.
class Hauptformdruck
{
public:
    // Prints the layout; nothing happens (and false) while the side
    // applications' field table is empty. Failures are shown to the user.
    static bool drucken(Hauptform &hauptform, const QString &layout);
    // The job the run uses, for callers that draw elsewhere.
    static Druckauftrag auftrag(Hauptform &hauptform, const QString &layout);
};

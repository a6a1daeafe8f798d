#pragma once

#include "forms/Versicherungsmaske.h"

// Long-term care insurance of the seven persons and the employer's subsidy.
class Pflegeversicherungsform : public Versicherungsmaske
{
    Q_OBJECT
public:
    explicit Pflegeversicherungsform(Hauptform &hauptform);

protected:
    QString tipp(const QString &spalte, int i) const override;
};

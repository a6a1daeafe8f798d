#pragma once

#include "forms/Versicherungsmaske.h"

// Health insurance of the seven persons and the employer's subsidy.
class Versicherungsform : public Versicherungsmaske
{
    Q_OBJECT
public:
    explicit Versicherungsform(Hauptform &hauptform);

protected:
    QString tipp(const QString &spalte, int i) const override;
};

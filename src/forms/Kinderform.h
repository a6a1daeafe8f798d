#pragma once

#include "shell/Maske.h"

#include <QColor>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

// Up to five children: name, birth date, child benefit, family allowance,
// period of entitlement and other persons entitled, and who receives the
// increased rate. The family-allowance question is hidden while child
// benefit is paid; the hint that belongs to the focused input lights up.
class Kinderform : public Maske
{
    Q_OBJECT
public:
    static constexpr int Kinder = 5;

    explicit Kinderform(Hauptform &hauptform);
    void aktivieren() override;

    // Child benefit of row i answered yes (ja) or no.
    void Kindergeld_setzen(int i, bool ja);
    // Lights or dims hint n.
    void Hinweis_setzen(int n, bool hell);

private:
    QCheckBox *haken(const char *name, int i) const;

    std::array<QLabel *, 4> m_info{};
    QColor m_farbe1; // normal background of the hints
    QColor m_farbe2; // lit hint
};

#include "print/Fortschrittsbalken.h"

#include <QProgressBar>
#include <algorithm>

Fortschrittsbalken::Fortschrittsbalken(QProgressBar *balken, Sichtbarkeit sichtbarkeit)
    : m_balken(balken)
    , m_sichtbarkeit(sichtbarkeit)
{
}

void Fortschrittsbalken::beginnen(int maximum)
{
    if (!m_balken)
        return;
    m_balken->setRange(0, std::max(maximum, 1));
    m_balken->setValue(0);
    if (m_sichtbarkeit == Sichtbarkeit::Lauf)
        m_balken->show();
}

void Fortschrittsbalken::setzen(int wert)
{
    if (m_balken)
        m_balken->setValue(wert);
}

void Fortschrittsbalken::beenden()
{
    if (m_balken && m_sichtbarkeit == Sichtbarkeit::Lauf)
        m_balken->hide();
}

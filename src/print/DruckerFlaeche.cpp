#include "print/DruckerFlaeche.h"

#include "print/Druckeranschluss.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

DruckerFlaeche::DruckerFlaeche(Druckeranschluss *anschluss, const QString &druckername, const QString &auftragsname)
    : m_anschluss(anschluss)
    , m_druckername(druckername)
{
    if (!m_anschluss)
        return;
    Seitenflaeche::setOrientation(m_anschluss->drucker()->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1);
    m_anschluss->setAuftragsname(auftragsname);
}

DruckerFlaeche::~DruckerFlaeche()
{
    if (m_maler.isActive())
        m_maler.end();
}

void DruckerFlaeche::setOrientation(int orientierung)
{
    Seitenflaeche::setOrientation(orientierung);
    if (m_anschluss && !m_maler.isActive() && (orientierung == 1 || orientierung == 2))
        m_anschluss->drucker()->setPageOrientation(orientierung == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QPainter *DruckerFlaeche::maler()
{
    if (m_maler.isActive())
        return &m_maler;
    if (m_fertig)
        return nullptr;
    if (m_anschluss)
        m_anschluss->setGanzeSeite();
    if (!m_anschluss || !m_maler.begin(m_anschluss->drucker())) {
        m_fertig = true;
        setFehler(QStringLiteral("Der Drucker \"%1\" lässt sich nicht ansprechen.").arg(m_druckername));
        return nullptr;
    }
    setMaler(&m_maler);
    return &m_maler;
}

bool DruckerFlaeche::abschliessen()
{
    if (!m_maler.isActive() && !m_fertig)
        maler();
    if (!m_maler.isActive())
        return false;
    const bool ok = m_maler.end();
    setMaler(nullptr);
    m_fertig = true;
    if (!ok || m_anschluss->fehlgeschlagen()) {
        setFehler(QStringLiteral("Der Drucker \"%1\" hat die Seite nicht angenommen.").arg(m_druckername));
        return false;
    }
    return true;
}

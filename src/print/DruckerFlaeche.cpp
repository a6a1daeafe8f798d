#include "print/DruckerFlaeche.h"

#include <QPageLayout>
#include <QPrinter>

DruckerFlaeche::DruckerFlaeche(QPrinter &drucker, const QString &auftragsname)
    : m_drucker(drucker)
{
    Seitenflaeche::setOrientation(drucker.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1);
    m_drucker.setDocName(auftragsname);
}

DruckerFlaeche::~DruckerFlaeche()
{
    if (m_maler.isActive())
        m_maler.end();
}

void DruckerFlaeche::setOrientation(int orientierung)
{
    Seitenflaeche::setOrientation(orientierung);
    if (!m_maler.isActive() && (orientierung == 1 || orientierung == 2))
        m_drucker.setPageOrientation(orientierung == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QPainter *DruckerFlaeche::maler()
{
    if (m_maler.isActive())
        return &m_maler;
    if (m_fertig)
        return nullptr;
    m_drucker.setFullPage(true);
    if (!m_maler.begin(&m_drucker)) {
        m_fertig = true;
        setFehler(QStringLiteral("Der Drucker \"%1\" lässt sich nicht ansprechen.").arg(m_drucker.printerName()));
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
    if (!ok || m_drucker.printerState() == QPrinter::Error) {
        setFehler(QStringLiteral("Der Drucker \"%1\" hat die Seite nicht angenommen.").arg(m_drucker.printerName()));
        return false;
    }
    return true;
}

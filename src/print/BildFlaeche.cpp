#include "print/BildFlaeche.h"

#include <QDir>
#include <QSaveFile>

BildFlaeche::BildFlaeche(int dpi, const QString &datei, int druckerDpi)
    : m_dpi(std::clamp(dpi, 10, 1200))
    , m_datei(datei)
{
    if (druckerDpi > 0)
        setStrichfaktor(double(m_dpi) / druckerDpi);
}

BildFlaeche::~BildFlaeche()
{
    if (m_maler.isActive())
        m_maler.end();
}

QPainter *BildFlaeche::maler()
{
    if (m_maler.isActive())
        return &m_maler;
    if (m_fertig)
        return nullptr;
    const double breite = orientation() == 2 ? 297.0 : 210.0;
    const double hoehe = orientation() == 2 ? 210.0 : 297.0;
    m_bild = QImage(qRound(breite / 25.4 * m_dpi), qRound(hoehe / 25.4 * m_dpi), QImage::Format_RGB32);
    const int dpm = qRound(m_dpi / 0.0254);
    m_bild.setDotsPerMeterX(dpm);
    m_bild.setDotsPerMeterY(dpm);
    m_bild.fill(Qt::white);
    if (!m_maler.begin(&m_bild))
        return nullptr;
    setMaler(&m_maler);
    return &m_maler;
}

bool BildFlaeche::abschliessen()
{
    if (!m_maler.isActive() && !m_fertig)
        maler();
    if (m_maler.isActive())
        m_maler.end();
    setMaler(nullptr);
    m_fertig = true;
    if (m_datei.isEmpty())
        return true;
    QSaveFile datei(m_datei);
    if (!datei.open(QIODevice::WriteOnly) || !m_bild.save(&datei, "PNG") || !datei.commit()) {
        setFehler(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                      .arg(QDir::toNativeSeparators(m_datei), datei.errorString()));
        return false;
    }
    return true;
}

#include "print/PdfFlaeche.h"

PdfFlaeche::PdfFlaeche(const QString &datei, const QString &titel)
    : m_datei(datei, titel)
{
}

PdfFlaeche::~PdfFlaeche() = default;

QPainter *PdfFlaeche::maler()
{
    if (m_datei.istOffen())
        return m_datei.maler();
    if (m_gescheitert || m_begonnen)
        return nullptr;
    m_begonnen = true;
    QString fehler;
    if (!m_datei.oeffnen(orientation() == 2, &fehler)) {
        setFehler(fehler);
        m_gescheitert = true;
        return nullptr;
    }
    setMaler(m_datei.maler());
    return m_datei.maler();
}

bool PdfFlaeche::abschliessen()
{
    if (!m_datei.istOffen() && !m_gescheitert)
        maler(); // an empty page is still a page
    if (m_gescheitert)
        return false;
    setMaler(nullptr);
    QString fehler;
    const bool ok = m_datei.schreiben(&fehler);
    if (!ok)
        setFehler(fehler);
    m_gescheitert = true; // one page per surface
    return ok;
}

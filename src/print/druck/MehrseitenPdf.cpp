#include "print/druck/MehrseitenPdf.h"

MehrseitenPdf::MehrseitenPdf(const QString &datei, const QString &titel)
    : m_datei(datei, titel)
{
}

MehrseitenPdf::~MehrseitenPdf() = default;

QPainter *MehrseitenPdf::maler()
{
    if (m_gescheitert)
        return nullptr;
    if (m_seiteOffen)
        return m_datei.maler();
    if (!m_datei.istOffen()) {
        QString fehler;
        if (!m_datei.oeffnen(false, &fehler)) {
            setFehler(fehler);
            m_gescheitert = true;
            return nullptr;
        }
    } else {
        m_datei.neueSeite();
    }
    m_seiteOffen = true;
    ++m_seiten;
    setMaler(m_datei.maler());
    return m_datei.maler();
}

bool MehrseitenPdf::abschliessen()
{
    if (!m_seiteOffen)
        maler(); // an empty page is still a page
    m_seiteOffen = false;
    return !m_gescheitert;
}

bool MehrseitenPdf::fertig()
{
    if (m_gescheitert)
        return false;
    if (!m_datei.istOffen())
        maler();
    setMaler(nullptr);
    QString fehler;
    if (!m_datei.schreiben(&fehler)) {
        setFehler(fehler);
        m_gescheitert = true;
        return false;
    }
    m_gescheitert = true; // written
    return true;
}

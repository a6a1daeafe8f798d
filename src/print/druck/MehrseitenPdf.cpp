#include "print/druck/MehrseitenPdf.h"

#include "print/PdfFlaeche.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

MehrseitenPdf::MehrseitenPdf(const QString &datei, const QString &titel)
    : m_datei(datei)
    , m_titel(titel)
{
}

MehrseitenPdf::~MehrseitenPdf()
{
    if (m_maler.isActive())
        m_maler.end();
    if (m_ausgabe)
        m_ausgabe->cancelWriting();
}

QPainter *MehrseitenPdf::maler()
{
    if (m_gescheitert)
        return nullptr;
    if (m_seiteOffen)
        return &m_maler;
    if (!m_schreiber) {
        m_ausgabe = std::make_unique<QSaveFile>(m_datei);
        if (!m_ausgabe->open(QIODevice::WriteOnly)) {
            setFehler(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                          .arg(QDir::toNativeSeparators(m_datei), m_ausgabe->errorString()));
            m_gescheitert = true;
            return nullptr;
        }
        m_schreiber = std::make_unique<QPdfWriter>(m_ausgabe.get());
        m_schreiber->setResolution(PdfFlaeche::Aufloesung);
        m_schreiber->setCreator(QStringLiteral("Velmora"));
        if (!m_titel.isEmpty())
            m_schreiber->setTitle(m_titel);
        m_schreiber->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                               QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        if (!m_maler.begin(m_schreiber.get())) {
            setFehler(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.")
                          .arg(QDir::toNativeSeparators(m_datei)));
            m_gescheitert = true;
            return nullptr;
        }
    } else {
        m_schreiber->newPage();
    }
    m_seiteOffen = true;
    ++m_seiten;
    setMaler(&m_maler);
    return &m_maler;
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
    if (!m_schreiber)
        maler();
    m_maler.end();
    setMaler(nullptr);
    if (!m_ausgabe || !m_ausgabe->commit()) {
        setFehler(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(m_datei)));
        m_gescheitert = true;
        return false;
    }
    m_gescheitert = true; // written
    return true;
}

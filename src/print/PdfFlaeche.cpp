#include "print/PdfFlaeche.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

PdfFlaeche::PdfFlaeche(const QString &datei, const QString &titel)
    : m_datei(datei)
    , m_titel(titel)
{
}

PdfFlaeche::~PdfFlaeche()
{
    if (m_maler.isActive())
        m_maler.end();
    if (m_ausgabe)
        m_ausgabe->cancelWriting();
}

QPainter *PdfFlaeche::maler()
{
    if (m_maler.isActive())
        return &m_maler;
    if (m_gescheitert || m_schreiber)
        return nullptr;
    m_ausgabe = std::make_unique<QSaveFile>(m_datei);
    if (!m_ausgabe->open(QIODevice::WriteOnly)) {
        setFehler(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                      .arg(QDir::toNativeSeparators(m_datei), m_ausgabe->errorString()));
        m_gescheitert = true;
        return nullptr;
    }
    m_schreiber = std::make_unique<QPdfWriter>(m_ausgabe.get());
    m_schreiber->setResolution(Aufloesung);
    m_schreiber->setCreator(QStringLiteral("Velmora"));
    if (!m_titel.isEmpty())
        m_schreiber->setTitle(m_titel);
    m_schreiber->setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                           orientation() == 2 ? QPageLayout::Landscape : QPageLayout::Portrait,
                                           QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    if (!m_maler.begin(m_schreiber.get())) {
        setFehler(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(m_datei)));
        m_gescheitert = true;
        return nullptr;
    }
    setMaler(&m_maler);
    return &m_maler;
}

bool PdfFlaeche::abschliessen()
{
    if (!m_maler.isActive() && !m_gescheitert)
        maler(); // an empty page is still a page
    if (m_gescheitert)
        return false;
    m_maler.end();
    setMaler(nullptr);
    if (!m_ausgabe->commit()) {
        setFehler(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                      .arg(QDir::toNativeSeparators(m_datei), m_ausgabe->errorString()));
        m_gescheitert = true;
        return false;
    }
    m_gescheitert = true; // one page per surface
    return true;
}

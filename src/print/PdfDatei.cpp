#include "print/PdfDatei.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

PdfDatei::PdfDatei(const QString &datei, const QString &titel)
    : m_datei(datei)
    , m_titel(titel)
{
}

PdfDatei::~PdfDatei()
{
    if (m_maler.isActive())
        m_maler.end();
    if (m_ausgabe)
        m_ausgabe->cancelWriting();
}

bool PdfDatei::oeffnen(bool querformat, QString *fehler)
{
    m_ausgabe = std::make_unique<QSaveFile>(m_datei);
    if (!m_ausgabe->open(QIODevice::WriteOnly)) {
        *fehler = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                      .arg(QDir::toNativeSeparators(m_datei), m_ausgabe->errorString());
        return false;
    }
    m_schreiber = std::make_unique<QPdfWriter>(m_ausgabe.get());
    einrichten(*m_schreiber, m_titel, querformat);
    if (!m_maler.begin(m_schreiber.get())) {
        *fehler = QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(m_datei));
        return false;
    }
    return true;
}

void PdfDatei::neueSeite()
{
    m_schreiber->newPage();
}

bool PdfDatei::schreiben(QString *fehler)
{
    m_maler.end();
    if (!m_ausgabe || !m_ausgabe->commit()) {
        *fehler = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                      .arg(QDir::toNativeSeparators(m_datei), m_ausgabe ? m_ausgabe->errorString() : QString());
        return false;
    }
    return true;
}

QPageLayout PdfDatei::blatt(bool querformat)
{
    return QPageLayout(QPageSize(QPageSize::A4), querformat ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void PdfDatei::einrichten(QPdfWriter &schreiber, const QString &titel, bool querformat)
{
    schreiber.setResolution(Aufloesung);
    schreiber.setCreator(QStringLiteral("Velmora"));
    if (!titel.isEmpty())
        schreiber.setTitle(titel);
    schreiber.setPageLayout(blatt(querformat));
}

#pragma once

#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <memory>

class QPdfWriter;

// An A4 PDF file at 600 dpi being written: the file is replaced completely
// when it is committed, or left as it was. The page has no margins; the
// painter's origin is the sheet's top-left corner.
class PdfDatei
{
public:
    static constexpr int Aufloesung = 600;

    PdfDatei(const QString &datei, const QString &titel);
    ~PdfDatei(); // drops what was not committed

    // Opens the file and starts the painter on the first page; false and a
    // German message when that fails.
    bool oeffnen(bool querformat, QString *fehler);
    bool istOffen() const { return m_maler.isActive(); }
    QPainter *maler() { return &m_maler; }
    void neueSeite();
    // Ends the painter and replaces the file.
    bool schreiben(QString *fehler);

private:
    QString m_datei;
    QString m_titel;
    std::unique_ptr<QSaveFile> m_ausgabe;
    std::unique_ptr<QPdfWriter> m_schreiber;
    QPainter m_maler;
};

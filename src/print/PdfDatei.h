#pragma once

#include <QPageLayout>
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

    // A writer set up as these files are: 600 dpi, an A4 sheet without
    // margins, portrait or landscape, creator and title.
    static void einrichten(QPdfWriter &schreiber, const QString &titel, bool querformat);
    static QPageLayout blatt(bool querformat);

private:
    QString m_datei;
    QString m_titel;
    std::unique_ptr<QSaveFile> m_ausgabe;
    std::unique_ptr<QPdfWriter> m_schreiber;
    QPainter m_maler;
};

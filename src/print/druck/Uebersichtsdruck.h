#pragma once

#include <QDate>
#include <QString>

class Uebersicht;

// The overview of all applications as a list for the records: landscape
// A4 pages, one line per application with its state and sums, a total line
// and the open total at the end.
class Uebersichtsdruck
{
public:
    // Writes the PDF file completely or not at all; false and a German
    // message when it cannot be written.
    static bool pdf(const Uebersicht &uebersicht, const QDate &heute, const QString &datei, QString *fehler);
    // Application lines that fit on one page.
    static constexpr int ZeilenProSeite = 28;
};

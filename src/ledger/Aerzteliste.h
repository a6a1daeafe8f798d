#pragma once

#include <QStringList>
#include <optional>

// The doctors list "arzt.txt" of the data directory: one doctor or payee a
// line. Read as UTF-8 or, for files of the predecessor, Windows-1252.
class Aerzteliste
{
public:
    static inline const QString Dateiname = QStringLiteral("arzt.txt");

    // The lines of the file, empty ones included; nothing when the file is
    // missing, unreadable or empty.
    static std::optional<QStringList> lesen(const QString &pfad);
    // The editor's text: the lines, with CR LF between two lines once the
    // text is not empty, so leading empty lines are dropped.
    static QString editortext(const QStringList &zeilen);
    // Replaces the file with the editor's text and one final CR LF.
    static bool schreiben(const QString &pfad, const QString &inhalt, QString *fehler = nullptr);
};

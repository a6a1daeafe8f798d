#pragma once

#include <QByteArray>
#include <QString>

// Reading and writing the program's small text files. Files of the
// predecessor are Windows-1252; files written now are UTF-8 unless a peer
// (the Tarvik export) needs Windows-1252. Every write is atomic.
class TextFile
{
public:
    enum class Encoding { Utf8, Windows1252 };

    static QString decodeWindows1252(const QByteArray &bytes);
    static QByteArray encodeWindows1252(const QString &text);
    static bool isValidUtf8(const QByteArray &bytes);
    // UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise.
    static QString decodeAuto(const QByteArray &bytes);

    // Reads a whole file; false (and an error text) when it cannot be read.
    static bool read(const QString &path, QString *text, QString *error = nullptr);
    // Replaces the file atomically: either the complete new text is on disk,
    // or the old file is untouched.
    static bool write(const QString &path, const QString &text, Encoding encoding,
                      QString *error = nullptr);

    // Splits at CR LF, LF or a lone CR; a final line end gives no empty line.
    static QStringList lines(const QString &text);
    // The text with every line break (CR LF, CR, LF, NEL, U+2028, U+2029)
    // turned into one blank: what a one-line box or a one-line file entry
    // holds.
    static QString singleLine(const QString &text);
};

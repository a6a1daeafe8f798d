#pragma once

#include <QString>
#include <array>

// The free memos of the seven persons of the private-insurance screen, one
// file each beside the field file: "privateKVMemo0.txt" ... "privateKVMemo6.txt".
// A file holds the memo's lines separated by CR LF and one CR LF after the
// last; it is read as UTF-8 when valid and as Windows-1252 otherwise, and
// written as UTF-8, atomically. In memory a memo's lines are separated by
// "\n", as the memo box keeps them.
class Memodateien
{
public:
    static constexpr int Anzahl = 7;
    using Memos = std::array<QString, Anzahl>;

    static QString dateiname(int person);

    // The memo of one file; empty when it is missing or cannot be read.
    static QString lesen(const QString &pfad);
    // All seven memos of the data directory (empty or ending in "/").
    static Memos alleLesen(const QString &verzeichnis);

    // The file's text for a memo: its lines joined by CR LF, then CR LF.
    static QString dateitext(const QString &memo);
    // Writes all seven files; a file that cannot be written leaves its old
    // content and is named in fehler (with the reason), the others are
    // written all the same. False when any failed.
    static bool alleSchreiben(const QString &verzeichnis, const Memos &memos, QString *fehler = nullptr);
};

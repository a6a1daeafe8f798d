#pragma once

#include <QString>

// Bank account identifiers as the applicant types them: blanks anywhere,
// lower or upper case.

// The text without blanks, upper case.
QString ibanKompakt(const QString &text);
// True when the text is an IBAN: country letters, two check digits and up to
// 30 letters or digits (15 to 34 in all; 22 for Germany) whose check digits
// hold (the number read with A = 10 … Z = 35, rotated by four, leaves 1 when
// divided by 97).
bool ibanGueltig(const QString &text);
// An IBAN-shaped text (two letters, then letters and digits, at most 34) in
// groups of four: "DE89 3704 0044 0532 0130 00". Any other text (an old
// account number, a remark) comes back unchanged.
QString ibanFormatiert(const QString &text);
// True for a BIC: four letters (bank), two letters (country), two letters or
// digits (place) and optionally three letters or digits (branch).
bool bicGueltig(const QString &text);
// A short German hint what is wrong with the IBAN or BIC, empty when both
// are right or empty.
QString bankHinweis(const QString &iban, const QString &bic);

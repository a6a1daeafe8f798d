#pragma once

#include "print/Layoutzeile.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

class Aufzeichnungsflaeche;

// Checks of a drawn form page as an office would find fault with it, over
// what a recording surface kept (texts measured with the real font).
namespace formularpruefung {

// The printable part of an A4 sheet in sheet millimetres: 5 mm from every
// edge, which every office printer reaches.
constexpr double Rand = 5.0;
constexpr double BlattBreite = 210.0;
constexpr double BlattHoehe = 297.0;

// A text as it lands on the sheet: its ink box in sheet millimetres.
struct Textkasten
{
    QString text;
    double links, rechts, oben, unten;
};
QList<Textkasten> textkaesten(const Aufzeichnungsflaeche &flaeche);

// Texts, lines and grey areas outside the printable part.
QStringList ausserhalb(const Aufzeichnungsflaeche &flaeche);
// Texts crossed by a line (a frame, a column rule, a check box).
QStringList durchgestrichen(const Aufzeichnungsflaeche &flaeche);
// Texts that overlap each other.
QStringList ueberlappend(const Aufzeichnungsflaeche &flaeche);

// The words of a field content that name fields (blank, comma and "$"
// separate them).
QStringList feldwoerter(const QString &inhalt);

// Rows whose answer is wider than the room the row gives it (kinds 11-13
// and 21-23 with a width), with the answer the row prints for the values.
QStringList zuBreit(const Layout &layout, const std::function<QString(const QString &inhalt)> &antwort);

} // namespace formularpruefung

#pragma once

#include <QString>
#include <array>

// The catalogue entry of the chosen form kind, kept in memory between loads.
struct Katalogeintrag
{
    // Layout references: 0 Vorderseite, 1 Rückseite, 2 PVorderseite,
    // 3 PRückseite, 4 Aufwendungen, 5 Aufwendungen2, 6 Bescheid, 7 Verfügung,
    // 8 PAufwendungen, 9 PAufwendungen2, 10 PBescheid, 11 PVerfügung.
    std::array<QString, 12> Druckbereiche;
    qint16 AufwendungenAnzahl = 0;
    std::array<QString, 5> Titel;  // 1..4 used
    std::array<QString, 5> PTitel; // 1..4 used
};

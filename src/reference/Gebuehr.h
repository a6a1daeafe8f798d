#pragma once

#include <QString>

// One row of the table Gebühren.
struct Gebuehr
{
    QString go;
    QString goIndex;
    QString nummer;
    QString leistungstext;
    double punkte = 0.0;
    bool hatPunkte = false; // some surcharges are a percentage, without points
    QString schluessel;
    QString bestimmung;
};

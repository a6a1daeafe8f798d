#pragma once

#include <QVariant>
#include <QVector>

// One row of a layout as read from Antragsdruck/AntragsdruckEuro. The
// columns stay as stored (any type, or invalid for Null/missing); the
// interpreter decides what can be read.
struct Layoutzeile
{
    QVariant Art;
    QVariant x;
    QVariant y;
    QVariant BeginnY;
    QVariant Hoehe;
    QVariant Breite;
    QVariant Inhalt;
    QVariant Schriftgroesse;
    QVariant Schrifttyp;
};

using Layout = QVector<Layoutzeile>;

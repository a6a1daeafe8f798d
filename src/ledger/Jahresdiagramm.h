#pragma once

#include "ledger/Uebersicht.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <QVector>
#include <array>

class QFont;
class QPainter;

// The overview's bar chart of the years: per year one group of four bars
// (invoices, Beihilfe, insurance, own share) over a value axis with round
// steps, the years below, a legend at the bottom. It paints into any
// QPainter, so a widget, an image or a printed page show the same picture.
class Jahresdiagramm
{
public:
    static constexpr int Reihen = 4;

    struct Gruppe
    {
        QString beschriftung;
        std::array<double, Reihen> werte{};
    };

    // Ticks at von, von + schritt, ..., bis; 0 is always one of them.
    struct Achse
    {
        double von = 0;
        double bis = 100;
        double schritt = 20;
        QVector<double> werte() const;
    };

    static QString titel() { return QStringLiteral("Aufwendungen und Erstattungen je Jahr (Euro)"); }
    static QString reihenname(int reihe);
    static QColor farbe(int reihe);

    // The smallest step of 1, 2, 2.5 or 5 x 10^n (a whole number) that covers
    // kleinster..groesster and 0 in at most six steps; 0..100 for no range.
    static Achse achse(double kleinster, double groesster);
    // A tick label: whole euros, "." between thousands.
    static QString zahl(double wert);

    // The years in their order; receipts without a date (jahr 0) are left out.
    void setJahre(const QVector<Uebersicht::Jahr> &jahre);
    const QVector<Gruppe> &gruppen() const { return m_gruppen; }
    Achse achse() const;

    // Where the bars stand when the chart fills rahmen of the painter's device.
    QRectF flaeche(const QPainter &p, const QRectF &rahmen, const QFont &schrift) const;
    void zeichnen(QPainter &p, const QRectF &rahmen, const QFont &schrift) const;

private:
    struct Aufteilung;
    Aufteilung aufteilen(const QPainter &p, const QRectF &rahmen, const QFont &schrift) const;

    QVector<Gruppe> m_gruppen;
};

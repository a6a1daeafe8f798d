#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

// The printed forms ask for "Arial"; Velmora draws it with Liberation Sans,
// the metric-compatible face, loaded from its own files so that whatever the
// system's font configuration prefers, every surface uses the same face.
class Schriften
{
public:
    // Loads the Liberation Sans files once (needs a QGuiApplication).
    // False when they cannot be found; "Arial" then goes to the system.
    static bool einrichten();
    // The family to draw a font name with.
    static QString familie(const QString &fontName);
    // The font of a surface: family, points, weight; no hinting, so that a
    // text is equally wide on every device.
    static QFont schrift(const QString &fontName, double punkte, bool fett);
    // The same font measured in twips (1/1440 inch): its pixel size is the
    // point size times 20. Metrics of this font hold for every device, since
    // no device rounds its size; surfaces draw it through a scale.
    static QFont twipsSchrift(const QString &fontName, double punkte, bool fett);
    static constexpr double TwipsProMm = 1440.0 / 25.4;

    // The twips font and its metrics, kept once per name, size and weight
    // (pages switch fonts on almost every row).
    struct Twips
    {
        QFont schrift;
        QFontMetricsF metrik;
    };
    static const Twips &twips(const QString &fontName, double punkte, bool fett);
};

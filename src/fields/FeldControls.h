#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QWidget;
class Feldtabelle;
class Zusatzfeldtabelle;

// The widget side of the field store: tags, values and colours of the
// tagged controls of a screen, the screen fill and the collection.
class FeldControls
{
public:
    enum class Faerbung { Voll, NurNeue, Keine };

    // Gives a control its field tag (dynamic property "tag") and its place
    // in the creation order that the collection walks.
    static void setTag(QWidget *w, const QString &tag);
    static QString tag(const QWidget *w);
    // Control arrays: dynamic property "index".
    static void setIndex(QWidget *w, int index);
    static int index(const QWidget *w); // -1 when none

    // Tagged controls below root, in creation order.
    static QList<QWidget *> tagged(const QWidget *root);

    // "1" tags: the text (a label's caption); "2" tags: "0"/"1" for a check
    // box, "Wahr"/"Falsch" for an option button.
    static QString wert(const QWidget *w);
    // False when the control cannot take the value (it stays as it was).
    static bool setzeWert(QWidget *w, const QString &wert);
    static void setzeFarbe(QWidget *w, const QColor &farbe);
    static QColor farbe(const QWidget *w);

    // Screen fill: every row, in order, into every control with that tag.
    static void anzeigen(const QList<QWidget *> &controls, const Feldtabelle &tabelle);
    // Collection into the field table, with colouring.
    static void einlesen(const QList<QWidget *> &controls, Feldtabelle &tabelle, Faerbung faerbung,
                         const QColor &farbe1, const QColor &farbe2);
    // Collection of a side application into its own table (no colouring).
    static void einlesen(const QList<QWidget *> &controls, Zusatzfeldtabelle &tabelle);
};

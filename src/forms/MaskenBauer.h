#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <span>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

// The shared builder of the data-entry screens. A screen declares its inputs
// as a table of Feld lines; the builder makes the controls (name, tag, index,
// tool tip, length limit, input colour) and lays framed groups out line by
// line, so that all screens look and behave alike.
namespace masken {

enum class Art {
    Text,        // single-line text box
    Kasten,      // check box, its caption is `text`
    Liste,       // drop-down list (entries are added by the screen)
    Beschriftung // a label that starts a line; the controls after it follow on that line
};

enum class Zeile {
    Neu, // the control starts a new line of its group
    Dazu // the control follows on the line of the one before
};

struct Feld
{
    const char *name;       // objectName
    const char *tag = "";   // field tag; empty: not a field
    const char *text = "";  // label in front of a text box, caption of a check box
    const char *tipp = "";  // tool tip
    Art art = Art::Text;
    int laenge = 0;         // maximum length of a text box, 0: none
    int index = -1;         // element of a control array, -1: none
    Zeile zeile = Zeile::Neu;
    int breite = 0;         // shown width of a text box in characters, 0: as wide as there is room

    // On the line of the control before.
    constexpr Feld dazu() const
    {
        Feld f = *this;
        f.zeile = Zeile::Dazu;
        return f;
    }
    // A box as wide as n characters.
    constexpr Feld schmal(int n) const
    {
        Feld f = *this;
        f.breite = n;
        return f;
    }
    // Element i of a control array.
    constexpr Feld element(int i) const
    {
        Feld f = *this;
        f.index = i;
        return f;
    }
};

constexpr Feld text(const char *name, const char *tag, const char *label = "", const char *tipp = "", int laenge = 0)
{
    return Feld{name, tag, label, tipp, Art::Text, laenge};
}
constexpr Feld kasten(const char *name, const char *tag, const char *caption, const char *tipp = "")
{
    return Feld{name, tag, caption, tipp, Art::Kasten};
}
constexpr Feld liste(const char *name, const char *tag, const char *label, const char *tipp = "")
{
    return Feld{name, tag, label, tipp, Art::Liste};
}
constexpr Feld label(const char *text, const char *name = "")
{
    return Feld{name, "", text, "", Art::Beschriftung};
}

// Light yellow of every text input.
QColor eingabefarbe();

// A text box for a date; it gets a calendar (button and Alt+Down).
bool istDatum(const Feld &feld);

// Makes one control from its line (tag, index, tool tip, limit, colour).
// For the rows of a table, "%1" in the tag, the caption and the tool tip
// stands for the row's code (a child's number, a person's letter).
QWidget *erzeugen(const Feld &feld, QWidget *eltern, const QString &einsetzen = {});

// Lays the lines out into a grid: column 0 holds the label of a line, column
// 1 a row of its controls. Returns the number of grid rows used.
int zeilenLegen(QGridLayout *grid, std::span<const Feld> felder, QWidget *eltern, int ersteZeile = 0);

// A framed group with its lines laid out as zeilenLegen does.
QGroupBox *gruppe(const QString &titel, std::span<const Feld> felder, QWidget *eltern, const QString &name = {});

// A framed group that opens with a question and its answer boxes on one
// line across the whole width, followed by its lines as zeilenLegen lays them.
QGroupBox *frageGruppe(const QString &titel, const QString &frage, std::span<const Feld> antworten,
                       std::span<const Feld> felder, QWidget *eltern);

// A plain label; with umbruch its text wraps.
QLabel *beschriftung(const QString &text, QWidget *eltern, bool umbruch = false, const QString &name = {});

// Background of an input (text box) or of a label.
void hintergrundSetzen(QWidget *w, const QColor &farbe);
QColor hintergrund(const QWidget *w);
// A text box enabled with the input colour, or disabled with the screen's
// background colour.
void eingabeFreigeben(QLineEdit *e, bool frei);

// At most one box of the group is ticked: ticking one clears the others.
// Reacts to every change, also to values set by the screen fill.
void exklusiv(const QList<QCheckBox *> &gruppe);

// Calls the function with true when the control gets the focus and with
// false when it loses it.
void beiFokus(QWidget *w, std::function<void(bool hinein)> reaktion);

// On leaving the box, a date (as GermanDate reads it) is rewritten
// "dd.mm.yyyy"; an empty box is left as it is; any other text raises
// "Ungültiges Datum ! (TT.MM.JJJJ)" and the focus goes back into the box.
// The box gets a calendar too.
void datumPruefen(QLineEdit *e);

// The control below root with that objectName (and index, if given).
template<typename T>
T *finde(const QWidget *root, const QString &name, int index = -1)
{
    const auto alle = root->findChildren<T *>(name);
    for (T *w : alle) {
        if (index < 0)
            return w;
        const QVariant v = w->property("index");
        if (v.isValid() && v.toInt() == index)
            return w;
    }
    return nullptr;
}

} // namespace masken

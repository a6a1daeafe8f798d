#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

class Hauptform;
class QWidget;

// A main window on a data directory of its own, as the program starts it.
namespace testhilfe {

// A program and data directory with the shipped databases and a field file
// of the form kind and field lines given ("1Vorname:=Anna").
QString verzeichnis(const QString &formularart, const QStringList &zeilen);
// Points the settings at the directory and starts a main window on it,
// shown and active so that focus changes work.
std::unique_ptr<Hauptform> starten(const QString &dir);
// The lines of the field file in the directory, without line ends.
QStringList felddatei(const QString &dir);

// Gives the focus to nach (leaving the widget that has it) and lets the
// reactions to leaving run.
void fokus(QWidget *nach);

// Every tagged control of the screen with a value of its own: text boxes a
// distinct text that fits their length limit, check boxes ticked in creation
// order, drop-down lists their last entry. Returns how many it touched.
int ausfuellen(QWidget *maske);
// Tag -> value of every tagged control of the screen.
QMap<QString, QString> werte(const QWidget *maske);

// When VELMORA_BILDER names a directory, writes a picture of the widget
// there as name.png.
void bild(QWidget *w, const QString &name);

} // namespace testhilfe

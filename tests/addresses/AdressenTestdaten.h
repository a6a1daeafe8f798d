#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Address books for the tests, written into temporary directories.
namespace adressentest {

// A copy of the shipped empty book in a new directory with one address per
// Anzeige given: Name1 is "Name<n>" (n counting from 0), Titel "Dr.".
// Returns the directory (ending in "/").
QString buch(const QStringList &anzeigen);

// A book file that cannot take a save: "keine SQLite-Datei", "beschädigt",
// "Tabelle fehlt" or "gesperrt" (a book whose table refuses every change,
// with one address "Gesperrt"). Written as adressen.mdb into a new directory;
// returns the file's path.
QString kaputtesBuch(const QString &art);

QByteArray inhalt(const QString &pfad);

} // namespace adressentest

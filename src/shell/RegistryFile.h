#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// In-memory form of the settings file: keys in file order, each with its
// typed values. Parsing never fails; comments and lines it cannot read are
// kept as they stand and written back in their place, so nothing a person
// typed into the file is lost when the program rewrites it.
class RegistryFile
{
public:
    struct Wert
    {
        QString name;
        int typ = 1;
        QByteArray bytes;
    };
    // A line of a key in file order: a value (by name) or a kept line.
    struct Zeile
    {
        bool istWert = false;
        QString text; // the value's name, or the kept line
    };
    struct Schluessel
    {
        QString pfad; // "HKEY_LOCAL_MACHINE\SOFTWARE\Velmora"
        QList<Wert> werte;
        QList<Zeile> zeilen;
    };

    static RegistryFile parse(const QString &text);
    QString serialize() const;

    bool load(const QString &path);
    bool save(const QString &path, QString *error = nullptr) const;

    Schluessel *schluessel(const QString &pfad);
    Schluessel &anlegen(const QString &pfad);
    static Wert *wert(Schluessel &s, const QString &name);

    QList<Schluessel> schluesselListe;
    QStringList kopf; // kept lines before the first key
};

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// In-memory form of the settings file: keys in file order, each with its
// typed values. Parsing never fails; lines it cannot read are skipped.
class RegistryFile
{
public:
    struct Wert
    {
        QString name;
        int typ = 1;
        QByteArray bytes;
    };
    struct Schluessel
    {
        QString pfad; // "HKEY_LOCAL_MACHINE\SOFTWARE\Velmora"
        QList<Wert> werte;
    };

    static RegistryFile parse(const QString &text);
    QString serialize() const;

    bool load(const QString &path);
    bool save(const QString &path, QString *error = nullptr) const;

    Schluessel *schluessel(const QString &pfad);
    Schluessel &anlegen(const QString &pfad);
    static Wert *wert(Schluessel &s, const QString &name);

    QList<Schluessel> schluesselListe;
};

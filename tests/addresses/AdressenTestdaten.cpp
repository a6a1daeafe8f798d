#include "AdressenTestdaten.h"

#include "TestUmgebung.h"
#include "addresses/Adressbestand.h"
#include "shell/Datenbank.h"

#include <QFile>

namespace adressentest {

QString buch(const QStringList &anzeigen)
{
    const QString dir = TestUmgebung::neuesVerzeichnis(QStringLiteral("buch"));
    const QString pfad = dir + Adressbestand::dateiname();
    QFile::copy(TestUmgebung::mitgeliefert() + Adressbestand::dateiname(), pfad);
    QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
    Adressbestand b;
    if (!b.oeffnen(pfad))
        qFatal("cannot open the test book");
    for (int i = 0; i < anzeigen.size(); ++i) {
        Adresse a;
        a.setzeWert(QStringLiteral("Anzeige"), anzeigen.at(i));
        a.setzeWert(QStringLiteral("Name1"), QStringLiteral("Name%1").arg(i));
        a.setzeWert(QStringLiteral("Titel"), QStringLiteral("Dr."));
        a.setzeWert(QStringLiteral("Anrede"), QStringLiteral("Herr"));
        if (!b.sichern(a))
            qFatal("cannot fill the test book");
    }
    return dir;
}

QString kaputtesBuch(const QString &art)
{
    const QString pfad = TestUmgebung::neuesVerzeichnis(QStringLiteral("kaputt")) + Adressbestand::dateiname();
    QFile f(pfad);
    if (art == QStringLiteral("keine SQLite-Datei")) {
        f.open(QIODevice::WriteOnly);
        f.write("Anrede;Titel;Name1\r\nHerr;Dr.;Muster\r\n");
        return pfad;
    }
    if (art == QStringLiteral("beschädigt")) {
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray("SQLite format 3\0", 16));
        f.write(QByteArray(4080, '\x5a'));
        return pfad;
    }
    Datenbank::erstellen(pfad);
    Datenbank db;
    db.oeffnen(pfad);
    if (art == QStringLiteral("Tabelle fehlt")) {
        db.ausfuehren(QStringLiteral("create table Anschriften (Name1 text)"));
    } else {
        db.ausfuehren(QStringLiteral("create table Adressen (Anrede text, Titel text, Name1 text, Name2 text, "
                                     "Strasse text, PLZ text, Ort text, Telefon text, Telefax text, Mobilfunk text, "
                                     "email text, Anzeige text, Bemerkungen text)"));
        db.ausfuehren(QStringLiteral("insert into Adressen (Anzeige, Name1) values ('Gesperrt', 'Gesperrt')"));
        for (const char *wann : {"insert", "update", "delete"})
            db.ausfuehren(QStringLiteral("create trigger sperre_%1 before %1 on Adressen "
                                         "begin select raise(abort, 'gesperrt'); end")
                              .arg(QString::fromLatin1(wann)));
    }
    return pfad;
}

QByteArray inhalt(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace adressentest

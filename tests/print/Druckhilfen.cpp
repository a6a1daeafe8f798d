#include "Druckhilfen.h"

#include "TestUmgebung.h"
#include "shell/Datenbank.h"

#include <QFile>

namespace druckhilfen {

bool layoutDatenbank(const QString &pfad, const QList<QVariantList> &zeilen, QString *fehler)
{
    QFile::remove(pfad);
    if (!QFile::copy(TestUmgebung::mitgeliefert() + QStringLiteral("drucken.mdb"), pfad))
        return false;
    QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
    Datenbank db;
    if (!db.oeffnen(pfad, Datenbank::Modus::Schreiben, fehler))
        return false;
    for (const char *t : {"Antragsdruck", "AntragsdruckEuro"})
        if (!db.ausfuehren(QStringLiteral("delete from %1").arg(QString::fromLatin1(t))))
            return false;
    for (const QVariantList &z : zeilen) {
        const QString tabelle = z.value(0).toString();
        if (!db.ausfuehren(QStringLiteral("insert into %1 (Antrag, Art, x, y, BeginnY, \"Höhe\", Breite, Inhalt, "
                                          "\"Schriftgrösse\", Schrifttyp) values (?,?,?,?,?,?,?,?,?,?)")
                               .arg(tabelle),
                           z.mid(1))) {
            if (fehler)
                *fehler = db.letzterFehler();
            return false;
        }
    }
    return true;
}

} // namespace druckhilfen

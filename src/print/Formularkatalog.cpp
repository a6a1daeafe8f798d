#include "print/Formularkatalog.h"

#include "print/Layoutquelle.h"
#include "shell/Datenbank.h"
#include "shell/SqliteLesen.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

bool Formularkatalog::lesbar(const QString &datenbankpfad, QString *grund)
{
    auto nein = [grund](const QString &text) {
        if (grund)
            *grund = text;
        return false;
    };
    if (!QFileInfo(datenbankpfad).isFile())
        return nein(QStringLiteral("die Datei fehlt"));
    if (!Datenbank::istSqliteDatei(datenbankpfad))
        return nein(QStringLiteral("die Datei ist keine Datenbank"));
    Datenbank db;
    QString fehler;
    if (!db.oeffnen(datenbankpfad, Datenbank::Modus::NurLesen, &fehler))
        return nein(fehler);
    for (const QString &tabelle : {QStringLiteral("Formulare"), Layoutquelle::Tabelle, Layoutquelle::TabelleEuro})
        if (!db.hatTabelle(tabelle))
            return nein(QStringLiteral("die Tabelle %1 fehlt").arg(tabelle));
    return true;
}

QString Formularkatalog::unlesbarMeldung(const QString &datenbankpfad, const QString &grund)
{
    const QString pfad = QDir::toNativeSeparators(datenbankpfad);
    if (!QFileInfo(datenbankpfad).isFile())
        return QStringLiteral("Die Druckdatenbank %1 fehlt.").arg(pfad);
    return QStringLiteral("Die Druckdatenbank %1 ist beschädigt (%2). Bitte spielen Sie die mitgelieferte "
                          "Datei erneut ein.")
        .arg(pfad, grund);
}

// Read while the first window is built, so straight through SQLite instead
// of starting Qt's database driver.
QList<QVariantHash> Formularkatalog::zeilen(const QString &datenbankpfad)
{
    QList<QVariantHash> ergebnis;
    SqliteLesen::zeilen(datenbankpfad, QStringLiteral("select * from Formulare order by Name"), {}, &ergebnis);
    return ergebnis;
}

QStringList Formularkatalog::formularliste(const QString &datenbankpfad)
{
    return formularliste(zeilen(datenbankpfad));
}

QStringList Formularkatalog::formularliste(const QList<QVariantHash> &zeilen)
{
    QStringList liste;
    for (const QVariantHash &z : zeilen)
        liste.append(z.value(QStringLiteral("Name")).toString() + u';' + z.value(QStringLiteral("Beschreibung")).toString());
    return liste;
}

bool Formularkatalog::Formulare_laden(const QString &datenbankpfad, const QString &name, Katalogeintrag &eintrag)
{
    QList<QVariantHash> zeile;
    if (!SqliteLesen::zeilen(datenbankpfad, QStringLiteral("select * from Formulare where Name = ?"), {name}, &zeile))
        return false;
    return Formulare_laden(zeile, name, eintrag);
}

bool Formularkatalog::Formulare_laden(const QList<QVariantHash> &zeilen, const QString &name, Katalogeintrag &eintrag)
{
    const auto gefunden = std::find_if(zeilen.cbegin(), zeilen.cend(), [&name](const QVariantHash &z) {
        const QVariant n = z.value(QStringLiteral("Name"));
        return !n.isNull() && n.toString() == name;
    });
    if (gefunden == zeilen.cend())
        return false;
    const QVariantHash &z = *gefunden;
    static const char *const spalten[12] = {"Vorderseite",   "Rückseite",      "PVorderseite", "PRückseite",
                                            "Aufwendungen",  "Aufwendungen2",  "Bescheid",     "Verfügung",
                                            "PAufwendungen", "PAufwendungen2", "PBescheid",    "PVerfügung"};
    for (int i = 0; i < 12; ++i) {
        const auto wert = z.constFind(QString::fromUtf8(spalten[i]));
        if (wert == z.constEnd())
            continue;
        // A Null layout column gives a reference that prints nothing.
        eintrag.Druckbereiche[i] = wert->isNull() ? QString() : wert->toString();
    }
    const QVariant anzahl = z.value(QStringLiteral("AufwendungenAnzahl"));
    if (anzahl.isValid() && !anzahl.isNull()) {
        bool ok = false;
        const int n = anzahl.toInt(&ok);
        if (ok && n >= -32768 && n <= 32767)
            eintrag.AufwendungenAnzahl = static_cast<qint16>(n);
    }
    for (int i = 1; i <= 4; ++i) {
        const QVariant t = z.value(QStringLiteral("Titel%1").arg(i));
        const QVariant p = z.value(QStringLiteral("PTitel%1").arg(i));
        if (!t.isNull())
            eintrag.Titel[i] = t.toString();
        if (!p.isNull())
            eintrag.PTitel[i] = p.toString();
    }
    return true;
}

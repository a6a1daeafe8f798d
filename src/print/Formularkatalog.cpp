#include "print/Formularkatalog.h"

#include "print/Layoutquelle.h"
#include "shell/Datenbank.h"

#include <QDir>
#include <QFileInfo>

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

QStringList Formularkatalog::formularliste(const QString &datenbankpfad)
{
    QStringList liste;
    Datenbank db;
    if (!db.oeffnen(datenbankpfad, Datenbank::Modus::NurLesen))
        return liste;
    Datensatz ds = db.abfrage(QStringLiteral("select * from Formulare order by Name"));
    for (ds.ersteZeile(); !ds.istEnde(); ds.naechsteZeile())
        liste.append(ds.text(QStringLiteral("Name")) + u';' + ds.text(QStringLiteral("Beschreibung")));
    return liste;
}

bool Formularkatalog::Formulare_laden(const QString &datenbankpfad, const QString &name, Katalogeintrag &eintrag)
{
    Datenbank db;
    if (!db.oeffnen(datenbankpfad, Datenbank::Modus::NurLesen))
        return false;
    Datensatz ds = db.abfrage(QStringLiteral("select * from Formulare where Name = ?"), {name});
    if (!ds.istGueltig() || ds.anzahl() == 0)
        return false;
    ds.ersteZeile();
    static const char *const spalten[12] = {"Vorderseite",   "Rückseite",      "PVorderseite", "PRückseite",
                                            "Aufwendungen",  "Aufwendungen2",  "Bescheid",     "Verfügung",
                                            "PAufwendungen", "PAufwendungen2", "PBescheid",    "PVerfügung"};
    for (int i = 0; i < 12; ++i) {
        const QString spalte = QString::fromUtf8(spalten[i]);
        if (!ds.hatSpalte(spalte))
            continue;
        // A Null layout column gives a reference that prints nothing.
        eintrag.Druckbereiche[i] = ds.istNull(spalte) ? QString() : ds.text(spalte);
    }
    const QVariant anzahl = ds.wert(QStringLiteral("AufwendungenAnzahl"));
    if (anzahl.isValid() && !anzahl.isNull()) {
        bool ok = false;
        const int n = anzahl.toInt(&ok);
        if (ok && n >= -32768 && n <= 32767)
            eintrag.AufwendungenAnzahl = static_cast<qint16>(n);
    }
    for (int i = 1; i <= 4; ++i) {
        const QString t = QStringLiteral("Titel%1").arg(i);
        const QString p = QStringLiteral("PTitel%1").arg(i);
        if (ds.hatSpalte(t) && !ds.istNull(t))
            eintrag.Titel[i] = ds.text(t);
        if (ds.hatSpalte(p) && !ds.istNull(p))
            eintrag.PTitel[i] = ds.text(p);
    }
    return true;
}

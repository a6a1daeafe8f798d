#include "print/Layoutquelle.h"

#include "shell/Datenbank.h"

std::optional<Layout> Layoutquelle::lesen(const QString &datenbankpfad, const QString &name, bool euro,
                                          QString *fehler)
{
    Datenbank db;
    if (!db.oeffnen(datenbankpfad, Datenbank::Modus::NurLesen, fehler))
        return std::nullopt;
    const QString tabelle = euro ? TabelleEuro : Tabelle;
    Datensatz ds = db.abfrage(QStringLiteral("select * from %1 where Antrag = ? order by Art, y").arg(tabelle), {name});
    if (!ds.istGueltig()) {
        if (fehler)
            *fehler = ds.fehler();
        return std::nullopt;
    }
    // Column positions once; a missing column reads as Null.
    const QStringList spalten = {QStringLiteral("Art"),    QStringLiteral("x"),      QStringLiteral("y"),
                                 QStringLiteral("BeginnY"), QStringLiteral("Höhe"),  QStringLiteral("Breite"),
                                 QStringLiteral("Inhalt"), QStringLiteral("Schriftgrösse"), QStringLiteral("Schrifttyp")};
    Layout layout;
    layout.reserve(ds.anzahl());
    for (int i = 0; i < ds.anzahl(); ++i) {
        Layoutzeile z;
        QVariant *ziele[] = {&z.Art, &z.x, &z.y, &z.BeginnY, &z.Hoehe, &z.Breite, &z.Inhalt, &z.Schriftgroesse,
                             &z.Schrifttyp};
        for (int s = 0; s < spalten.size(); ++s)
            *ziele[s] = ds.wert(i, spalten.at(s));
        layout.append(z);
    }
    return layout;
}

#include "ledger/TarvikExport.h"

#include "base/GermanMoney.h"
#include "base/TextFile.h"

QString TarvikExport::text(const Kopf &kopf, const Rechnungspositionen &tabelle)
{
    const QString nl = QStringLiteral("\r\n");
    QString out;
    out += QStringLiteral("Personalnummer=") + kopf.Personalnummer + nl;
    out += QStringLiteral("Name=") + kopf.Name + nl;
    out += QStringLiteral("Vorname=") + kopf.Vorname + nl;
    out += QStringLiteral("Geburtsdatum=") + kopf.Geburtsdatum + nl;
    out += QStringLiteral("Antragsdatum=") + kopf.Antragsdatum + nl;
    // Tarvik expects these two crossed: the date under the amount's name.
    out += QStringLiteral("Abschlaghöhe=") + kopf.AbschlagDatum + nl;
    out += QStringLiteral("Abschlagdatum=") + kopf.AbschlagHoehe + nl;
    out += QStringLiteral("AUFWENDUNGEN") + nl;
    const QChar tab = u'\t';
    for (int i = 1; i <= tabelle.anzahl(); ++i) {
        const Rechnungsposition &r = tabelle.slot(i);
        out += QString::number(i) + tab + QString::number(r.Beleg) + tab + r.Datum.text() + tab + r.Art.text()
               + tab + r.Empfaenger.text() + tab + GermanMoney::plain(r.Rechnung) + tab
               + GermanMoney::plain(r.Versicherung) + tab
               + (r.euro ? QStringLiteral("Wahr") : QStringLiteral("Falsch")) + tab + nl;
    }
    out += QStringLiteral("ENDE") + nl;
    return out;
}

bool TarvikExport::schreiben(const QString &pfad, const Kopf &kopf, const Rechnungspositionen &tabelle,
                             QString *fehler)
{
    if (tabelle.istLeer() || pfad.isEmpty())
        return false;
    return TextFile::write(pfad, text(kopf, tabelle), TextFile::Encoding::Windows1252, fehler);
}

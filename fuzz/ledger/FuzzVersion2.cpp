// Feeds arbitrary bytes to the reader of version-2 import files and applies
// every item to the entry fields the way the ledger window does.
#include "ledger/Rechnungsposition.h"
#include "ledger/Version2Import.h"
#include "base/GermanMoney.h"
#include "base/TextFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QString text = TextFile::decodeAuto(bytes);
    const QStringList elemente = Version2Import::elemente(text);
    const Version2Import::Inhalt inhalt = Version2Import::lesen(text);
    // Nothing is lost or invented between the items and the groups.
    qsizetype gezaehlt = inhalt.hatDatum ? 1 : 0;
    for (const QStringList &g : inhalt.gruppen) {
        if (g.isEmpty() || g.size() > Version2Import::GruppenGroesse)
            abort();
        gezaehlt += g.size();
    }
    if (gezaehlt != elemente.size())
        abort();
    Version2Import::Eintrag e;
    for (const QStringList &g : inhalt.gruppen) {
        for (int i = 0; i < g.size(); ++i)
            Version2Import::anwenden(e, i, g.at(i));
        Rechnungsposition r;
        r.Empfaenger = e.Empfaenger;
        r.Datum = e.Datum;
        r.Art = e.Art;
        r.Arzt = e.Arzt;
        r.Rechnung = GermanMoney::value(e.Rechnung);
        if (r.Empfaenger.text().size() != 2 || r.Arzt.text().size() != 30)
            abort();
        // A rewritten amount is always readable again.
        if (g.size() > 5 && e.Rechnung != g.at(5) && !GermanMoney::isNumber(e.Rechnung))
            abort();
    }
    return 0;
}

// Feeds arbitrary text, laid out as lines of words, to the text-to-invoice
// step and the GiroCode reader, and checks what they claim to have found.
#include "base/TextFile.h"
#include "receipts/Belegtext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace receipts;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = TextFile::decodeAuto(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    // Pages split at form feeds; a word's place follows its place in the line,
    // so that columns line up as in a printed table.
    QList<Textzeile> zeilen;
    int seite = 1;
    for (const QString &seitentext : text.split(u'\f')) {
        QList<Textwort> woerter;
        const QStringList z = seitentext.split(u'\n');
        for (qsizetype y = 0; y < z.size(); ++y) {
            qsizetype spalte = 0;
            for (const QString &w : z[y].split(u' ')) {
                if (!w.isEmpty())
                    woerter.append(Textwort{w, spalte * 6.0, y * 12.0, (spalte + w.size()) * 6.0, y * 12.0 + 10});
                spalte += w.size() + 1;
            }
        }
        zeilen += zeilenBilden(seite++, woerter);
    }
    for (const Textzeile &z : zeilen)
        for (qsizetype i = 1; i < z.woerter.size(); ++i)
            if (z.woerter[i].links < z.woerter[i - 1].links)
                abort();
    Beleg b;
    rechnungAuswerten(zeilen, &b);
    if (!b.iban.isEmpty() && ibanPruefen(b.iban) != b.iban)
        abort();
    if (b.betrag && (!std::isfinite(*b.betrag) || *b.betrag < 0))
        abort();
    for (const Rechnungszeile &r : b.positionen) {
        if (!(r.anzahl > 0) || (r.faktor && !(*r.faktor > 0)))
            abort();
        if (r.nummer.isEmpty() != (r.ordnung == Gebuehrenordnung::Keine))
            abort();
        if (r.nummer.startsWith(u'Ä'))
            abort();
    }
    if (auto g = giroCodeAuswerten(text)) {
        if (!g->iban.isEmpty() && ibanPruefen(g->iban) != g->iban)
            abort();
        if (g->betrag && !(*g->betrag > 0))
            abort();
    }
    return 0;
}

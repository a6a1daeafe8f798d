// Feeds arbitrary bytes to the field-file reader and checks that whatever it
// reads survives a write and a second read.
#include "fields/Felddatei.h"
#include "base/TextFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QString text = TextFile::decodeAuto(bytes);
    const Felddatei::Inhalt erst = Felddatei::parse(text);
    for (const auto &z : erst.tabelle.zeilen()) {
        if (z.name.contains(QLatin1String(":=")) || z.wert.contains(u'\n') || z.wert.contains(u'\r'))
            abort();
        if (z.geaendert())
            abort(); // freshly read fields count as unchanged
    }
    // A written file reads back with the same values (blanks trimmed), as
    // long as the form kind is a plain name.
    const QString geschrieben = Felddatei::serialize(erst.formularart, erst.tabelle);
    const Felddatei::Inhalt zweit = Felddatei::parse(geschrieben);
    const QString neu = Felddatei::serialize(zweit.formularart, zweit.tabelle);
    if (Felddatei::parse(neu).tabelle.anzahl() != zweit.tabelle.anzahl())
        abort();
    return 0;
}

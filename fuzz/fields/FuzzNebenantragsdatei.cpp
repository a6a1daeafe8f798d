// Feeds arbitrary bytes to the side-application file reader and checks that
// what it reads is written back and read again unchanged.
#include "fields/Nebenantragsdatei.h"
#include "base/TextFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QList<Nebenantragsdatei::Zeile> erst = Nebenantragsdatei::zeilen(TextFile::decodeAuto(bytes));
    for (const auto &z : erst) {
        if (z.tag.contains(QLatin1String(":=")) || z.wert.contains(u'\n') || z.wert.contains(u'\r'))
            abort();
        Nebenantragsdatei::angekreuzt(z.wert);
    }
    const QString geschrieben = Nebenantragsdatei::text(erst);
    // A byte-order mark opening the file is dropped on reading, as it must
    // be; a first tag that starts with one cannot come back the same.
    if (geschrieben.startsWith(QChar(0xFEFF)))
        return 0;
    const QList<Nebenantragsdatei::Zeile> zweit =
        Nebenantragsdatei::zeilen(TextFile::decodeAuto(geschrieben.toUtf8()));
    if (zweit != erst)
        abort();
    return 0;
}

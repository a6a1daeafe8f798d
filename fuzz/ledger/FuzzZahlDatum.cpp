// Feeds arbitrary text to the German number and date readers and checks that
// whatever they accept writes out in a form that reads back the same.
#include "base/GermanDate.h"
#include "base/GermanMoney.h"
#include "base/TextFile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = TextFile::decodeAuto(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    if (const auto v = GermanMoney::parse(text)) {
        const QString formatiert = GermanMoney::format(*v);
        const auto zurueck = GermanMoney::parse(formatiert);
        if (!zurueck)
            abort();
        if (std::isfinite(*v) && std::fabs(*v) < 1e12 && std::fabs(*zurueck - *v) > 0.005 + 1e-9 * std::fabs(*v))
            abort();
        if (GermanMoney::format(*zurueck) != formatiert)
            abort();
    }
    if (const auto d = GermanDate::parse(text)) {
        const QString n = GermanDate::normalized(text);
        if (n.size() != 10 || GermanDate::normalized(n) != n || GermanDate::parse(n) != d)
            abort();
        if (GermanDate::fromIso(GermanDate::toIso(text)) != n)
            abort();
    } else if (GermanDate::normalized(text) != text || !GermanDate::toIso(text).isEmpty()) {
        abort();
    }
    return 0;
}

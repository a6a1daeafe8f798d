// Feeds arbitrary bytes to the settings-file reader. Whatever it reads must
// write out in a form that reads back to the same keys and values.
#include "shell/RegistryFile.h"
#include "base/TextFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const RegistryFile erst = RegistryFile::parse(TextFile::decodeAuto(bytes));
    const QString text = erst.serialize();
    const RegistryFile zweit = RegistryFile::parse(text);
    if (zweit.serialize() != text)
        abort();
    return 0;
}

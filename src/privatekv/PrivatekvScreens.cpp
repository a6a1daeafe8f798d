#include "privatekv/PrivatekvScreens.h"

#include "privatekv/PrivateKV.h"
#include "shell/Hauptform.h"

namespace privatekv {
void anmelden(Hauptform &hauptform)
{
    hauptform.maskeAnmelden(QStringLiteral("privateKV"), [](Hauptform &h) { return new PrivateKV(h); });
}
} // namespace privatekv

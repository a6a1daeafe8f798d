#include "privatekv/PrivatekvScreens.h"

#include "shell/Hauptform.h"

namespace privatekv {
void anmelden(Hauptform &hauptform)
{
    Q_UNUSED(hauptform);
}
} // namespace privatekv

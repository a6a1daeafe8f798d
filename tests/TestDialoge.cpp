// Linked into GUI tests: message boxes and dialogs answer without blocking.
#include "shell/Dialoge.h"

void velmoraTestDialogeEinrichten()
{
    Dialoge::setTestbetrieb(true);
}

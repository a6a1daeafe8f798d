#include "print/PrintScreens.h"

#include "print/Druckenform.h"
#include "print/Druckerwahl.h"
#include "print/Druckfunktion.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QCheckBox>

namespace print {
void anmelden(Hauptform &hauptform)
{
    // The print fonts are loaded on the first page drawn (Schriften::familie),
    // not at start-up.
    // The current printer follows the main window's printer name, also when
    // the field file fills it at start-up.
    // Amounts are euro: a new installation prints the euro forms; a choice
    // stored in the field file replaces this when the file is read.
    if (QCheckBox *euro = hauptform.kasten(QStringLiteral("Euroformular")))
        euro->setChecked(true);
    auto *wahl = new Druckerwahl(&hauptform);
    QObject::connect(&hauptform, &Hauptform::druckernameGeaendert, wahl, &Druckerwahl::waehlen);
    hauptform.maskeAnmelden(QStringLiteral("Druckenform"),
                            [wahl](Hauptform &h) -> QWidget * { return new Druckenform(h, *wahl); });
    // The ledger's "Drucken": the expense print dialog, modal, kept loaded.
    hauptform.aktionAnmelden(QStringLiteral("Druckfunktion"), [&hauptform, wahl] {
        auto *d = hauptform.findChild<Druckfunktion *>(QStringLiteral("Druckfunktion"));
        if (!d)
            d = new Druckfunktion(hauptform, wahl, &hauptform);
        Dialoge::ausfuehren(d);
    });
}
} // namespace print

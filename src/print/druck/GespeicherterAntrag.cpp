#include "print/druck/GespeicherterAntrag.h"

#include <QDir>
#include <QFileInfo>

bool gespeicherterAntrag(const QString &daten, const QString &kennung, Antragsdatenbank::Geladen *geladen,
                         QString *meldung)
{
    const QString pfad = daten + Antragsdatenbank::Dateiname;
    const QString nativ = QDir::toNativeSeparators(pfad);
    QString grund;
    if (!QFileInfo(pfad).isFile())
        grund = QStringLiteral("Die Antragsdatenbank %1 fehlt.\n").arg(nativ);
    else if (!Antragsdatenbank::laden(pfad, kennung, geladen, &grund))
        grund = QStringLiteral("Der Antrag \"%1\" lässt sich nicht laden: %2\n").arg(kennung, grund);
    else if (!geladen->kopf && geladen->positionen.isEmpty())
        grund = QStringLiteral("Einen Antrag \"%1\" gibt es in %2 nicht.\n").arg(kennung, nativ);
    else
        return true;
    if (meldung)
        *meldung = grund;
    return false;
}

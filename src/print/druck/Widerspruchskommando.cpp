#include "print/druck/Widerspruchskommando.h"

#include "fields/Felddatei.h"
#include "ledger/Antragsdatenbank.h"
#include "ledger/Bescheid.h"
#include "ledger/Widerspruch.h"

#include <QDir>
#include <QFileInfo>

int Widerspruchskommando::ausfuehren(const QString &daten, const QString &kennung, const QString &pdf,
                                     QString *meldung)
{
    auto fehler = [meldung](int code, const QString &text) {
        if (meldung)
            *meldung = text;
        return code;
    };
    if (kennung.isEmpty() || pdf.isEmpty())
        return fehler(2, QStringLiteral("Zu --widerspruch gehören --antrag KENNUNG und --pdf DATEI.\n"));
    const QString pfad = daten + Antragsdatenbank::Dateiname;
    const QString nativ = QDir::toNativeSeparators(pfad);
    if (!QFileInfo(pfad).isFile())
        return fehler(1, QStringLiteral("Die Antragsdatenbank %1 fehlt.\n").arg(nativ));
    Antragsdatenbank::Geladen geladen;
    QString grund;
    if (!Antragsdatenbank::laden(pfad, kennung, &geladen, &grund))
        return fehler(1, QStringLiteral("Der Antrag \"%1\" lässt sich nicht laden: %2\n").arg(kennung, grund));
    if (!geladen.kopf && geladen.positionen.isEmpty())
        return fehler(1, QStringLiteral("Einen Antrag \"%1\" gibt es in %2 nicht.\n").arg(kennung, nativ));
    std::optional<Bescheid> bescheid;
    if (!Bescheid::laden(pfad, kennung, &bescheid, &grund))
        return fehler(1, grund + u'\n');
    if (!bescheid)
        return fehler(1, QStringLiteral("Zum Antrag \"%1\" ist kein Bescheid erfasst.\n").arg(kennung));

    Felddatei::Inhalt inhalt;
    Felddatei::lesen(daten + Felddatei::Dateiname, &inhalt);
    Widerspruch brief;
    brief.ausFeldern(inhalt.tabelle);
    brief.heute = QDate::currentDate();
    brief.ausBescheid(*bescheid, geladen.positionen);
    if (brief.belege.isEmpty())
        return fehler(1, QStringLiteral("Der Bescheid zum Antrag \"%1\" erstattet keinen Beleg weniger als "
                                        "erwartet; es gibt nichts zu widersprechen.\n")
                             .arg(kennung));
    if (!Widerspruch::pdf(brief.entwurf(), pdf, &grund))
        return fehler(1, grund + u'\n');
    const QDate eingang = bescheid->eingang.isValid() ? bescheid->eingang : bescheid->datum;
    return fehler(0, eingang.isValid() ? QStringLiteral("Der Widerspruch muss bis zum %1 eingehen.\n")
                                             .arg(Widerspruch::fristende(eingang).toString(QStringLiteral("dd.MM.yyyy")))
                                       : QString());
}

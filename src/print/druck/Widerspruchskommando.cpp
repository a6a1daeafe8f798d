#include "print/druck/Widerspruchskommando.h"

#include "fields/Felddatei.h"
#include "ledger/Antragsdatenbank.h"
#include "ledger/Bescheid.h"
#include "ledger/Widerspruch.h"
#include "print/druck/GespeicherterAntrag.h"


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
    Antragsdatenbank::Geladen geladen;
    if (!gespeicherterAntrag(daten, kennung, &geladen, meldung))
        return 1;
    std::optional<Bescheid> bescheid;
    QString grund;
    if (!Bescheid::laden(daten + Antragsdatenbank::Dateiname, kennung, &bescheid, &grund))
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

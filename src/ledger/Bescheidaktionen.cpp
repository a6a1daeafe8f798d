#include "ledger/Bescheidaktionen.h"

#include "base/GermanDate.h"
#include "base/GermanMoney.h"
#include "ledger/Antragsdatenbank.h"
#include "ledger/Bescheid.h"
#include "ledger/Bescheidform.h"
#include "ledger/Widerspruchsform.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

namespace {
bool antragBereit(QWidget *parent, const Antragskopf &kopf, const QVector<Rechnungsposition> &positionen,
                  const QString &titel)
{
    if (GermanDate::isDate(kopf.Antragsdatum) && !positionen.isEmpty())
        return true;
    Dialoge::meldung(parent, QMessageBox::Warning, titel,
                     QStringLiteral("Bitte zuerst einen Antrag mit Antragsdatum und Belegen laden oder erfassen."),
                     QMessageBox::Ok);
    return false;
}
} // namespace

namespace Bescheidaktionen {
Erwartung erwartung(const Hauptform &hauptform, const QVector<Rechnungsposition> &positionen,
                    const Kuerzungen &kuerzungen)
{
    Erwartung e;
    e.eingaben = Bescheidform::eingaben(positionen, kuerzungen);
    e.ergebnisse = Erstattungserwartung::berechnen(e.eingaben, Bescheidform::saetze(hauptform));
    for (int i = 0; i < positionen.size(); ++i) {
        const double x = e.ergebnisse.at(i).erwartet;
        e.summeEuro += positionen.at(i).euro ? x : x / GermanMoney::DmPerEuro;
        e.vor2022 = e.vor2022 || Erstattungserwartung::kdpMoeglich(e.eingaben.at(i).datum);
    }
    return e;
}

QString summentext(const Erwartung &e)
{
    if (e.eingaben.isEmpty())
        return {};
    return QStringLiteral("Erwartete Beihilfe insgesamt: %1 EUR%2")
        .arg(GermanMoney::format(e.summeEuro),
             e.vor2022 ? QStringLiteral(" – ohne eine für Rechnungen vor 2022 mögliche Kostendämpfungspauschale")
                       : QStringLiteral(" – für Rechnungen ab 2022 keine Kostendämpfungspauschale"));
}

void bescheidErfassen(QWidget *parent, Hauptform &hauptform, const Antragskopf &kopf,
                      const QVector<Rechnungsposition> &positionen, const Kuerzungen &kuerzungen)
{
    if (!antragBereit(parent, kopf, positionen, Bescheidform::titel()))
        return;
    Bescheidform::Daten d;
    d.pfad = hauptform.datenverzeichnis() + Antragsdatenbank::Dateiname;
    d.kennung = Antragsdatenbank::kennung(kopf.Antragsdatum, kopf.Unternummer);
    d.positionen = positionen;
    d.eingaben = Bescheidform::eingaben(positionen, kuerzungen);
    d.saetze = Bescheidform::saetze(hauptform);
    Bescheidform form(std::move(d), parent);
    Dialoge::ausfuehren(&form);
}

void widerspruchSchreiben(QWidget *parent, Hauptform &hauptform, const Antragskopf &kopf,
                          const QVector<Rechnungsposition> &positionen, const Kuerzungen &kuerzungen)
{
    const QString titel = Widerspruchsform::titel();
    if (!antragBereit(parent, kopf, positionen, titel))
        return;
    const QString pfad = hauptform.datenverzeichnis() + Antragsdatenbank::Dateiname;
    const QString kennung = Antragsdatenbank::kennung(kopf.Antragsdatum, kopf.Unternummer);
    std::optional<Bescheid> bescheid;
    QString fehler;
    if (!Bescheid::laden(pfad, kennung, &bescheid, &fehler)) {
        Dialoge::meldung(parent, QMessageBox::Critical, titel, fehler, QMessageBox::Ok);
        return;
    }
    if (!bescheid) {
        Dialoge::meldung(parent, QMessageBox::Warning, titel,
                         QStringLiteral("Zu diesem Antrag ist noch kein Bescheid erfasst (\"Bescheid erfassen…\")."),
                         QMessageBox::Ok);
        return;
    }
    hauptform.Felder_einlesen();
    Widerspruch brief;
    brief.ausFeldern(hauptform.feldtabelle());
    brief.heute = QDate::currentDate();
    QHash<int, QString> gruende;
    for (auto it = kuerzungen.cbegin(); it != kuerzungen.cend(); ++it)
        gruende.insert(it.key(), it.value().second);
    brief.ausBescheid(*bescheid, positionen, gruende);
    if (brief.belege.isEmpty()) {
        Dialoge::meldung(parent, QMessageBox::Information, titel,
                         QStringLiteral("Laut erfasstem Bescheid wurde kein Beleg geringer erstattet als erwartet."),
                         QMessageBox::Ok);
        return;
    }
    Widerspruchsform form(brief, bescheid->eingang.isValid() ? bescheid->eingang : bescheid->datum, parent);
    Dialoge::ausfuehren(&form);
}
} // namespace Bescheidaktionen

#include "print/druck/Paketkommando.h"

#include "fields/Feldtabelle.h"
#include "ledger/Rechnungspositionen.h"
#include "print/druck/GespeicherterAntrag.h"

#include <QDir>

int Paketkommando::ausfuehren(const QString &datenbank, const QString &daten, const QString &formular,
                              const Katalogeintrag &eintrag, Feldtabelle &felder, const QString &kennung,
                              const QString &pdf, const Einreichungspaket::Bildquelle &bilder, QString *meldung)
{
    auto fehler = [meldung](int code, const QString &text) {
        if (meldung)
            *meldung = text;
        return code;
    };
    if (kennung.isEmpty() || pdf.isEmpty())
        return fehler(2, QStringLiteral("Zu --paket gehören --antrag KENNUNG und --pdf DATEI.\n"));
    Antragsdatenbank::Geladen geladen;
    if (!gespeicherterAntrag(daten, kennung, &geladen, meldung))
        return 1;
    Rechnungspositionen belege;
    for (const Rechnungsposition &r : geladen.positionen)
        belege.hinzufuegen(r);

    // The answers that only count for one run of the print dialog stay off.
    felder.setzen(QStringLiteral("1Gültigkeit"), QString());
    felder.setzen(QStringLiteral("2Datenänderung"), QStringLiteral("0"));
    felder.setzen(QStringLiteral("2Datenänderung2"), QStringLiteral("0"));

    Einreichungspaket::Auftrag a;
    a.datenbank = datenbank;
    a.eintrag = eintrag;
    a.formularart = formular;
    a.pflege = geladen.kopf && geladen.kopf->Pflegeantrag;
    a.antragInEuro = geladen.kopf ? geladen.kopf->AEuro : true;
    // A field file from before the euro forms were the rule may lack the box.
    const std::optional<QString> euro = felder.Feldwert(QStringLiteral("Euroformularbenutzen"));
    a.euroformular = !euro || *euro == QLatin1String("1");
    a.felder = &felder;
    a.belege = &belege;
    a.datenverzeichnis = daten;
    a.bilder = bilder;
    const Einreichungspaket::Ergebnis e = Einreichungspaket::schreiben(a, pdf);
    if (!e.ok)
        return fehler(1, e.fehler + u'\n');
    QString text = QStringLiteral("%1: %2 Seiten, davon %3 Belegseiten.\n")
                       .arg(QDir::toNativeSeparators(pdf))
                       .arg(e.seiten)
                       .arg(e.seiten - e.formularseiten - (e.ohneBild.isEmpty() && e.fehlend.isEmpty() ? 0 : 1));
    if (!e.ohneBild.isEmpty()) {
        QStringList nummern;
        for (int n : e.ohneBild)
            nummern << QString::number(n);
        text += QStringLiteral("Ohne Bild: Beleg %1.\n").arg(nummern.join(QStringLiteral(", ")));
    }
    for (const QString &f : e.fehlend)
        text += f + u'\n';
    return fehler(0, text);
}

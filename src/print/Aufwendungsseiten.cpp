#include "print/Aufwendungsseiten.h"

#include "fields/Feldtabelle.h"
#include "ledger/Rechnungspositionen.h"
#include "ledger/Summen.h"
#include "print/Aufwendungsbelege.h"
#include "print/Katalogeintrag.h"
#include "base/GermanMoney.h"

const QStringList &Aufwendungsseiten::personen()
{
    static const QStringList p = {QStringLiteral("A"),  QStringLiteral("E"),  QStringLiteral("K1"), QStringLiteral("K2"),
                                  QStringLiteral("K3"), QStringLiteral("K4"), QStringLiteral("K5")};
    return p;
}

int Aufwendungsseiten::proSeite(const Katalogeintrag &eintrag)
{
    return eintrag.AufwendungenAnzahl > 0 ? eintrag.AufwendungenAnzahl : StandardAnzahl;
}

QStringList Aufwendungsseiten::bloecke(int anzahl, int proSeite)
{
    QStringList out;
    if (anzahl <= 0 || proSeite <= 0)
        return out;
    for (int k = 0; k <= (anzahl - 1) / proSeite; ++k)
        out << QStringLiteral("Aufwendungen %1. bis %2. Beleg")
                   .arg(k * proSeite + 1)
                   .arg(std::min(k * proSeite + proSeite, anzahl));
    return out;
}

Aufwendungsseiten::Bereich Aufwendungsseiten::bereich(int block, int anzahl, int proSeite, const QString &formularart,
                                                      const QString &layout)
{
    Bereich b{1, anzahl};
    if (block >= 0 && proSeite > 0) {
        b.von = block * proSeite + 1;
        b.bis = std::min(block * proSeite + proSeite, anzahl);
    }
    if (formularart.left(3) == QLatin1String("LBV") || layout == Versicherungslayout)
        b = Bereich{1, anzahl};
    return b;
}

bool Aufwendungsseiten::summenLeeren(const Bereich &bereich, int anzahl)
{
    return bereich.bis < anzahl;
}

int Aufwendungsseiten::druckbereich(int knopf, bool pflege)
{
    static const int gewoehnlich[4] = {4, 7, 5, 6};
    static const int dauernd[4] = {8, 11, 9, 10};
    if (knopf < 0 || knopf > 3)
        return -1;
    return pflege ? dauernd[knopf] : gewoehnlich[knopf];
}

Aufwendungsseiten::Knopf Aufwendungsseiten::knopf(const Katalogeintrag &eintrag, int knopf, bool pflege)
{
    if (knopf < 0 || knopf > 3)
        return {};
    const QString &titel = pflege ? eintrag.PTitel[knopf + 1] : eintrag.Titel[knopf + 1];
    return Knopf{titel, pflege ? !titel.isEmpty() : titel != QLatin1String("x")};
}

QVector<Aufwendungsseiten::Person> Aufwendungsseiten::personensummen(const Rechnungspositionen &tabelle,
                                                                     bool antragInEuro)
{
    QVector<Person> out;
    for (const QString &p : personen())
        out.append(Person{p, 0, 0});
    for (const Rechnungsposition &r : tabelle.alle()) {
        QString code = r.Empfaenger.text();
        code.remove(u' ');
        const qsizetype i = personen().indexOf(code);
        if (i < 0)
            continue;
        out[i].belege += 1;
        out[i].summe += r.Rechnung * Aufwendungsbelege::faktor(r.euro, antragInEuro);
    }
    return out;
}

QVector<Aufwendungsseiten::Bereich> Aufwendungsseiten::versicherungsseiten(const Rechnungspositionen &tabelle,
                                                                           const QString &person, int proSeite)
{
    QVector<Bereich> seiten;
    int aufSeite = 0;
    for (int nr = 1; nr <= tabelle.anzahl(); ++nr) {
        QString code = tabelle.slot(nr).Empfaenger.text();
        code.remove(u' ');
        if (code != person)
            continue;
        if (seiten.isEmpty() || aufSeite == std::max(proSeite, 1)) {
            seiten.append(Bereich{nr, nr});
            aufSeite = 0;
        }
        seiten.last().bis = nr;
        ++aufSeite;
    }
    return seiten;
}

QString Aufwendungsseiten::versicherungssumme(const Person &person, bool letzteSeite)
{
    return letzteSeite ? GermanMoney::format(person.summe) : QStringLiteral("siehe nächste Seite");
}

QString Aufwendungsseiten::summentag(const QString &feldname)
{
    if (feldname.startsWith(QLatin1String("Summe")))
        return QStringLiteral("1Endsumme") + feldname.mid(5);
    return u'1' + feldname;
}

void Aufwendungsseiten::summenEintragen(Feldtabelle &felder, const Summen &summen)
{
    for (const auto &f : summen.felder())
        felder.setzen(summentag(f.first), f.second);
}

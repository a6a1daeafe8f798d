#include "print/Aufwendungsbelege.h"

#include "ledger/Rechnungspositionen.h"
#include "base/GermanDate.h"
#include "base/GermanMoney.h"

namespace {
QString ohneLeer(const QString &t)
{
    QString s = t;
    s.remove(u' ');
    return s;
}

QString betrag(double v)
{
    return GermanMoney::format(v);
}

// Empty for a zero amount.
QString betragOderLeer(double v)
{
    return v == 0 ? QString() : GermanMoney::format(v);
}

QString monat(const Rechnungsposition &r)
{
    const std::optional<QDate> d = GermanDate::parse(r.Datum.getrimmt());
    return d ? QString::number(d->month()) : Belegquelle::Auslassung;
}
} // namespace

Aufwendungsbelege::Aufwendungsbelege(const Rechnungspositionen &tabelle, bool antragInEuro)
    : m_tabelle(tabelle)
    , m_euro(antragInEuro)
    , m_bis(tabelle.anzahl())
{
}

void Aufwendungsbelege::setBereich(int von, int bis)
{
    m_von = von;
    m_bis = bis;
}

int Aufwendungsbelege::Belegeanzahl() const
{
    return m_tabelle.anzahl();
}

QString Aufwendungsbelege::Aufwendungswert(const QString &name, int nummer) const
{
    if (!m_tabelle.gueltig(nummer))
        return Auslassung;
    return wert(name, m_tabelle.slot(nummer), m_euro, m_person);
}

double Aufwendungsbelege::faktor(bool belegInEuro, bool antragInEuro)
{
    if (antragInEuro)
        return belegInEuro ? 1.0 : 1.0 / GermanMoney::DmPerEuro;
    return belegInEuro ? GermanMoney::DmPerEuro : 1.0;
}

bool Aufwendungsbelege::pauschale(const Rechnungsposition &r)
{
    return ohneLeer(r.Rechnungsnummer.text()) == QLatin1String("Pauschale");
}

QString Aufwendungsbelege::wert(const QString &name, const Rechnungsposition &r, bool antragInEuro,
                                const QString &pKVP)
{
    QString w = Auslassung;
    const bool euro = r.euro;
    const QString waehrung = euro ? QStringLiteral("Euro") : QStringLiteral("DM");

    // Plain names.
    if (name == QLatin1String("Belegnummer"))
        w = QString::number(r.Beleg);
    else if (name == QLatin1String("Datum"))
        w = r.Datum.text();
    else if (name == QStringLiteral("Empfänger"))
        w = r.Empfaenger.text();
    else if (name == QLatin1String("Art"))
        w = r.Art.text();
    else if (name == QLatin1String("Rechnungsbetrag"))
        w = betrag(r.Rechnung);
    else if (name == QLatin1String("Versicherungsbetrag"))
        w = betragOderLeer(r.Versicherung);
    else if (name == QLatin1String("RechnungsbetragDM"))
        w = euro ? QString() : betrag(r.Rechnung);
    else if (name == QLatin1String("RechnungsbetragEuro"))
        w = euro ? betrag(r.Rechnung) : QString();
    else if (name == QLatin1String("VersicherungsbetragDM"))
        w = euro ? QString() : betragOderLeer(r.Versicherung);
    else if (name == QLatin1String("VersicherungsbetragEuro"))
        w = euro ? betragOderLeer(r.Versicherung) : QString();
    else if (name == QStringLiteral("Währung"))
        w = waehrung;
    else if (name == QLatin1String("RechnungsbetragAW"))
        w = betrag(r.Rechnung * faktor(euro, antragInEuro));
    else if (name == QLatin1String("VersicherungsbetragAW"))
        w = r.Versicherung == 0 ? QString() : betrag(r.Versicherung * faktor(euro, antragInEuro));

    // The insurance list of one person.
    if (name.startsWith(QLatin1String("privateKV")) && ohneLeer(r.Empfaenger.text()) == pKVP) {
        const QString rest = name.mid(9);
        if (rest == QLatin1String("Belegnummer"))
            w = QString::number(r.Beleg);
        else if (rest == QLatin1String("Datum"))
            w = r.Datum.text();
        else if (rest == QStringLiteral("Empfänger"))
            w = r.Empfaenger.text();
        else if (rest == QLatin1String("Art"))
            w = r.Art.text();
        else if (rest == QLatin1String("Rechnungsbetrag"))
            w = betrag(r.Rechnung);
        else if (rest == QStringLiteral("Währung"))
            w = waehrung;
    }

    // Permanent care: flat-rate and itemised receipts apart.
    if (name.startsWith(QLatin1String("Pflege"))) {
        if (pauschale(r)) {
            if (name == QLatin1String("PflegeMonat"))
                w = monat(r);
            else if (name == QStringLiteral("PflegepauschaleEmpfänger"))
                w = r.Empfaenger.text();
            else if (name == QLatin1String("PflegeStufe"))
                w = r.Arzt.getrimmt();
            else if (name == QLatin1String("PflegepauschaleVersicherungsbetrag"))
                w = betrag(r.Versicherung);
            else if (name == QLatin1String("PflegepauschaleVersicherungsbetragAW"))
                w = betrag(r.Versicherung * faktor(euro, antragInEuro));
        } else {
            if (name == QLatin1String("PflegeBelegnummer"))
                w = QString::number(r.Beleg);
            else if (name == QLatin1String("PflegeDatum"))
                w = r.Datum.text();
            else if (name == QStringLiteral("PflegeEmpfänger"))
                w = r.Empfaenger.text();
            else if (name == QLatin1String("PflegeRechnungsbetrag"))
                w = betrag(r.Rechnung);
            else if (name == QLatin1String("PflegeVersicherungsbetrag"))
                w = betrag(r.Versicherung);
            // In the application's currency, for lists without a currency column.
            else if (name == QLatin1String("PflegeRechnungsbetragAW"))
                w = betrag(r.Rechnung * faktor(euro, antragInEuro));
            else if (name == QLatin1String("PflegeVersicherungsbetragAW"))
                w = betrag(r.Versicherung * faktor(euro, antragInEuro));
        }
    }

    // Coded names: person initial, first letter of the cost type ("S" for
    // a flat-rate receipt), attribute.
    if (name.size() >= 2) {
        const QString art = ohneLeer(r.Art.text());
        const QChar artZeichen = pauschale(r) ? QChar(u'S') : (art.isEmpty() ? QChar() : art.at(0));
        const QString empfaenger = r.Empfaenger.text();
        if (!empfaenger.isEmpty() && empfaenger.at(0) == name.at(0) && !artZeichen.isNull()
            && artZeichen == name.at(1)) {
            const QString rest = name.mid(2, 100);
            if (rest == QLatin1String("Datum"))
                w = r.Datum.text();
            else if (rest == QLatin1String("Stufe"))
                w = r.Arzt.getrimmt();
            else if (rest == QLatin1String("Monat"))
                w = monat(r);
            else if (rest == QLatin1String("Rechnung"))
                w = betragOderLeer(r.Rechnung);
            else if (rest == QLatin1String("Erstattung"))
                w = betragOderLeer(r.Versicherung);
            else if (rest == QLatin1String("RechnungAW"))
                w = betragOderLeer(r.Rechnung * faktor(euro, antragInEuro));
            else if (rest == QLatin1String("ErstattungAW"))
                w = betragOderLeer(r.Versicherung * faktor(euro, antragInEuro));
            else if (rest == QLatin1String("Nummer"))
                w = r.Empfaenger.text();
        }
    }
    return w;
}

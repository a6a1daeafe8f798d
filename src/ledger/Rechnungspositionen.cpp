#include "ledger/Rechnungspositionen.h"

#include "base/GermanDate.h"

#include <algorithm>
#include <limits>

int Rechnungsposition::person() const
{
    const QChar c = Empfaenger.text().at(0);
    if (c == u'A')
        return 1;
    if (c == u'E')
        return 2;
    if (c == u'K')
        return 3;
    return 0;
}

bool Rechnungspositionen::einfuegen(int p, const Rechnungsposition &r)
{
    if (p < 1 || p > anzahl() + 1)
        return false;
    m_slots.insert(p - 1, r);
    return true;
}

bool Rechnungspositionen::aendern(int p, const Rechnungsposition &r)
{
    if (!gueltig(p))
        return false;
    m_slots[p - 1] = r;
    return true;
}

bool Rechnungspositionen::loeschen(int p)
{
    if (!gueltig(p))
        return false;
    m_slots.removeAt(p - 1);
    return true;
}

QString Rechnungspositionen::sortierschluessel(const Rechnungsposition &r)
{
    const auto datum = GermanDate::parse(r.Datum.text());
    // '~' comes after every digit, so undated receipts close their person's group.
    const QString teil = datum ? datum->toString(QStringLiteral("yyyy.MM.dd")) : QStringLiteral("~");
    return r.Empfaenger.text() + u' ' + teil;
}

void Rechnungspositionen::sortieren()
{
    if (anzahl() <= 1)
        return;
    QVector<QPair<QString, int>> schluessel;
    schluessel.reserve(anzahl());
    for (int i = 0; i < anzahl(); ++i)
        schluessel.append({sortierschluessel(m_slots.at(i)), i});
    // Stable: equal keys keep their order. QString::operator< compares
    // UTF-16 code units, i.e. character codes.
    std::stable_sort(schluessel.begin(), schluessel.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QVector<Rechnungsposition> sortiert;
    sortiert.reserve(anzahl());
    for (const auto &s : schluessel)
        sortiert.append(m_slots.at(s.second));
    m_slots = std::move(sortiert);
}

QString Rechnungspositionen::numerierenFehlertext()
{
    return QStringLiteral("Die Belegnummern dürfen 32767 nicht überschreiten.\n"
                          "Bitte wählen Sie eine kleinere Anfangsnummer. Es wurde nichts geändert.");
}

bool Rechnungspositionen::numerieren(qint64 start, QString *fehler)
{
    if (istLeer())
        return true;
    // Checked before adding, so a start near the end of qint64 cannot wrap.
    if (start < std::numeric_limits<qint16>::min()
        || start > qint64(std::numeric_limits<qint16>::max()) - (anzahl() - 1)) {
        if (fehler)
            *fehler = numerierenFehlertext();
        return false;
    }
    for (int i = 0; i < anzahl(); ++i)
        m_slots[i].Beleg = qint16(start + i);
    return true;
}

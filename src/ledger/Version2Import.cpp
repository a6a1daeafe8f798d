#include "ledger/Version2Import.h"

#include "base/GermanDate.h"
#include "base/GermanMoney.h"

#include <QDate>
#include <QRegularExpression>

QStringList Version2Import::elemente(const QString &text)
{
    QStringList out;
    // Skip the first line.
    int i = 0;
    const int n = int(text.size());
    while (i < n && text.at(i) != u'\n' && text.at(i) != u'\r')
        ++i;
    auto istZeilenende = [](QChar c) { return c == u'\n' || c == u'\r'; };
    bool nachKomma = false;
    while (i < n) {
        // Blanks before an item.
        while (i < n && (text.at(i) == u' ' || text.at(i) == u'\t'))
            ++i;
        if (i >= n)
            break;
        const QChar c = text.at(i);
        if (istZeilenende(c)) {
            // A line end right after a comma closes an empty item; empty
            // lines give nothing.
            if (nachKomma)
                out.append(QString());
            nachKomma = false;
            ++i;
            continue;
        }
        if (c == u',') {
            out.append(QString());
            nachKomma = true;
            ++i;
            continue;
        }
        QString wert;
        if (c == u'"') {
            ++i;
            // A doubled quote inside a quoted item stands for one quote.
            while (i < n) {
                if (text.at(i) == u'"') {
                    if (i + 1 < n && text.at(i + 1) == u'"') {
                        wert += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                wert += text.at(i);
                ++i;
            }
            // Anything up to the separator after the closing quote is dropped.
            while (i < n && text.at(i) != u',' && !istZeilenende(text.at(i)))
                ++i;
        } else {
            const int start = i;
            while (i < n && text.at(i) != u',' && !istZeilenende(text.at(i)))
                ++i;
            wert = text.mid(start, i - start).trimmed();
        }
        out.append(wert);
        nachKomma = false;
        if (i < n && text.at(i) == u',') {
            nachKomma = true;
            ++i;
        }
    }
    return out;
}

Version2Import::Inhalt Version2Import::lesen(const QString &text)
{
    Inhalt inhalt;
    const QStringList e = elemente(text);
    if (e.isEmpty())
        return inhalt;
    inhalt.hatDatum = true;
    inhalt.antragsdatum = datum(e.first());
    for (int i = 1; i < e.size(); i += GruppenGroesse)
        inhalt.gruppen.append(e.mid(i, GruppenGroesse));
    return inhalt;
}

void Version2Import::anwenden(Eintrag &e, int pos, const QString &wert)
{
    switch (pos) {
    case 0: {
        bool ok = false;
        const int person = wert.trimmed().toInt(&ok);
        if (ok && person == 0)
            e.Empfaenger = QStringLiteral("A");
        else if (ok && person == 1)
            e.Empfaenger = QStringLiteral("E");
        else if (ok && person == 2)
            e.Empfaenger = QStringLiteral("K");
        break;
    }
    case 1: {
        bool ok = false;
        const int kind = wert.trimmed().toInt(&ok);
        if (!ok || kind != 0)
            e.Empfaenger += wert.trimmed();
        break;
    }
    case 2:
        e.Beleg = wert.trimmed();
        break;
    case 3:
        e.Datum = datum(wert);
        break;
    case 4:
        e.Art = wert;
        break;
    case 5:
        e.Rechnung = betrag(wert);
        break;
    case 6:
        e.Versicherung = betrag(wert);
        break;
    case 7:
        e.Arzt = wert;
        break;
    default:
        break;
    }
}

QString Version2Import::datum(const QString &wert)
{
    QString t = wert.trimmed();
    if (t.size() >= 2 && t.startsWith(u'#') && t.endsWith(u'#'))
        t = t.mid(1, t.size() - 2).trimmed();
    if (GermanDate::isDate(t))
        return GermanDate::normalized(t);
    const QDate iso = QDate::fromString(t.left(10), Qt::ISODate);
    if (t.size() >= 10 && iso.isValid())
        return GermanDate::format(iso);
    return wert;
}

QString Version2Import::betrag(const QString &wert)
{
    static const QRegularExpression punkt(QStringLiteral("^\\s*[+-]?\\d*\\.\\d+\\s*$"));
    const QString t = wert.trimmed();
    if (!t.contains(u',') && punkt.match(t).hasMatch()) {
        bool ok = false;
        const double v = t.toDouble(&ok);
        if (ok)
            return GermanMoney::format(v);
    }
    if (const auto v = GermanMoney::parse(t))
        return GermanMoney::format(*v);
    return wert;
}

#include "fields/Felddatei.h"

#include "base/TextFile.h"

QString Felddatei::erstesElement(const QString &zeile, QString *rest)
{
    int i = 0;
    const int n = zeile.size();
    while (i < n && (zeile.at(i) == u' ' || zeile.at(i) == u'\t'))
        ++i;
    QString item;
    if (i < n && zeile.at(i) == u'"') {
        const int close = zeile.indexOf(u'"', i + 1);
        if (close < 0) {
            item = zeile.mid(i + 1);
            i = n;
        } else {
            item = zeile.mid(i + 1, close - i - 1);
            i = close + 1;
            // Whatever follows the closing quote up to the comma is dropped.
            const int comma = zeile.indexOf(u',', i);
            i = comma < 0 ? n : comma;
        }
    } else {
        const int comma = zeile.indexOf(u',', i);
        const int end = comma < 0 ? n : comma;
        item = zeile.mid(i, end - i);
        while (!item.isEmpty() && (item.endsWith(u' ') || item.endsWith(u'\t')))
            item.chop(1);
        i = end;
    }
    if (rest)
        *rest = i < n ? zeile.mid(i + 1) : QString();
    return item;
}

Felddatei::Inhalt Felddatei::parse(const QString &text)
{
    Inhalt inhalt;
    QStringList zeilen = TextFile::lines(text);
    if (zeilen.isEmpty())
        return inhalt;
    QString rest;
    inhalt.formularart = erstesElement(zeilen.first(), &rest);
    zeilen.removeFirst();
    // What followed a comma on the first line is read as the next line.
    if (!rest.isEmpty())
        zeilen.prepend(rest);
    for (const QString &zeile : zeilen) {
        const int pos = zeile.indexOf(QLatin1String(":="));
        if (pos < 0)
            continue;
        const QString name = zeile.left(pos);
        const QString wert = zeile.mid(pos + 2);
        inhalt.tabelle.anhaengen(name, wert, wert);
    }
    return inhalt;
}

QString Felddatei::serialize(const QString &formularart, const Feldtabelle &tabelle)
{
    // One field, one line: a line break inside a value would end the value
    // there and turn the rest into lines of their own (even into other
    // fields). It is written as a blank, as a one-line box shows it. No
    // escape sequence: values of existing files (printer names such as
    // "\\server\neu") must keep reading as they are.
    QString out = TextFile::singleLine(formularart) + QStringLiteral("\r\n");
    for (const auto &z : tabelle.zeilen())
        out += TextFile::singleLine(z.name).trimmed() + QStringLiteral(":=") + TextFile::singleLine(z.wert).trimmed()
               + QStringLiteral("\r\n");
    out += QStringLiteral("---Ende---\r\n");
    return out;
}

bool Felddatei::lesen(const QString &pfad, Inhalt *inhalt)
{
    QString text;
    if (!TextFile::read(pfad, &text)) {
        *inhalt = Inhalt();
        return false;
    }
    *inhalt = parse(text);
    return true;
}

bool Felddatei::schreiben(const QString &pfad, const QString &formularart, const Feldtabelle &tabelle,
                          QString *fehler)
{
    return TextFile::write(pfad, serialize(formularart, tabelle), TextFile::Encoding::Utf8, fehler);
}

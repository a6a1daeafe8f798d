#include "fields/Nebenantragsdatei.h"

#include "base/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kTrenner = QStringLiteral(":=");

QString nativ(const QString &pfad)
{
    return QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
}
} // namespace

QString Nebenantragsdatei::text(const QList<Zeile> &zeilen)
{
    // A line break inside a value is written as a blank (as in the field
    // file): otherwise the rest of the value would read as lines of their
    // own and could set other fields.
    QString out;
    for (const Zeile &z : zeilen)
        out += TextFile::singleLine(z.tag) + kTrenner + TextFile::singleLine(z.wert) + QStringLiteral("\r\n");
    return out;
}

QList<Nebenantragsdatei::Zeile> Nebenantragsdatei::zeilen(const QString &text)
{
    QList<Zeile> out;
    for (const QString &zeile : TextFile::lines(text)) {
        const int pos = zeile.indexOf(kTrenner);
        if (pos < 0)
            continue;
        out.append(Zeile{zeile.left(pos), zeile.mid(pos + kTrenner.size())});
    }
    return out;
}

bool Nebenantragsdatei::schreiben(const QString &pfad, const QList<Zeile> &zeilen, QString *fehler)
{
    QString grund;
    if (TextFile::write(pfad, text(zeilen), TextFile::Encoding::Utf8, &grund))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.\n%2").arg(nativ(pfad), grund);
    return false;
}

bool Nebenantragsdatei::lesen(const QString &pfad, QList<Zeile> *zeilen, QString *fehler)
{
    QString inhalt;
    QString grund;
    if (!TextFile::read(pfad, &inhalt, &grund)) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei %1 konnte nicht gelesen werden.\n%2").arg(nativ(pfad), grund);
        return false;
    }
    *zeilen = Nebenantragsdatei::zeilen(inhalt);
    return true;
}

bool Nebenantragsdatei::angekreuzt(const QString &wert)
{
    if (wert == QLatin1String("Wahr"))
        return true;
    if (wert == QLatin1String("Falsch"))
        return false;
    return !wert.isEmpty() && wert.at(0).isDigit() && wert.at(0).digitValue() != 0;
}

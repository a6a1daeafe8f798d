#include "ledger/Aerzteliste.h"

#include "base/TextFile.h"

#include <QFile>

std::optional<QStringList> Aerzteliste::lesen(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.readAll();
    if (bytes.isEmpty())
        return std::nullopt;
    return TextFile::lines(TextFile::decodeAuto(bytes));
}

QString Aerzteliste::editortext(const QStringList &zeilen)
{
    QString out;
    for (const QString &z : zeilen) {
        if (!out.isEmpty())
            out += QStringLiteral("\r\n");
        out += z;
    }
    return out;
}

bool Aerzteliste::schreiben(const QString &pfad, const QString &inhalt, QString *fehler)
{
    QString text = inhalt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(u'\n', QStringLiteral("\r\n"));
    text += QStringLiteral("\r\n");
    return TextFile::write(pfad, text, TextFile::Encoding::Utf8, fehler);
}

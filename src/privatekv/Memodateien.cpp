#include "privatekv/Memodateien.h"

#include "base/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

QString Memodateien::dateiname(int person)
{
    return QStringLiteral("privateKVMemo%1.txt").arg(person);
}

QString Memodateien::lesen(const QString &pfad)
{
    QString text;
    if (!TextFile::read(pfad, &text))
        return {};
    // Each line, and a line break after every line but the last: a memo
    // written with its closing CR LF reads back as it was.
    return TextFile::lines(text).join(u'\n');
}

Memodateien::Memos Memodateien::alleLesen(const QString &verzeichnis)
{
    Memos memos;
    for (int n = 0; n < Anzahl; ++n)
        memos[n] = lesen(verzeichnis + dateiname(n));
    return memos;
}

QString Memodateien::dateitext(const QString &memo)
{
    static const QRegularExpression umbruch(QStringLiteral("\r\n|\n|\r"));
    return memo.split(umbruch).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

bool Memodateien::alleSchreiben(const QString &verzeichnis, const Memos &memos, QString *fehler)
{
    QStringList gescheitert;
    for (int n = 0; n < Anzahl; ++n) {
        const QString pfad = verzeichnis + dateiname(n);
        QString grund;
        if (!TextFile::write(pfad, dateitext(memos[n]), TextFile::Encoding::Utf8, &grund))
            gescheitert << QStringLiteral("Datei: %1\nGrund: %2")
                               .arg(QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath()), grund);
    }
    if (fehler)
        *fehler = gescheitert.join(QStringLiteral("\n\n"));
    return gescheitert.isEmpty();
}

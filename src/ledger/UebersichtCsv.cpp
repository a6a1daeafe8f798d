#include "ledger/UebersichtCsv.h"

#include "ledger/Uebersichtstabelle.h"
#include "base/TextFile.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QStringList>

QString UebersichtCsv::zelle(const QString &text)
{
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString t = text;
    t.replace(u'"', QStringLiteral("\"\""));
    return u'"' + t + u'"';
}

QString UebersichtCsv::text(const QAbstractItemModel &modell)
{
    QString csv;
    QStringList teile;
    for (int c = 0; c < modell.columnCount(); ++c)
        teile.append(zelle(modell.headerData(c, Qt::Horizontal).toString()));
    csv += teile.join(u';') + QStringLiteral("\r\n");
    for (int r = 0; r < modell.rowCount(); ++r) {
        teile.clear();
        for (int c = 0; c < modell.columnCount(); ++c) {
            const QModelIndex i = modell.index(r, c);
            const QVariant v = i.data(Uebersichtstabelle::CsvRolle);
            teile.append(zelle(v.isValid() ? v.toString() : i.data().toString()));
        }
        csv += teile.join(u';') + QStringLiteral("\r\n");
    }
    return csv;
}

bool UebersichtCsv::schreiben(const QString &pfad, const QAbstractItemModel &modell, QString *fehler)
{
    // The byte order mark tells Excel the file is UTF-8.
    QString grund;
    if (TextFile::write(pfad, QChar(0xFEFF) + text(modell), TextFile::Encoding::Utf8, &grund))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                      .arg(QDir::toNativeSeparators(pfad), grund);
    return false;
}

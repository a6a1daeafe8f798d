#include "Druckhilfen.h"

#include "TestUmgebung.h"
#include "shell/Datenbank.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace druckhilfen {

bool layoutDatenbank(const QString &pfad, const QList<QVariantList> &zeilen, QString *fehler)
{
    QFile::remove(pfad);
    if (!QFile::copy(TestUmgebung::mitgeliefert() + QStringLiteral("drucken.mdb"), pfad))
        return false;
    QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
    Datenbank db;
    if (!db.oeffnen(pfad, Datenbank::Modus::Schreiben, fehler))
        return false;
    for (const char *t : {"Antragsdruck", "AntragsdruckEuro"})
        if (!db.ausfuehren(QStringLiteral("delete from %1").arg(QString::fromLatin1(t))))
            return false;
    for (const QVariantList &z : zeilen) {
        const QString tabelle = z.value(0).toString();
        if (!db.ausfuehren(QStringLiteral("insert into %1 (Antrag, Art, x, y, BeginnY, \"Höhe\", Breite, Inhalt, "
                                          "\"Schriftgrösse\", Schrifttyp) values (?,?,?,?,?,?,?,?,?,?)")
                               .arg(tabelle),
                           z.mid(1))) {
            if (fehler)
                *fehler = db.letzterFehler();
            return false;
        }
    }
    return true;
}

bool sqlAusfuehren(const QString &datenbank, const QString &testdatei)
{
    QFile sql(TestUmgebung::testdaten(testdatei));
    if (!sql.open(QIODevice::ReadOnly))
        return false;
    Datenbank db;
    if (!db.oeffnen(datenbank, Datenbank::Modus::Schreiben))
        return false;
    // Statements end with ";" at the end of a line; "--" lines are comments.
    QString anweisung;
    for (const QString &zeile : QString::fromUtf8(sql.readAll()).split(u'\n')) {
        if (zeile.trimmed().startsWith(QLatin1String("--")))
            continue;
        anweisung += zeile + u'\n';
        if (zeile.trimmed().endsWith(u';')) {
            if (!db.ausfuehren(anweisung.trimmed().chopped(1)))
                return false;
            anweisung.clear();
        }
    }
    return true;
}

QString testprogramm(const QString &name)
{
    const QString dir = TestUmgebung::programmverzeichnis(name);
    if (!sqlAusfuehren(dir + QStringLiteral("drucken.mdb"), QStringLiteral("print/testformular.sql")))
        return {};
    return dir;
}

bool aufwendungslayouts(const QString &programm)
{
    return sqlAusfuehren(programm + QStringLiteral("drucken.mdb"), QStringLiteral("print/aufwendungen-test.sql"));
}

static QString ausgabe(const QString &programm, const QStringList &argumente)
{
    const QString pfad = QStandardPaths::findExecutable(programm);
    if (pfad.isEmpty())
        return {};
    QProcess p;
    p.start(pfad, argumente);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString &datei)
{
    return ausgabe(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), datei, QStringLiteral("-")});
}

QString pdfSeitengroesse(const QString &datei)
{
    const QString info = ausgabe(QStringLiteral("pdfinfo"), {datei});
    const auto m = QRegularExpression(QStringLiteral("Page size:\\s*([^\\n]*)")).match(info);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

} // namespace druckhilfen

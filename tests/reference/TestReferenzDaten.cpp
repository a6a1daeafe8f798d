// The shipped rows of infos.mdb and of the remedies in tarvik.mdb hold
// every row of their text sources.
#include "TestUmgebung.h"

#include "shell/Datenbank.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>

namespace {
QList<QStringList> tsv(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<QStringList> zeilen;
    const QStringList alle = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (int i = 1; i < alle.size(); ++i) // header line
        zeilen.append(alle.at(i).split(u'\t'));
    return zeilen;
}

QString quelle(const QString &relativ)
{
    return QStringLiteral(VELMORA_DATENQUELLEN "/") + relativ;
}

// Cents of a German amount text ("8,80"), -1 when empty.
qint64 cent(const QString &text)
{
    if (text.trimmed().isEmpty())
        return -1;
    QString t = text.trimmed();
    t.remove(u'.');
    const QStringList teile = t.split(u',');
    return teile.at(0).toLongLong() * 100 + (teile.size() > 1 ? teile.at(1).leftJustified(2, u'0').toLongLong() : 0);
}
} // namespace

class TestReferenzDaten : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void kurorteVollstaendig();
    void heilbehandlungenVollstaendig();
    void textgruppenMitFassungUndQuelle();
    void anmerkungenDesLeistungsverzeichnisses();
};

void TestReferenzDaten::kurorteVollstaendig()
{
    const QList<QStringList> quellzeilen = tsv(quelle(QStringLiteral("infos/quellen/kurorte.tsv")));
    QCOMPARE(quellzeilen.size(), 342);
    Datenbank db;
    QVERIFY(db.oeffnen(TestUmgebung::mitgeliefert() + QStringLiteral("infos.mdb"), Datenbank::Modus::NurLesen));
    Datensatz s = db.abfrage(QStringLiteral("select * from Kurorteverzeichnis"));
    QCOMPARE(s.anzahl(), quellzeilen.size());
    // The table's own order is the list's order.
    for (int i = 0; i < quellzeilen.size(); ++i) {
        const QStringList &q = quellzeilen.at(i);
        QCOMPARE(q.size(), 5);
        QCOMPARE(s.wert(i, QStringLiteral("Name")).toString(), q.at(0));
        QCOMPARE(s.wert(i, QStringLiteral("PLZ")).toString(), q.at(1));
        QCOMPARE(s.wert(i, QStringLiteral("Gemeinde")).toString(), q.at(2));
        QCOMPARE(s.wert(i, QStringLiteral("AnerkenntnisHeilkurort")).toString(), q.at(3));
        QCOMPARE(s.wert(i, QStringLiteral("ArtBezeichnung")).toString(), q.at(4));
    }
}

void TestReferenzDaten::heilbehandlungenVollstaendig()
{
    const QList<QStringList> quellzeilen = tsv(quelle(QStringLiteral("tarvik/heilbehandlungen-quellen/heilmittel.tsv")));
    QCOMPARE(quellzeilen.size(), 114);
    // The twelve areas of the list on the ten of the screen.
    const QHash<QString, int> bereich = {
        {QStringLiteral("Bereich Inhalation"), 1},
        {QStringLiteral("Bereich Krankengymnastik, Bewegungsübungen"), 2},
        {QStringLiteral("Bereich Massagen"), 3},
        {QStringLiteral("Bereich Packungen, Hydrotherapie, Bäder"), 4},
        {QStringLiteral("Bereich Kälte- und Wärmebehandlung"), 5},
        {QStringLiteral("Bereich Elektrotherapie"), 6},
        {QStringLiteral("Bereich Stimm-, Sprech- und Sprachtherapie"), 8},
        {QStringLiteral("Bereich Ergotherapie (Beschäftigungstherapie)"), 9},
        {QStringLiteral("Bereich Palliativversorgung"), 10},
        {QStringLiteral("Bereich Podologie"), 10},
        {QStringLiteral("Bereich Ernährungstherapie"), 10},
        {QStringLiteral("Bereich Sonstiges"), 10},
    };
    Datenbank db;
    QVERIFY(db.oeffnen(TestUmgebung::mitgeliefert() + QStringLiteral("tarvik.mdb"), Datenbank::Modus::NurLesen));
    Datensatz s = db.abfrage(QStringLiteral("select * from Heilbehandlungen order by Nummer2"));
    QCOMPARE(s.anzahl(), quellzeilen.size());
    for (int i = 0; i < quellzeilen.size(); ++i) {
        const QStringList &q = quellzeilen.at(i);
        const QString wo = q.at(1);
        QCOMPARE(s.wert(i, QStringLiteral("Nummer")).toString(), q.at(1));
        QVERIFY2(bereich.contains(q.at(0)), qPrintable(q.at(0)));
        QCOMPARE(s.wert(i, QStringLiteral("Bereich")).toInt(), bereich.value(q.at(0)));
        const qint64 euro = cent(q.at(3));
        const QVariant e = s.wert(i, QStringLiteral("BetragEuro"));
        const QVariant dm = s.wert(i, QStringLiteral("BetragDM"));
        if (euro < 0) {
            QVERIFY2(e.isNull() && dm.isNull(), qPrintable(wo));
            continue;
        }
        QCOMPARE(qRound64(e.toDouble() * 100), euro);
        // euro x 1.95583, half a pfennig rounded up, in whole numbers.
        QCOMPARE(qRound64(dm.toDouble() * 100), (euro * 195583 + 50000) / 100000);
        QVERIFY2(s.wert(i, QStringLiteral("Information")).toString().contains(q.at(1)), qPrintable(wo));
    }
}

void TestReferenzDaten::textgruppenMitFassungUndQuelle()
{
    Datenbank db;
    QVERIFY(db.oeffnen(TestUmgebung::mitgeliefert() + QStringLiteral("infos.mdb"), Datenbank::Modus::NurLesen));
    Datensatz s = db.abfrage(QStringLiteral("select * from Informationen order by Nummer"));
    QVERIFY(s.anzahl() > 0);
    QHash<QString, QString> erste;
    for (int i = 0; i < s.anzahl(); ++i) {
        const QString nummer = s.wert(i, QStringLiteral("Nummer")).toString();
        const QString inhalt = s.wert(i, QStringLiteral("Inhalt")).toString();
        QVERIFY2(!s.wert(i, QStringLiteral("Überschrift")).toString().isEmpty(), qPrintable(nummer));
        // Every record names where its text comes from.
        QVERIFY2(inhalt.contains(QStringLiteral("Amtlicher Text")) || inhalt.contains(QStringLiteral("Quelle")),
                 qPrintable(nummer));
        for (const char *code : {"B", "V", "RV", "HÄG", "HZG"})
            if (nummer.startsWith(QString::fromUtf8(code)) && !erste.contains(QString::fromUtf8(code)))
                erste.insert(QString::fromUtf8(code), s.wert(i, QStringLiteral("Überschrift")).toString());
    }
    // The first row of each group says which version it describes.
    for (const char *code : {"B", "V", "RV", "HÄG", "HZG"})
        QVERIFY2(erste.value(QString::fromUtf8(code)).endsWith(QStringLiteral("zu dieser Sammlung")), code);
}

void TestReferenzDaten::anmerkungenDesLeistungsverzeichnisses()
{
    Datenbank db;
    QVERIFY(db.oeffnen(TestUmgebung::mitgeliefert() + QStringLiteral("tarvik.mdb"), Datenbank::Modus::NurLesen));
    for (const QString n : {QStringLiteral("LV1"), QStringLiteral("LV2"), QStringLiteral("LV3")}) {
        Datensatz s = db.abfrage(QStringLiteral("select Info from Anmerkungen where Nummer = ?"), {n});
        QCOMPARE(s.anzahl(), 1);
        QVERIFY2(s.wert(0, QStringLiteral("Info")).toString().contains(QStringLiteral("Amtlicher Text")), qPrintable(n));
    }
}

VELMORA_TEST_MAIN_CORE(TestReferenzDaten)
#include "TestReferenzDaten.moc"

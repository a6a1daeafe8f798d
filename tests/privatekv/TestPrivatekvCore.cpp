// Memo files and the data sheet of the private health insurance, without
// widgets.
#include "TestUmgebung.h"

#include "fields/Feldtabelle.h"
#include "print/Aufwendungsseiten.h"
#include "print/Aufzeichnungsflaeche.h"
#include "print/Formularkatalog.h"
#include "print/Layoutinterpreter.h"
#include "privatekv/Datenblatt.h"
#include "privatekv/Memodateien.h"
#include "privatekv/Versicherungsdaten.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace {
QByteArray inhalt(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreibe(const QString &pfad, const QByteArray &bytes)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

using V = Versicherungsdaten;

V::Werte musterwerte()
{
    V::Werte w;
    for (int f = 0; f < V::Felder; ++f)
        w[f] = QStringLiteral("W%1").arg(f);
    return w;
}

// The printed lines of a recorded page with their places on the sheet: a
// text with line breaks goes on at x = 0, one line (0.4 mm per point) lower.
QVector<Aufzeichnungsflaeche::Text> zeilen(const Aufzeichnungsflaeche &f)
{
    QVector<Aufzeichnungsflaeche::Text> out;
    for (const Aufzeichnungsflaeche::Text &t : f.texte()) {
        const QStringList teile = Seitenflaeche::zeilen(t.text);
        for (int i = 0; i < teile.size(); ++i) {
            if (teile.at(i).trimmed().isEmpty())
                continue;
            Aufzeichnungsflaeche::Text z = t;
            z.text = teile.at(i);
            if (i > 0)
                z.blattX = t.blattX - t.x;
            z.blattY = t.blattY + i * t.fontSize * 0.4;
            out.append(z);
        }
    }
    return out;
}

QString textBei(const Aufzeichnungsflaeche &f, double x, double y)
{
    for (const Aufzeichnungsflaeche::Text &t : zeilen(f))
        if (qAbs(t.blattX - x) < 0.01 && qAbs(t.blattY - y) < 0.01)
            return t.text;
    return QStringLiteral("<nichts>");
}
} // namespace

class TestPrivatekvCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A memo is written as its lines, CR LF each, and reads back as it was.
    void memoRundlauf_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QByteArray>("datei");
        QTest::newRow("leer") << QString() << QByteArray("\r\n");
        QTest::newRow("eine Zeile") << QStringLiteral("Tarif ab 2027") << QByteArray("Tarif ab 2027\r\n");
        QTest::newRow("Umbruch am Ende") << QStringLiteral("Zeile\n") << QByteArray("Zeile\r\n\r\n");
        QTest::newRow("drei Zeilen") << QStringLiteral("eins\nzwei\ndrei") << QByteArray("eins\r\nzwei\r\ndrei\r\n");
        QTest::newRow("Leerzeile dazwischen") << QStringLiteral("a\n\nb") << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("Umlaute als UTF-8") << QStringLiteral("Grüße") << QByteArray("Gr\xc3\xbc\xc3\x9f" "e\r\n");
    }
    void memoRundlauf()
    {
        QFETCH(QString, memo);
        QFETCH(QByteArray, datei);
        const QString dir = TestUmgebung::neuesVerzeichnis(QStringLiteral("memo")) + u'/';
        Memodateien::Memos memos;
        memos[4] = memo;
        QString fehler;
        QVERIFY2(Memodateien::alleSchreiben(dir, memos, &fehler), qPrintable(fehler));
        QCOMPARE(inhalt(dir + QStringLiteral("privateKVMemo4.txt")), datei);
        QCOMPARE(inhalt(dir + QStringLiteral("privateKVMemo0.txt")), QByteArray("\r\n"));
        QCOMPARE(Memodateien::alleLesen(dir)[4], memo);
    }

    // Files of other programs and of the predecessor.
    void memoLesen_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("memo");
        QTest::newRow("Windows-1252") << QByteArray("Gr\xfc\xdf" "e\r\n") << QStringLiteral("Grüße");
        QTest::newRow("nur LF") << QByteArray("a\nb\n") << QStringLiteral("a\nb");
        QTest::newRow("ohne letzten Umbruch") << QByteArray("a\r\nb") << QStringLiteral("a\nb");
        QTest::newRow("leere Datei") << QByteArray() << QString();
    }
    void memoLesen()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, memo);
        const QString dir = TestUmgebung::neuesVerzeichnis(QStringLiteral("lesen")) + u'/';
        schreibe(dir + QStringLiteral("privateKVMemo0.txt"), datei);
        QCOMPARE(Memodateien::alleLesen(dir)[0], memo);
    }

    // A deleted file empties that person's memo only.
    void geloeschteDatei()
    {
        const QString dir = TestUmgebung::neuesVerzeichnis(QStringLiteral("geloescht")) + u'/';
        Memodateien::Memos memos;
        for (int n = 0; n < Memodateien::Anzahl; ++n)
            memos[n] = QStringLiteral("Memo %1").arg(n);
        QVERIFY(Memodateien::alleSchreiben(dir, memos));
        QVERIFY(QFile::remove(dir + QStringLiteral("privateKVMemo2.txt")));
        const Memodateien::Memos gelesen = Memodateien::alleLesen(dir);
        for (int n = 0; n < Memodateien::Anzahl; ++n)
            QCOMPARE(gelesen[n], n == 2 ? QString() : memos[n]);
    }

    // A file that cannot be written is named; the others are written.
    void unschreibbar()
    {
        const QString dir = TestUmgebung::neuesVerzeichnis(QStringLiteral("fehler")) + u'/';
        QVERIFY(QDir(dir).mkdir(QStringLiteral("privateKVMemo3.txt")));
        Memodateien::Memos memos;
        memos[5] = QStringLiteral("fünf");
        QString fehler;
        QVERIFY(!Memodateien::alleSchreiben(dir, memos, &fehler));
        QVERIFY2(fehler.contains(QStringLiteral("privateKVMemo3.txt")), qPrintable(fehler));
        QVERIFY(!fehler.contains(QStringLiteral("privateKVMemo5.txt")));
        QCOMPARE(inhalt(dir + QStringLiteral("privateKVMemo5.txt")), QByteArray("f\xc3\xbc" "nf\r\n"));
    }

    // The holders' tags, and a person's values from the field table.
    void werteAusFeldtabelle()
    {
        QCOMPARE(V::tag(V::Nachname, 0), QStringLiteral("1privateKV_NachnameA"));
        QCOMPARE(V::tag(V::Email, 6), QStringLiteral("1privateKV_emailK5"));
        Feldtabelle t;
        t.setzen(QStringLiteral("1privateKV_OrtK4"), QStringLiteral("Köln"));
        t.setzen(QStringLiteral("1privateKV_OrtK3"), QStringLiteral("Bonn"));
        t.anhaengen(QStringLiteral("1privateKV_TarifK4"), QStringLiteral("30"));
        t.anhaengen(QStringLiteral("1privateKV_TarifK4"), QStringLiteral("50")); // the later row wins
        const V::Werte w = V::aus(t, 5);
        QCOMPARE(w[V::Ort], QStringLiteral("Köln"));
        QCOMPARE(w[V::Tarif], QStringLiteral("50"));
        QCOMPARE(w[V::Vorname], QString());
    }

    // Every label and value at its place, Arial 9 pt, not bold.
    void datenblattPositionen_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("text");
        const struct
        {
            const char *label;
            double lx;
            int feld;
            double wx;
            double y;
        } zeilen[] = {
            {"Vorname", 10, V::Vorname, 50, 10},
            {"Nachname", 10, V::Nachname, 50, 15},
            {"Geburtsdatum", 10, V::Geburtsdatum, 50, 20},
            {"Versicherungsnummer", 10, V::Versicherungsnummer, 50, 25},
            {"Servicenummer", 100, V::Servicenummer, 130, 10},
            {"Tarif in %", 100, V::Tarif, 130, 15},
            {"Tagegeld", 100, V::Tagegeld, 130, 20},
            {"Beitrag", 100, V::Beitrag, 130, 25},
            {"Name1", 10, V::Name1, 50, 30},
            {"Name2", 10, V::Name2, 50, 35},
            {"Strasse", 10, V::Strasse, 50, 40},
            {"Ansprechpartner", 100, V::Ansprechpartner, 130, 30},
            {"Telefon", 100, V::Telefon, 130, 35},
            {"Telefax", 100, V::Telefax, 130, 40},
            {"email", 100, V::Email, 130, 45},
        };
        for (const auto &z : zeilen) {
            QTest::newRow(z.label) << z.lx << z.y << QString::fromUtf8(z.label);
            QTest::newRow(qPrintable(QStringLiteral("Wert %1").arg(QString::fromUtf8(z.label))))
                << z.wx << z.y << QStringLiteral("W%1").arg(z.feld);
        }
        QTest::newRow("PLZ / Ort") << 10.0 << 45.0 << QStringLiteral("PLZ / Ort");
        QTest::newRow("Wert PLZ / Ort") << 50.0 << 45.0 << QStringLiteral("W%1 W%2").arg(V::PLZ).arg(V::Ort);
    }
    void datenblattPositionen()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QString, text);
        Aufzeichnungsflaeche f;
        Datenblatt blatt(musterwerte(), QString());
        QVERIFY(blatt.seiteZeichnen(f));
        QVERIFY(!blatt.weiter());
        QCOMPARE(textBei(f, x, y), text);
        for (const Aufzeichnungsflaeche::Text &t : f.texte()) {
            QCOMPARE(t.fontName, QStringLiteral("Arial"));
            QCOMPARE(t.fontSize, 9.0);
            QVERIFY(!t.fontBold);
        }
        QCOMPARE(f.texte().size(), 32);
        QCOMPARE(f.endDocs(), 1);
    }

    // Empty postcode and town print a single space; an empty memo only the
    // line break at 55 mm.
    void datenblattLeer()
    {
        Aufzeichnungsflaeche f;
        Datenblatt blatt(V::Werte{}, QString());
        QVERIFY(blatt.seiteZeichnen(f));
        QStringList prints;
        for (const Aufzeichnungsflaeche::Aufruf &a : f.aufrufe())
            if (a.art == Aufzeichnungsflaeche::Aufruf::Print && a.a == 50 && a.b == 45)
                prints << a.text;
        QCOMPARE(prints, QStringList{QStringLiteral(" ")});
        const Aufzeichnungsflaeche::Aufruf &letzter = f.aufrufe().at(f.aufrufe().size() - 2);
        QCOMPARE(letzter.art, Aufzeichnungsflaeche::Aufruf::Print);
        QCOMPARE(letzter.text, QStringLiteral("\r\n"));
        QCOMPARE(letzter.b, Datenblatt::MemoY);
        QCOMPARE(letzter.scaleLeft, -10.0);
    }

    // The memo starts on the line below 55 mm, 10 mm from the edge; a long
    // one goes on over a further page, every line once and on the sheet;
    // wide lines wrap.
    void datenblattMemo()
    {
        QStringList memo;
        for (int i = 1; i <= 100; ++i)
            memo << QStringLiteral("Zeile %1").arg(i);
        memo << QStringLiteral("lang ").repeated(40).trimmed(); // 199 characters, 358 mm in the fixed metric
        Datenblatt blatt(musterwerte(), memo.join(u'\n'));
        QList<std::shared_ptr<Aufzeichnungsflaeche>> seiten;
        do {
            seiten << std::make_shared<Aufzeichnungsflaeche>();
            QVERIFY(blatt.seiteZeichnen(*seiten.last()));
        } while (blatt.weiter() && seiten.size() < 5);
        QCOMPARE(seiten.size(), 2);
        const double zeile = 9 * 0.4;
        QCOMPARE(textBei(*seiten[0], 10, 55 + zeile), QStringLiteral("Zeile 1"));
        QStringList gedruckt;
        for (const auto &s : seiten)
            for (const Aufzeichnungsflaeche::Text &t : zeilen(*s)) {
                QVERIFY2(t.blattY + zeile <= Datenblatt::Unterkante + 0.001, qPrintable(t.text));
                QVERIFY2(t.blattX + t.text.size() * 1.8 <= 200.001, qPrintable(t.text));
                if (t.blattY > 55 || s != seiten[0])
                    gedruckt << t.text;
            }
        QVERIFY(gedruckt.first().startsWith(QStringLiteral("Zeile 1")));
        QCOMPARE(gedruckt.count(QStringLiteral("Zeile 63")), 1);
        QCOMPARE(gedruckt.count(QStringLiteral("Zeile 100")), 1);
        QVERIFY(gedruckt.contains(QStringLiteral("W0 W1 (Fortsetzung)")));
        QCOMPARE(gedruckt.filter(QStringLiteral("lang")).join(u' '), memo.last());
        QCOMPARE(gedruckt.filter(QStringLiteral("lang")).size(), 2);
    }

    // The insurance list of a person heads with that person's own insurance
    // data and insurer, not the applicant's.
    void versicherungslisteDerPerson()
    {
        Feldtabelle t;
        for (const int n : {0, 5}) {
            t.setzen(V::tag(V::Nachname, n), QStringLiteral("Name-") + V::suffix(n));
            t.setzen(V::tag(V::Versicherungsnummer, n), QStringLiteral("Nr-") + V::suffix(n));
            t.setzen(V::tag(V::Name1, n), QStringLiteral("Versicherer-") + V::suffix(n));
            t.setzen(V::tag(V::Ort, n), QStringLiteral("Ort-") + V::suffix(n));
        }
        Druckauftrag a;
        a.variante = Druckvariante::fuer(Druckvariante::Aufrufer::Aufwendungen);
        a.variante.fortschritt = false;
        a.datenbank = TestUmgebung::mitgeliefert() + Formularkatalog::Dateiname;
        a.layout = Aufwendungsseiten::Versicherungslayout;
        a.pKVP = QStringLiteral("K4");
        a.felder = &t;
        Aufzeichnungsflaeche f;
        const Druckergebnis e = Layoutinterpreter::drucken(a, f);
        QVERIFY2(e.ok, qPrintable(e.fehler));
        QString gedruckt;
        for (const Aufzeichnungsflaeche::Text &text : f.texte())
            gedruckt += text.text + u'|';
        for (const char *w : {"Name-K4", "Nr-K4", "Versicherer-K4", "Ort-K4"})
            QVERIFY2(gedruckt.contains(QString::fromUtf8(w)), w);
        QVERIFY2(!gedruckt.contains(QStringLiteral("-A|")), qPrintable(gedruckt));
    }

    // A value wider than its room is printed smaller, and cut only when even
    // the smallest size is too wide; never over the next column.
    void breiterWert_data()
    {
        QTest::addColumn<QString>("wert");
        QTest::addColumn<bool>("ganz");
        QTest::newRow("kleiner") << QStringLiteral("Allgemeine Krankenversicherung a.G.") << true;
        QTest::newRow("gekürzt") << QStringLiteral("Allgemeine Krankenversicherung a.G. Nordrhein-Westfalen") << false;
    }
    void breiterWert()
    {
        QFETCH(QString, wert);
        QFETCH(bool, ganz);
        V::Werte w;
        w[V::Name1] = wert;
        Aufzeichnungsflaeche f;
        Datenblatt blatt(w, QString());
        QVERIFY(blatt.seiteZeichnen(f));
        const QString text = textBei(f, 50, 30);
        QCOMPARE(text == wert, ganz);
        if (!ganz)
            QVERIFY(text.endsWith(u'…') && wert.startsWith(text.chopped(1)));
        for (const Aufzeichnungsflaeche::Text &t : f.texte())
            if (t.text == text) {
                QVERIFY(t.fontSize < 9 && t.fontSize >= Datenblatt::KleinsteSchrift);
                QVERIFY(t.blattX + t.text.size() * 0.2 * t.fontSize <= 98.001);
            }
    }
};

VELMORA_TEST_MAIN_CORE(TestPrivatekvCore)
#include "TestPrivatekvCore.moc"

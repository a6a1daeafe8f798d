// The layout interpreter over a recording surface: substitution, row kinds,
// variants, list rows, failures.
#include "Druckhilfen.h"
#include "TestUmgebung.h"

#include "fields/Zusatzfeldtabelle.h"
#include "print/Aufzeichnungsflaeche.h"
#include "print/Fortschritt.h"
#include "print/Layoutinterpreter.h"
#include "shell/Datenbank.h"

#include <QGuiApplication>

using namespace druckhilfen;
using A = Druckvariante::Aufrufer;
using Aufruf = Aufzeichnungsflaeche::Aufruf;

Q_DECLARE_METATYPE(Druckvariante::Aufrufer)

namespace {
Druckauftrag auftrag(A aufrufer, const Feldtabelle *felder = nullptr)
{
    Druckauftrag a;
    a.variante = Druckvariante::fuer(aufrufer);
    a.layout = QStringLiteral("TEST");
    a.felder = felder;
    return a;
}

QStringList texte(const Aufzeichnungsflaeche &f)
{
    QStringList t;
    for (const auto &x : f.texte())
        t << x.text;
    return t;
}

QList<int> orientierungen(const Aufzeichnungsflaeche &f)
{
    QList<int> o;
    for (const Aufruf &a : f.aufrufe())
        if (a.art == Aufruf::Orientation)
            o << int(a.a);
    return o;
}

class Zaehler : public Fortschritt
{
public:
    QStringList schritte;
    void beginnen(int maximum) override { schritte << QStringLiteral("0..%1").arg(maximum); }
    void setzen(int wert) override { schritte << QString::number(wert); }
    void beenden() override { schritte << QStringLiteral("aus"); }
};
} // namespace

class TestLayoutinterpreter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ersetzen_data()
    {
        QTest::addColumn<A>("aufrufer");
        QTest::addColumn<QString>("inhalt");
        QTest::addColumn<QString>("pKVP");
        QTest::addColumn<QString>("erwartet");
        const A antrag = A::Antrag;
        QTest::newRow("zwei Felder") << antrag << "Vorname Name" << "" << "Max Muster";
        QTest::newRow("fremdes Wort faellt weg") << antrag << "Vorname Unbekannt, Name" << "" << "Max , Muster";
        QTest::newRow("nur Trenner bleiben") << antrag << " , " << "" << " , ";
        QTest::newRow("doppelte Blanks") << antrag << "Vorname  Name" << "" << "Max  Muster";
        QTest::newRow("gross/klein zaehlt") << antrag << "vorname Name" << "" << " Muster";
        QTest::newRow("Kasten an") << antrag << "Kasten$Vorname" << "" << "Max";
        QTest::newRow("Kasten aus") << antrag << "Leer$Vorname" << "" << "";
        QTest::newRow("Kasten fehlt") << antrag << "Fehlt$Vorname" << "" << "$Max";
        QTest::newRow("1$ nur am Anfang") << antrag << "Vorname Kasten$Name" << "" << "Max 1$Muster";
        QTest::newRow("$ trennt nicht im Hauptfenster") << A::Hauptform << "Kasten$Vorname" << "" << "";
        QTest::newRow("$ trennt nicht bei Aufwendungen") << A::Aufwendungen << "Kasten$Vorname" << "" << "";
        QTest::newRow("kein 0$/1$ bei Aufwendungen") << A::Aufwendungen << "Kasten,Name" << "" << "1,Muster";
        QTest::newRow("neun Woerter, 15 Faecher") << antrag << "W1 W2 W3 W4 W5 W6 W7 W8 W9" << ""
                                                 << "a b c d e f g h";
        QTest::newRow("neun Woerter, 10 Faecher") << A::Hauptform << "W1 W2 W3 W4 W5 W6 W7 W8 W9" << ""
                                                  << "a b c d e ";
        QTest::newRow("Person bei Aufwendungen") << A::Aufwendungen << "Summe[#P]xyz Vorname" << "K2"
                                                 << "42 Max";
        QTest::newRow("Person nicht im Antrag") << antrag << "Summe[#P]" << "K2" << "";
        QTest::newRow("letzte Zeile gewinnt") << antrag << "Doppelt" << "" << "zwei";
    }

    void ersetzen()
    {
        QFETCH(A, aufrufer);
        QFETCH(QString, inhalt);
        QFETCH(QString, pKVP);
        QFETCH(QString, erwartet);
        const Feldtabelle t = felder({"1Vorname=Max", "1Name=Muster", "2Kasten=1", "2Leer=0", "1SummeK2=42",
                                      "1W1=a", "1W2=b", "1W3=c", "1W4=d", "1W5=e", "1W6=f", "1W7=g", "1W8=h",
                                      "1W9=i", "1Doppelt=eins", "2Doppelt=zwei"});
        const Layoutinterpreter::Feldindex index(&t, nullptr);
        bool aenderung = false;
        QCOMPARE(Layoutinterpreter::ersetzen(inhalt, Druckvariante::fuer(aufrufer), index, pKVP, &aenderung),
                 erwartet);
        QVERIFY(!aenderung); // nothing in the table is changed
    }

    void aenderungsmarkeUndZusatzfelder()
    {
        const Feldtabelle t = felder({"1Name=Neu|Alt", "1Vorname=Max", "1Ort=Köln|Köln", "1Ort=Bonn|Köln"});
        const Layoutinterpreter::Feldindex index(&t, nullptr);
        const Druckvariante antrag = Druckvariante::fuer(A::Antrag);
        bool an = false;
        QCOMPARE(Layoutinterpreter::ersetzen(QStringLiteral("Vorname"), antrag, index, {}, &an), QStringLiteral("Max"));
        QVERIFY(!an);
        QCOMPARE(Layoutinterpreter::ersetzen(QStringLiteral("Vorname Name"), antrag, index, {}, &an),
                 QStringLiteral("Max Neu"));
        QVERIFY(an);
        // A changed earlier row of the same name marks the content too.
        an = false;
        QCOMPARE(Layoutinterpreter::ersetzen(QStringLiteral("Ort"), antrag, index, {}, &an), QStringLiteral("Bonn"));
        QVERIFY(an);
        // The expense pages never test changes.
        an = false;
        Layoutinterpreter::ersetzen(QStringLiteral("Name"), Druckvariante::fuer(A::Aufwendungen), index, {}, &an);
        QVERIFY(!an);

        // The side applications' table overrides the main table, only in the
        // main-window variant.
        Zusatzfeldtabelle z;
        z.setzen(QStringLiteral("1Vorname"), QStringLiteral("Erika"));
        z.setzen(QStringLiteral("1Betrag"), QStringLiteral("12,00"));
        const Layoutinterpreter::Feldindex mitZusatz(&t, &z);
        QCOMPARE(Layoutinterpreter::ersetzen(QStringLiteral("Vorname Betrag"), Druckvariante::fuer(A::Hauptform),
                                             mitZusatz, {}, nullptr),
                 QStringLiteral("Erika 12,00"));

        Druckauftrag a = auftrag(A::Antrag, &t);
        a.zusatz = &z;
        Aufzeichnungsflaeche f;
        Layoutinterpreter::zeichnen(a, {zeile(11, 0, 0, 0, 0, "Vorname Betrag")}, f);
        QCOMPARE(texte(f), QStringList{QStringLiteral("Max ")}); // the blank stays
        a.variante = Druckvariante::fuer(A::Hauptform);
        f.leeren();
        Layoutinterpreter::zeichnen(a, {zeile(11, 0, 0, 0, 0, "Vorname Betrag")}, f);
        QCOMPARE(texte(f), QStringList{QStringLiteral("Erika 12,00")});
    }

    // An answer wider than its room shrinks, down to 6 pt, then is cut with
    // "…"; the next row without a size of its own keeps the size before.
    void einpassen()
    {
        const Feldtabelle t = felder({"1Name=Muster"});
        Aufzeichnungsflaeche f; // 0.2 mm per character and point
        Layoutinterpreter::zeichnen(auftrag(A::Hauptform, &t), {zeile(21, 0, 0, 0, 9, "Name"), zeile(11, 0, 9, 0, 5, "Name"),
                                                              zeile(11, 0, 18, 0, 0, "Name", {})}, f);
        QCOMPARE(texte(f), (QStringList{QStringLiteral("Muster"), QStringLiteral("Mus…"), QStringLiteral("Muster")}));
        QCOMPARE(QList<double>({f.texte()[0].fontSize, f.texte()[1].fontSize, f.texte()[2].fontSize}),
                 QList<double>({7.5, 6, 10}));
    }

    void offsetWert_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("erwartet"); // -999: not a number
        QTest::newRow("ganz") << "5" << 5;
        QTest::newRow("blanks") << " 7 " << 7;
        QTest::newRow("negativ") << "-3" << -3;
        QTest::newRow("halb gerade ab") << "2.5" << 2;
        QTest::newRow("halb gerade auf") << "3.5" << 4;
        QTest::newRow("halb mit Komma") << "2,5" << 2;
        QTest::newRow("negativ halb") << "-2,5" << -2;
        QTest::newRow("fast halb") << "2,51" << 3;
        QTest::newRow("Text") << "abc" << -999;
        QTest::newRow("leer") << "" << -999;
        QTest::newRow("Zahl mit Text") << "5mm" << -999;
        QTest::newRow("zu gross") << "99999" << -999;
    }

    void offsetWert()
    {
        QFETCH(QString, text);
        QFETCH(int, erwartet);
        const std::optional<int> v = Layoutinterpreter::offsetWert(text);
        QCOMPARE(v.value_or(-999), erwartet);
    }

    void textarten()
    {
        // Fixed metrics: 0.2 mm per character and point, lines 0.4 mm per point.
        const Feldtabelle t = felder({"1Name=Muster"});
        Aufzeichnungsflaeche f;
        Layoutinterpreter::zeichnen(auftrag(A::Antrag, &t),
                                    {zeile(11, 20, 30, 0, 0, "Name"), zeile(12, 20, 40, 0, 50, "Name"),
                                     zeile(13, 20, 50, 10, 50, "Name"), zeile(1, 5, 6, 0, 0, "fest Name")},
                                    f);
        const auto tx = f.texte();
        QCOMPARE(tx.size(), 4);
        // Left-aligned, origin 10 mm right of the sheet's edge.
        QCOMPARE(tx[0].text, QStringLiteral("Muster"));
        QCOMPARE(tx[0].blattX, 30.0);
        QCOMPARE(tx[0].blattY, 30.0);
        // Right-aligned: ends exactly at x + Breite (6 chars * 2 mm = 12 mm).
        QCOMPARE(tx[1].x + 12.0, 70.0);
        QCOMPARE(tx[1].y, 40.0);
        // Centred both ways in the 50 x 10 box: width 12, height 4.
        QCOMPARE(tx[2].x, 20 + (50 - 12) / 2.0);
        QCOMPARE(tx[2].y, 50 + (10 - 4) / 2.0);
        // Kind 1 prints the literal text, field names included.
        QCOMPARE(tx[3].text, QStringLiteral("fest Name"));
    }

    void linienUndFlaechen()
    {
        Aufzeichnungsflaeche f;
        auto a = auftrag(A::AntragVorschau);
        Layoutinterpreter::zeichnen(a,
                                    {zeile(0, 1, 2, 3, 4, {}), zeile(4, 10, 20, 30, 0, {}), zeile(4, 10, 20, 0, 30, {}),
                                     zeile(4, 10, 20, 5, 40, {})},
                                    f);
        const auto fl = f.flaechen();
        QCOMPARE(fl.size(), 1);
        QCOMPARE(fl[0].x1, 1.0);
        QCOMPARE(fl[0].y1, 2.0);
        QCOMPARE(fl[0].x2, 5.0); // x + Breite
        QCOMPARE(fl[0].y2, 5.0); // y + Höhe
        QCOMPARE(fl[0].farbe, QColor(230, 230, 230));
        const auto st = f.striche();
        QCOMPARE(st.size(), 1 + 1 + 4);
        // Breite 0: one vertical line of length Höhe.
        QCOMPARE(QList<double>({st[0].x1, st[0].y1, st[0].x2, st[0].y2}), QList<double>({10, 20, 10, 50}));
        // Höhe 0: one horizontal line.
        QCOMPARE(QList<double>({st[1].x1, st[1].y1, st[1].x2, st[1].y2}), QList<double>({10, 20, 40, 20}));
        // A box: top, left, bottom, right.
        QCOMPARE(QList<double>({st[2].x1, st[2].y1, st[2].x2, st[2].y2}), QList<double>({10, 20, 50, 20}));
        QCOMPARE(QList<double>({st[3].x1, st[3].y1, st[3].x2, st[3].y2}), QList<double>({10, 20, 10, 25}));
        QCOMPARE(QList<double>({st[4].x1, st[4].y1, st[4].x2, st[4].y2}), QList<double>({10, 25, 50, 25}));
        QCOMPARE(QList<double>({st[5].x1, st[5].y1, st[5].x2, st[5].y2}), QList<double>({50, 20, 50, 25}));
        for (const auto &s : st)
            QCOMPARE(s.drawWidth, 1); // the preview draws thin lines
    }

    void kreuze_data()
    {
        QTest::addColumn<A>("aufrufer");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("feld"); // value|baseline
        QTest::addColumn<bool>("komplett");
        QTest::addColumn<bool>("kreuz");
        QTest::newRow("14 mit 1") << A::Antrag << 14 << "1|1" << false << true;
        QTest::newRow("14 mit 0") << A::Antrag << 14 << "0|0" << false << false;
        QTest::newRow("14 mit Text") << A::Antrag << 14 << "ja|ja" << false << false;
        QTest::newRow("16 mit 0") << A::Antrag << 16 << "0|0" << false << true;
        QTest::newRow("16 mit 1") << A::Antrag << 16 << "1|1" << false << false;
        QTest::newRow("14 Option gewaehlt") << A::Hauptform << 14 << "Wahr|Wahr" << false << true;
        QTest::newRow("14 Option nicht gewaehlt") << A::Hauptform << 14 << "Falsch|Falsch" << false << false;
        QTest::newRow("16 Option nicht gewaehlt") << A::Hauptform << 16 << "Falsch|Falsch" << false << true;
        QTest::newRow("24 unveraendert") << A::Antrag << 24 << "1|1" << false << false;
        QTest::newRow("24 geaendert") << A::Antrag << 24 << "1|0" << false << true;
        QTest::newRow("24 komplett") << A::Antrag << 24 << "1|1" << true << true;
        QTest::newRow("24 Vorschau komplett") << A::AntragVorschau << 24 << "1|1" << true << true;
        QTest::newRow("24 Aufwendungen immer") << A::Aufwendungen << 24 << "1|1" << false << true;
        QTest::newRow("24 Hauptfenster immer") << A::Hauptform << 24 << "1|1" << false << true;
        QTest::newRow("26 geaendert") << A::Antrag << 26 << "0|1" << false << true;
        QTest::newRow("26 unveraendert") << A::Antrag << 26 << "0|0" << false << false;
    }

    void kreuze()
    {
        QFETCH(A, aufrufer);
        QFETCH(int, art);
        QFETCH(QString, feld);
        QFETCH(bool, komplett);
        QFETCH(bool, kreuz);
        const Feldtabelle t = felder({QStringLiteral("2Kasten=") + feld});
        Druckauftrag a = auftrag(aufrufer, &t);
        a.komplett = komplett;
        Aufzeichnungsflaeche f;
        Layoutinterpreter::zeichnen(a, {zeile(art, 10, 20, 4, 4, "Kasten")}, f);
        const auto st = f.striche();
        if (!kreuz) {
            QVERIFY(st.isEmpty());
            return;
        }
        QCOMPARE(st.size(), 2);
        const double dx = a.variante.scaleLeft ? 10 : 0;
        QCOMPARE(QList<double>({st[0].x1, st[0].y1, st[0].x2, st[0].y2}), QList<double>({10 + dx, 20, 14 + dx, 24}));
        QCOMPARE(QList<double>({st[1].x1, st[1].y1, st[1].x2, st[1].y2}), QList<double>({14 + dx, 20, 10 + dx, 24}));
    }

    void aenderungszeilen()
    {
        // Kinds 21-23 print only when a field of theirs changed, or complete.
        const Feldtabelle t = felder({"1Bank=Sparkasse|Sparkasse", "1Konto=123|999"});
        const Layout l = {zeile(21, 0, 10, 0, 0, "Bank"), zeile(22, 0, 20, 0, 50, "Konto"),
                          zeile(23, 0, 30, 10, 50, "Bank Konto")};
        Aufzeichnungsflaeche f;
        Layoutinterpreter::zeichnen(auftrag(A::Antrag, &t), l, f);
        QCOMPARE(texte(f), QStringList({"123", "Sparkasse 123"}));
        Druckauftrag komplett = auftrag(A::Antrag, &t);
        komplett.komplett = true;
        f.leeren();
        Layoutinterpreter::zeichnen(komplett, l, f);
        QCOMPARE(texte(f), QStringList({"Sparkasse", "123", "Sparkasse 123"}));
        f.leeren();
        Layoutinterpreter::zeichnen(auftrag(A::AufwendungenVorschau, &t), l, f);
        QCOMPARE(texte(f), QStringList({"Sparkasse", "123", "Sparkasse 123"}));
    }

    void offsetVerschiebt()
    {
        const Layout l = {zeile(1, 0, 50, 0, 0, "Text"), zeile(4, 0, 60, 0, 10, {})};
        auto lauf = [&](A aufrufer, const QString &offset) {
            Druckauftrag a = auftrag(aufrufer);
            a.offset = offset;
            Aufzeichnungsflaeche f;
            Layoutinterpreter::zeichnen(a, l, f);
            return std::pair(f.texte().value(0).blattY, f.striche().value(0).y1);
        };
        QCOMPARE(lauf(A::Antrag, QStringLiteral("0")), std::pair(50.0, 60.0));
        QCOMPARE(lauf(A::Antrag, QStringLiteral("5")), std::pair(45.0, 55.0));   // 5 mm higher
        QCOMPARE(lauf(A::Antrag, QStringLiteral("-2,5")), std::pair(52.0, 62.0)); // -2 mm: lower
        QCOMPARE(lauf(A::Antrag, QStringLiteral("abc")), std::pair(50.0, 60.0));
        QCOMPARE(lauf(A::AufwendungenVorschau, QStringLiteral("5")), std::pair(45.0, 55.0));
        // The print dialog's preview and the main-window variant ignore it.
        QCOMPARE(lauf(A::AntragVorschau, QStringLiteral("5")), std::pair(50.0, 60.0));
        QCOMPARE(lauf(A::Hauptform, QStringLiteral("5")), std::pair(50.0, 60.0));
    }

    void schrifttypUndGroesse()
    {
        Aufzeichnungsflaeche f;
        Layoutinterpreter::zeichnen(auftrag(A::Antrag),
                                    {zeile(1, 0, 0, 0, 0, "normal", 9, "N"), zeile(1, 0, 1, 0, 0, "leer", 8, ""),
                                     zeile(1, 0, 2, 0, 0, "anders", 7, "F"), zeile(1, 0, 3, 0, 0, "null", 12, {}),
                                     zeile(1, 0, 4, 0, 0, "klein n", 11, "n"),
                                     zeile(1, 0, 5, 0, 0, "ohne Groesse", {}, "N")},
                                    f);
        const auto tx = f.texte();
        QCOMPARE(tx.size(), 6);
        QCOMPARE(tx[0].fontBold, false);
        QCOMPARE(tx[0].fontSize, 9.0);
        QCOMPARE(tx[1].fontBold, true);
        QCOMPARE(tx[2].fontBold, true);
        QCOMPARE(tx[3].fontBold, true);
        QCOMPARE(tx[4].fontBold, true);
        QCOMPARE(tx[4].fontSize, 11.0);
        // An unreadable size keeps the size of the row before.
        QCOMPARE(tx[5].fontSize, 11.0);
        for (const auto &t : tx)
            QCOMPARE(t.fontName, QStringLiteral("Arial"));
    }

    void vorbereitung_data()
    {
        QTest::addColumn<A>("aufrufer");
        QTest::addColumn<bool>("querformat");
        QTest::addColumn<double>("scaleLeft");
        QTest::addColumn<int>("drawWidth");
        QTest::addColumn<int>("endDocs");
        QTest::addColumn<QList<int>>("orientierungen"); // the printer starts in landscape (2)
        QTest::newRow("Antrag hoch") << A::Antrag << false << -10.0 << 3 << 1 << QList<int>{2, 1, 2};
        QTest::newRow("Antrag quer") << A::Antrag << true << -10.0 << 3 << 1 << QList<int>{2, 2, 2};
        QTest::newRow("Antrag Vorschau") << A::AntragVorschau << true << 0.0 << 1 << 0 << QList<int>{};
        QTest::newRow("Hauptfenster") << A::Hauptform << true << -10.0 << 3 << 1 << QList<int>{2, 1};
        QTest::newRow("Aufwendungen quer") << A::Aufwendungen << true << -10.0 << 3 << 1 << QList<int>{2, 2, 2};
        QTest::newRow("Aufwendungen Vorschau") << A::AufwendungenVorschau << false << -10.0 << 1 << 0 << QList<int>{};
    }

    void vorbereitung()
    {
        QFETCH(A, aufrufer);
        QFETCH(bool, querformat);
        QFETCH(double, scaleLeft);
        QFETCH(int, drawWidth);
        QFETCH(int, endDocs);
        QFETCH(QList<int>, orientierungen);
        Aufzeichnungsflaeche f;
        f.setOrientation(2);
        f.leeren();
        Druckauftrag a = auftrag(aufrufer);
        a.querformat = querformat;
        const Druckergebnis e = Layoutinterpreter::zeichnen(a, {zeile(4, 0, 0, 0, 5, {})}, f);
        QVERIFY(e.ok);
        QCOMPARE(e.zeilen, 1);
        QCOMPARE(f.aufrufe().first().art, Aufruf::ScaleMode);
        QCOMPARE(f.aufrufe().first().a, 6.0);
        QCOMPARE(f.striche().value(0).drawWidth, drawWidth);
        QCOMPARE(f.endDocs(), endDocs);
        QCOMPARE(::orientierungen(f), orientierungen);
        QCOMPARE(f.scaleLeft(), scaleLeft);
        // The four invisible blanks, the second at 10 pt, the last two at 6 pt.
        QList<double> leer;
        for (const Aufruf &x : f.aufrufe())
            if (x.art == Aufruf::Print)
                leer << x.fontSize;
        QCOMPARE(leer, QList<double>({10, 10, 6, 6}));
        // Drawing comes after preparation; EndDoc last when there is one.
        if (endDocs)
            QCOMPARE(f.aufrufe().last().art == Aufruf::EndDoc || f.aufrufe().last().art == Aufruf::Orientation, true);
    }

    void listen()
    {
        Testbelege b;
        b.belege = {{{"Datum", "01.02.2003"}, {"Betrag", "10,00"}},
                    {{"Betrag", "20,00"}},
                    {{"Datum", "03.02.2003"}, {"Betrag", "300,00"}}};
        Druckauftrag a = auftrag(A::Aufwendungen);
        a.belege = &b;
        Aufzeichnungsflaeche f;
        Layoutinterpreter::zeichnen(a,
                                    {zeile(41, 10, 100, 5, 30, "Datum"), zeile(42, 50, 100, 0, 30, "Betrag"),
                                     zeile(43, 90, 100, 0, 30, "Betrag")},
                                    f);
        const auto tx = f.texte();
        QCOMPARE(tx.size(), 2 + 3 + 3);
        // Skipped receipts leave no gap; the first stands one pitch below y.
        QCOMPARE(tx[0].text, QStringLiteral("01.02.2003"));
        QCOMPARE(tx[0].y, 105.0);
        QCOMPARE(tx[0].x, 10.0);
        QCOMPARE(tx[1].text, QStringLiteral("03.02.2003"));
        QCOMPARE(tx[1].y, 110.0);
        // Höhe 0: 6 mm pitch, right-aligned to x + Breite.
        QCOMPARE(tx[2].y, 106.0);
        QCOMPARE(tx[3].y, 112.0);
        QCOMPARE(tx[4].y, 118.0);
        QCOMPARE(tx[4].x + 6 * 2.0, 80.0);
        // Centred in the column.
        QCOMPARE(tx[7].x, 90 + (30 - 6 * 2.0) / 2);

        // Only the block of the page is asked for.
        b.von = 2;
        b.bis = 3;
        b.gefragt.clear();
        f.leeren();
        Layoutinterpreter::zeichnen(a, {zeile(42, 50, 100, 0, 30, "Betrag")}, f);
        QCOMPARE(b.gefragt, QList<int>({2, 3}));
        QCOMPARE(texte(f), QStringList({"20,00", "300,00"}));

        // The application's variants and an application without receipts
        // print no list.
        f.leeren();
        a.variante = Druckvariante::fuer(A::Antrag);
        Layoutinterpreter::zeichnen(a, {zeile(41, 10, 100, 5, 30, "Datum")}, f);
        QVERIFY(f.texte().isEmpty());
        Testbelege keine;
        a.variante = Druckvariante::fuer(A::Aufwendungen);
        a.belege = &keine;
        Layoutinterpreter::zeichnen(a, {zeile(41, 10, 100, 5, 30, "Datum")}, f);
        QVERIFY(f.texte().isEmpty());
        QVERIFY(keine.gefragt.isEmpty());
    }

    void nurInhalte()
    {
        const Feldtabelle t = felder({"1Name=Muster"});
        const Layout l = {zeile(0, 0, 0, 5, 5, {}), zeile(1, 0, 0, 0, 0, "Formtext"), zeile(4, 0, 0, 5, 5, {}),
                          zeile(11, 0, 10, 0, 0, "Name")};
        Druckauftrag a = auftrag(A::Aufwendungen, &t);
        a.nurInhalte = true;
        Aufzeichnungsflaeche f;
        Layoutinterpreter::zeichnen(a, l, f);
        QCOMPARE(texte(f), QStringList{QStringLiteral("Muster")});
        QVERIFY(f.striche().isEmpty());
        QVERIFY(f.flaechen().isEmpty());
        // The application's print has no such switch.
        a.variante = Druckvariante::fuer(A::Antrag);
        f.leeren();
        Layoutinterpreter::zeichnen(a, l, f);
        QCOMPARE(texte(f), QStringList({"Formtext", "Muster"}));
    }

    void unlesbareSpaltenUndArten()
    {
        const Feldtabelle t = felder({"1Name=Muster", "1A=1", "1B=Wert"});
        Aufzeichnungsflaeche f;
        Layoutinterpreter::zeichnen(auftrag(A::AntragVorschau, &t),
                                    {zeile(11, {}, "abc", 0, 0, "Name"), zeile(1, 5, 6, 0, 0, {}),
                                     zeile(15, 0, 0, 0, 0, "A=1:B"), zeile({}, 0, 0, 5, 5, "Name"),
                                     zeile(99, 0, 0, 5, 5, "Name"), zeile(10, 0, 0, 5, 5, "Name"),
                                     zeile("11", "12,5", "7", 0, 0, "Name", 10, "N", "3"),
                                     zeile(11.4, 0, 0, 0, 0, "Name")},
                                    f);
        const auto tx = f.texte();
        QCOMPARE(tx.size(), 3);
        // Unreadable x and y stay 0; a Null content is empty.
        QCOMPARE(tx[0].x, 0.0);
        QCOMPARE(tx[0].y, 0.0);
        // Numbers stored as text still read; BeginnY adds to y.
        QCOMPARE(tx[1].x, 12.5);
        QCOMPARE(tx[1].y, 10.0);
        QCOMPARE(tx[2].text, QStringLiteral("Muster"));
        // Kind 15, a kind that cannot be read, and unknown kinds draw nothing.
        QVERIFY(f.striche().isEmpty());
        QVERIFY(f.flaechen().isEmpty());
    }

    void datenbankReihenfolgeUndEuro()
    {
        const QString db = TestUmgebung::neuesVerzeichnis(QStringLiteral("db")) + QStringLiteral("drucken.mdb");
        QString fehler;
        QVERIFY2(layoutDatenbank(db,
                                 {{"Antragsdruck", "SEITE", 11, 0, 80, 0, 0, 0, "Name", 10, "N"},
                                  {"Antragsdruck", "SEITE", 1, 0, 20, 0, 0, 0, "unten", 10, "N"},
                                  {"Antragsdruck", "SEITE", 1, 0, 10, 5, 0, 0, "oben", 10, "N"},
                                  {"Antragsdruck", "SEITE", 0, 0, 0, 0, 100, 100, {}, 10, "N"},
                                  {"Antragsdruck", "ANDERE", 1, 0, 0, 0, 0, 0, "andere", 10, "N"},
                                  {"AntragsdruckEuro", "SEITE", 1, 0, 0, 0, 0, 0, "Euro", 10, "N"},
                                  {"Antragsdruck", "O'Brien", 1, 0, 0, 0, 0, 0, "Apostroph", 10, "N"}},
                                 &fehler),
                 qPrintable(fehler));
        const Feldtabelle t = felder({"1Name=Muster"});
        Druckauftrag a = auftrag(A::Antrag, &t);
        a.datenbank = db;
        a.layout = QStringLiteral("SEITE");
        Aufzeichnungsflaeche f;
        QVERIFY(Layoutinterpreter::drucken(a, f).ok);
        // Ordered by kind, then y (BeginnY does not count for the order).
        QCOMPARE(texte(f), QStringList({"oben", "unten", "Muster"}));
        bool flaecheZuerst = false;
        for (const Aufruf &x : f.aufrufe()) {
            if (x.art == Aufruf::Box)
                flaecheZuerst = true;
            if (x.art == Aufruf::Print && !x.text.trimmed().isEmpty())
                QVERIFY(flaecheZuerst);
        }
        a.euro = true;
        f.leeren();
        QVERIFY(Layoutinterpreter::drucken(a, f).ok);
        QCOMPARE(texte(f), QStringList{QStringLiteral("Euro")});
        // The main-window variant has no Euro switch.
        a.variante = Druckvariante::fuer(A::Hauptform);
        f.leeren();
        QVERIFY(Layoutinterpreter::drucken(a, f).ok);
        QCOMPARE(texte(f).size(), 3);
        // A name with an apostrophe is only a name.
        a.layout = QStringLiteral("O'Brien");
        f.leeren();
        QVERIFY(Layoutinterpreter::drucken(a, f).ok);
        QCOMPARE(texte(f), QStringList{QStringLiteral("Apostroph")});
    }

    void fehlendeVorlageStartetKeineSeite()
    {
        const QString verzeichnis = TestUmgebung::neuesVerzeichnis(QStringLiteral("fehlt"));
        const QString db = verzeichnis + QStringLiteral("drucken.mdb");
        QVERIFY(layoutDatenbank(db, {{"Antragsdruck", "DA", 1, 0, 0, 0, 0, 0, "x", 10, "N"}}));
        Druckauftrag a = auftrag(A::Antrag);
        a.datenbank = db;
        Zaehler z;
        a.fortschritt = &z;
        struct Fall
        {
            QString datenbank, layout;
            bool euro;
            QString meldung;
        };
        const QList<Fall> faelle = {
            {db, QStringLiteral("FEHLT"), false, QStringLiteral("Druckvorlage \"FEHLT\" nicht gefunden.")},
            {db, QStringLiteral("DA"), true, QStringLiteral("Druckvorlage \"DA\" nicht gefunden. (Euro-Ausgabe)")},
            {db, QString(), false, QStringLiteral("Druckvorlage nicht gefunden")},
            {verzeichnis + QStringLiteral("nicht.mdb"), QStringLiteral("DA"), false,
             QStringLiteral("Die Druckdatenbank %1 fehlt.").arg(verzeichnis + QStringLiteral("nicht.mdb"))},
        };
        for (const Fall &fall : faelle) {
            a.datenbank = fall.datenbank;
            a.layout = fall.layout;
            a.euro = fall.euro;
            Aufzeichnungsflaeche f;
            const Druckergebnis e = Layoutinterpreter::drucken(a, f);
            QVERIFY(!e.ok);
            QVERIFY2(e.fehler.startsWith(fall.meldung), qPrintable(e.fehler));
            QVERIFY2(f.aufrufe().isEmpty(), "no page may be started");
        }
        QVERIFY(z.schritte.isEmpty());
        // A file that is no database is refused the same way.
        QFile kaputt(verzeichnis + QStringLiteral("kaputt.mdb"));
        QVERIFY(kaputt.open(QIODevice::WriteOnly));
        kaputt.write("kein SQLite");
        kaputt.close();
        a.datenbank = kaputt.fileName();
        a.layout = QStringLiteral("DA");
        a.euro = false;
        Aufzeichnungsflaeche f;
        Druckergebnis e = Layoutinterpreter::drucken(a, f);
        QVERIFY(!e.ok);
        QVERIFY(f.aufrufe().isEmpty());
        const QString beschaedigt = QStringLiteral("Die Druckdatenbank %1 ist beschädigt");
        QVERIFY2(e.fehler.startsWith(beschaedigt.arg(kaputt.fileName())), qPrintable(e.fehler));
        // Without the form kinds every catalogue entry stays empty: the
        // file's fault, not a missing layout.
        const QString ohne = verzeichnis + QStringLiteral("ohne.mdb");
        QVERIFY(Datenbank::erstellen(ohne));
        a.datenbank = ohne;
        a.layout.clear();
        e = Layoutinterpreter::drucken(a, f);
        QVERIFY2(e.fehler.startsWith(beschaedigt.arg(ohne)), qPrintable(e.fehler));
    }

    void fortschritt()
    {
        Zaehler z;
        Druckauftrag a = auftrag(A::Antrag);
        a.fortschritt = &z;
        Aufzeichnungsflaeche f;
        const Layout l = {zeile(1, 0, 0, 0, 0, "a"), zeile(1, 0, 0, 0, 0, "b"), zeile(1, 0, 0, 0, 0, "c")};
        Layoutinterpreter::zeichnen(a, l, f);
        QCOMPARE(z.schritte, QStringList({"0..3", "1", "2", "3", "aus"}));
        // The expense dialog keeps its bar; the preview of the print dialog has none.
        z.schritte.clear();
        a.variante = Druckvariante::fuer(A::Aufwendungen);
        Layoutinterpreter::zeichnen(a, l, f);
        QCOMPARE(z.schritte, QStringList({"0..3", "1", "2", "3"}));
        z.schritte.clear();
        a.variante = Druckvariante::fuer(A::AntragVorschau);
        Layoutinterpreter::zeichnen(a, l, f);
        QVERIFY(z.schritte.isEmpty());
    }

    void mehrzeiligeTexte()
    {
        Aufzeichnungsflaeche f;
        f.setScaleLeft(-10);
        f.setFontSize(10);
        QCOMPARE(f.TextWidth(QStringLiteral("ab\nabcd")), 8.0);
        QCOMPARE(f.TextHeight(QStringLiteral("ab\nabcd")), 8.0);
        QCOMPARE(f.TextHeight(QString()), 4.0);
        f.setCurrentX(30);
        f.setCurrentY(40);
        f.Print(QStringLiteral("eins\r\nzwei"));
        // The next line starts at x = 0, one line lower.
        QCOMPARE(f.currentX(), 0.0);
        QCOMPARE(f.currentY(), 48.0);
    }
};

VELMORA_TEST_MAIN_CORE(TestLayoutinterpreter)
#include "TestLayoutinterpreter.moc"

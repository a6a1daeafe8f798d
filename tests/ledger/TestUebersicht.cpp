#include "TestUmgebung.h"

#include "ledger/Antragsdatenbank.h"
#include "ledger/Jahresdiagramm.h"
#include "ledger/Uebersicht.h"
#include "ledger/UebersichtCsv.h"
#include "ledger/Uebersichtsfilter.h"
#include "ledger/Uebersichtstabelle.h"
#include "print/druck/Druckkommando.h"
#include "print/druck/Uebersichtsdruck.h"
#include "base/GermanDate.h"
#include "base/GermanMoney.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QRegularExpression>

namespace {
const QDate kHeute(2024, 3, 15);

struct B
{
    QString datum;
    double rechnung;
    bool euro;
    double erstattung = 0;
    double erstattungV = 0;
    QString faellig = {};
    QString bezahlt = {};
    double versicherung = 0;
};

QString neueDatenbank()
{
    const QString pfad = TestUmgebung::neuesVerzeichnis(QStringLiteral("uebersicht")) + Antragsdatenbank::Dateiname;
    QFile::copy(TestUmgebung::mitgeliefert() + Antragsdatenbank::Vorlage, pfad);
    QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
    Antragsdatenbank::DB_Struktur(pfad);
    return pfad;
}

void speichern(const QString &pfad, const QString &datum, const QString &eingereicht, const QString &zurueck,
               const QVector<B> &belege, const QString &bemerkung = {})
{
    Antragskopf k;
    k.Antragsdatum = datum;
    k.eingereichtam = eingereicht;
    k.zurueckerhalten = zurueck;
    k.Bemerkungen = bemerkung;
    Rechnungspositionen t;
    int nr = 0;
    for (const B &b : belege) {
        Rechnungsposition r;
        r.Beleg = qint16(++nr);
        r.Datum = b.datum;
        r.Empfaenger = QStringLiteral("A");
        r.Rechnung = b.rechnung;
        r.Versicherung = b.versicherung;
        r.Erstattung = b.erstattung;
        r.ErstattungV = b.erstattungV;
        r.euro = b.euro;
        r.faelligam = b.faellig;
        r.bezahltam = b.bezahlt;
        t.hinzufuegen(r);
    }
    QString fehler;
    QVERIFY2(Antragsdatenbank::speichern(pfad, Antragsdatenbank::kennung(datum, {}), k, t, &fehler),
             qPrintable(fehler));
}

const Uebersicht::Antrag *antrag(const Uebersicht &u, const QString &kennung)
{
    for (const Uebersicht::Antrag &a : u.antraege())
        if (a.kennung == kennung)
            return &a;
    return nullptr;
}

QByteArray pruefsumme(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                       : QByteArray();
}

// A small CSV reader as a spreadsheet reads the file: quoted cells may hold
// semicolons, doubled quotes and line breaks.
QVector<QStringList> csvLesen(const QString &text)
{
    QVector<QStringList> zeilen;
    QStringList zeile;
    QString zelle;
    bool inAnf = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inAnf) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"')
                zelle += u'"', ++i;
            else if (c == u'"')
                inAnf = false;
            else
                zelle += c;
        } else if (c == u'"') {
            inAnf = true;
        } else if (c == u';') {
            zeile.append(zelle), zelle.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            zeile.append(zelle), zelle.clear();
            zeilen.append(zeile), zeile.clear();
            ++i;
        } else {
            zelle += c;
        }
    }
    return zeilen;
}
} // namespace

class TestUebersicht : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void statusUndSummen();
    void fristGrenze();
    void jahresgrenze();
    void ohneAntragsdatum();
    void kaputteDatenbank_data();
    void kaputteDatenbank();
    void csvRundreise();
    void druckListe();
    void diagrammachse_data();
    void diagrammachse();
    void diagrammbalken();
    void nochOffen();
    void kennungFristJournalCsv();
};

void TestUebersicht::statusUndSummen()
{
    const QString pfad = neueDatenbank();
    // 195,583 DM are 100,00 euro; the refunds of a DM receipt are DM as well.
    speichern(pfad, QStringLiteral("01.02.2024"), {}, {},
              {{QStringLiteral("10.01.2024"), 195.583, false, 97.7915, 0, {}, {}, 39.1166},
               {QStringLiteral("11.01.2024"), 50.0, true, 20.0, 10.0}});
    speichern(pfad, QStringLiteral("01.01.2024"), QStringLiteral("05.03.2024"), {},
              {{QStringLiteral("03.12.2023"), 80.0, true}});
    speichern(pfad, QStringLiteral("01.06.2023"), QStringLiteral("02.06.2023"), QStringLiteral("01.07.2023"),
              {{QStringLiteral("02.05.2023"), 391.166, false, 195.583, 97.7915}});
    const QByteArray vorher = pruefsumme(pfad);

    Uebersicht u;
    QString fehler;
    QVERIFY2(Uebersicht::lesen(pfad, &u, &fehler), qPrintable(fehler));
    QCOMPARE(pruefsumme(pfad), vorher); // only read
    QCOMPARE(u.antraege().size(), 3);
    QCOMPARE(u.antraege().at(0).kennung, QStringLiteral("01.02.2024")); // newest first

    const Uebersicht::Antrag *inArbeit = antrag(u, QStringLiteral("01.02.2024"));
    QCOMPARE(inArbeit->status(), Uebersicht::Status::InArbeit);
    QCOMPARE(inArbeit->belege.size(), 2);
    QCOMPARE(inArbeit->rechnung, 150.0);
    QCOMPARE(inArbeit->versicherung, 20.0);
    QCOMPARE(inArbeit->erstattung, 70.0);
    QCOMPARE(inArbeit->erstattungV, 10.0);
    QCOMPARE(inArbeit->offen(), 70.0);
    QVERIFY(!inArbeit->tageEingereicht(kHeute));

    const Uebersicht::Antrag *eingereicht = antrag(u, QStringLiteral("01.01.2024"));
    QCOMPARE(eingereicht->status(), Uebersicht::Status::Eingereicht);
    QCOMPARE(eingereicht->tageEingereicht(kHeute), std::optional<int>(10));
    QCOMPARE(eingereicht->offen(), 0.0);

    const Uebersicht::Antrag *erledigt = antrag(u, QStringLiteral("01.06.2023"));
    QCOMPARE(erledigt->status(), Uebersicht::Status::Erledigt);
    QCOMPARE(erledigt->rechnung, 200.0);
    QCOMPARE(erledigt->offen(), 0.0);
    QCOMPARE(u.offenGesamt(), 70.0);

    // What the table shows for a row.
    Uebersichtstabelle t;
    t.setInhalt(u.antragsInhalt(kHeute));
    const QStringList zeile1 = [&] {
        QStringList z;
        for (int c = 0; c < t.columnCount(); ++c)
            z << t.index(1, c).data().toString();
        return z;
    }();
    QCOMPARE(zeile1.mid(0, 12), QStringList({"01.01.2024", "01.01.2024", "05.03.2024", "", "1", "80,00", "0,00",
                                             "0,00", "0,00", "0,00", "eingereicht", "10"}));

    // The application open in the ledger takes the place of its stored copy.
    Antragskopf k;
    k.Antragsdatum = QStringLiteral("01.02.2024");
    Rechnungsposition r;
    r.Datum = QStringLiteral("12.01.2024");
    r.Rechnung = 1955.83;
    u.einbeziehen(QStringLiteral("01.02.2024"), k, {r});
    QCOMPARE(u.antraege().size(), 3);
    QVERIFY(antrag(u, QStringLiteral("01.02.2024"))->geoeffnet);
    QCOMPARE(antrag(u, QStringLiteral("01.02.2024"))->rechnung, 1000.0);
}

void TestUebersicht::fristGrenze()
{
    const QString pfad = neueDatenbank();
    // With 24 months, a receipt of 15.03.2022 may be claimed up to 15.03.2024.
    speichern(pfad, {}, {}, {},
              {{QStringLiteral("15.03.2022"), 10.0, true},                  // exactly at the deadline
               {QStringLiteral("14.03.2022"), 20.0, true},                  // one day past
               {QStringLiteral("14.05.2022"), 30.0, true},                  // 60 days left
               {QStringLiteral("15.05.2022"), 40.0, true},                  // 61 days left: not yet
               {QStringLiteral("01.03.2024"), 50.0, true, 0, 0, QStringLiteral("01.03.2024")}, // unpaid
               {QStringLiteral("01.03.2024"), 60.0, true, 0, 0, QStringLiteral("01.03.2024"),
                QStringLiteral("05.03.2024")}});                            // paid
    // Receipts of a submitted application are claimed: no deadline for them.
    speichern(pfad, QStringLiteral("01.03.2024"), QStringLiteral("02.03.2024"), {},
              {{QStringLiteral("01.01.2022"), 70.0, true}});
    Uebersicht u;
    QVERIFY(Uebersicht::lesen(pfad, &u));

    const QVector<Uebersicht::Frist> f = u.fristen(kHeute, 24);
    QCOMPARE(f.size(), 4);
    QCOMPARE(f.at(0).art, Uebersicht::Frist::Art::Zahlung); // oldest first
    QCOMPARE(f.at(0).tage, 14);
    QCOMPARE(f.at(1).beleg.rechnung, 20.0);
    QCOMPARE(f.at(1).stichtag, QDate(2024, 3, 14));
    QCOMPARE(f.at(1).tage, 1);
    QCOMPARE(f.at(2).beleg.rechnung, 10.0);
    QCOMPARE(f.at(2).tage, 0);
    QCOMPARE(f.at(3).beleg.rechnung, 30.0);
    QCOMPARE(f.at(3).tage, -60);
    // Within 60 days of the deadline: the one at it today and the one 60
    // days before it; the lapsed one no longer.
    QCOMPARE(u.baldAblaufend(kHeute, 24), 2);
    QCOMPARE(u.baldAblaufend(kHeute.addDays(1), 24), 2); // 10,00 lapses, 40,00 comes in
    QCOMPARE(u.fristenInhalt(kHeute, 24).zeilen.at(1).last().toString(), QStringLiteral("Frist abgelaufen seit 1 Tag"));
    // A longer deadline from the settings moves them all out.
    Uebersicht::setFristMonate(36);
    QCOMPARE(Uebersicht::fristMonate(), 36);
    QCOMPARE(u.fristen(kHeute, Uebersicht::fristMonate()).size(), 1);
    Uebersicht::setFristMonate(0);
    QCOMPARE(Uebersicht::fristMonate(), Uebersicht::StandardFristMonate);
}

void TestUebersicht::jahresgrenze()
{
    const QString pfad = neueDatenbank();
    speichern(pfad, QStringLiteral("10.01.2024"), {}, {},
              {{QStringLiteral("31.12.2022"), 100.0, true, 40.0, 10.0},
               {QStringLiteral("01.01.2023"), 195.583, false, 97.7915, 0}});
    Uebersicht u;
    QVERIFY(Uebersicht::lesen(pfad, &u));
    const QVector<Uebersicht::Jahr> j = u.jahre();
    QCOMPARE(j.size(), 2);
    QCOMPARE(j.at(0).jahr, 2022);
    QCOMPARE(j.at(0).rechnung, 100.0);
    QCOMPARE(j.at(0).eigenanteil(), 50.0);
    QCOMPARE(j.at(1).jahr, 2023);
    QCOMPARE(j.at(1).rechnung, 100.0);
    QCOMPARE(j.at(1).erstattung, 50.0);
    QCOMPARE(j.at(1).eigenanteil(), 50.0);
    // The deadline of 31.12.2022 ends on 31.12.2024, one day before the
    // deadline of 01.01.2023.
    QCOMPARE(u.fristen(QDate(2025, 1, 1), 24).first().tage, 1);
    QCOMPARE(u.fristen(QDate(2025, 1, 1), 24).last().tage, 0);
}

void TestUebersicht::ohneAntragsdatum()
{
    const QString pfad = neueDatenbank();
    speichern(pfad, {}, {}, {}, {{QStringLiteral("01.02.2024"), 10.0, true}});
    speichern(pfad, QStringLiteral("03.02.2024"), {}, {}, {{QStringLiteral("02.02.2024"), 20.0, true}});
    speichern(pfad, QStringLiteral("04.02.2023"), {}, {}, {{QStringLiteral("03.02.2023"), 30.0, true}});
    Uebersicht u;
    QVERIFY(Uebersicht::lesen(pfad, &u));
    QCOMPARE(u.antraege().size(), 3);
    QCOMPARE(u.antraege().last().kennung, QStringLiteral("ohne"));
    QVERIFY(!u.antraege().last().antragsdatum.isValid());

    Uebersichtstabelle t;
    t.setInhalt(u.antragsInhalt(kHeute));
    Uebersichtsfilter f(Uebersicht::StatusSpalte, Uebersicht::DatumSpalte);
    f.setSourceModel(&t);
    f.sort(Uebersicht::DatumSpalte, Qt::AscendingOrder);
    QCOMPARE(f.index(0, 0).data().toString(), QStringLiteral("ohne")); // the empty date sorts first
    QCOMPARE(f.index(0, Uebersicht::DatumSpalte).data().toString(), QString());
    f.setJahr(Uebersichtsfilter::OhneDatum);
    QCOMPARE(f.rowCount(), 1);
    QCOMPARE(f.index(0, 0).data().toString(), QStringLiteral("ohne"));
    f.setJahr(2024);
    QCOMPARE(f.rowCount(), 1);
    f.setJahr(Uebersichtsfilter::AlleJahre);
    f.setStatus(QStringLiteral("eingereicht"));
    QCOMPARE(f.rowCount(), 0);
    f.setStatus(QStringLiteral("in Arbeit"));
    QCOMPARE(f.rowCount(), 3);
}

void TestUebersicht::kaputteDatenbank_data()
{
    QTest::addColumn<QString>("datei");
    const QDir dir(TestUmgebung::testdaten(QStringLiteral("ledger/datenbanken")));
    for (const char *d : {"abgeschnitten.mdb", "falsche_tabellen.mdb", "fremdformat.mdb", "textdatei.mdb"})
        QTest::newRow(d) << dir.filePath(QString::fromLatin1(d));
    QTest::newRow("fehlt") << QString();
}

void TestUebersicht::kaputteDatenbank()
{
    QFETCH(QString, datei);
    const QString pfad = TestUmgebung::neuesVerzeichnis(QStringLiteral("kaputt")) + Antragsdatenbank::Dateiname;
    if (!datei.isEmpty())
        QVERIFY(QFile::copy(datei, pfad));
    const QByteArray vorher = pruefsumme(pfad);
    Uebersicht u;
    QString fehler;
    QVERIFY(!Uebersicht::lesen(pfad, &u, &fehler));
    QVERIFY(u.antraege().isEmpty());
    QVERIFY2(fehler.contains(QDir::toNativeSeparators(pfad)) || fehler.contains(QStringLiteral("beschädigt")),
             qPrintable(fehler));
    QCOMPARE(pruefsumme(pfad), vorher);
    QCOMPARE(QFile::exists(pfad), !datei.isEmpty());
}

void TestUebersicht::csvRundreise()
{
    const QString pfad = neueDatenbank();
    speichern(pfad, QStringLiteral("01.02.2024"), {}, {},
              {{QStringLiteral("10.01.2024"), 2347.9234, false, 1000.0, 0}, {QStringLiteral("11.01.2024"), 1234.56, true}},
              QStringLiteral("Zahnarzt; \"Kronen\""));
    speichern(pfad, QStringLiteral("01.01.2024"), QStringLiteral("05.01.2024"), {},
              {{QStringLiteral("10.12.2023"), 0.1, true}});
    Uebersicht u;
    QVERIFY(Uebersicht::lesen(pfad, &u));
    Uebersichtstabelle t;
    t.setInhalt(u.antragsInhalt(kHeute));
    Uebersichtsfilter f(Uebersicht::StatusSpalte, Uebersicht::DatumSpalte);
    f.setSourceModel(&t);
    f.setStatus(QStringLiteral("in Arbeit")); // only the visible row goes out

    const QString datei = TestUmgebung::neuesVerzeichnis(QStringLiteral("csv")) + QStringLiteral("übersicht.csv");
    QString fehler;
    QVERIFY2(UebersichtCsv::schreiben(datei, f, &fehler), qPrintable(fehler));
    QFile file(datei);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QVector<QStringList> zeilen = csvLesen(QString::fromUtf8(bytes.mid(3)));
    QCOMPARE(zeilen.size(), 2);
    QCOMPARE(zeilen.at(0).size(), t.columnCount());
    QCOMPARE(zeilen.at(0).at(9), QStringLiteral("noch offen"));
    const QStringList &z = zeilen.at(1);
    QCOMPARE(z.at(0), QStringLiteral("01.02.2024"));
    QCOMPARE(z.at(13), QStringLiteral("Zahnarzt; \"Kronen\""));
    // 2.347,9234 DM are 1.200,47 euro; with 1.234,56 euro: 2.435,03.
    QCOMPARE(z.at(5), QStringLiteral("2435,03"));
    QCOMPARE(z.at(7), QStringLiteral("511,29"));
    const Uebersicht::Antrag *a = antrag(u, QStringLiteral("01.02.2024"));
    QCOMPARE(GermanMoney::parse(z.at(5)).value(), qRound(a->rechnung * 100) / 100.0);
    QCOMPARE(GermanMoney::parse(z.at(9)).value(), qRound(a->offen() * 100) / 100.0);
}

void TestUebersicht::druckListe()
{
    const QString pfad = neueDatenbank();
    const QString daten = QFileInfo(pfad).path();
    for (int i = 0; i <= Uebersichtsdruck::ZeilenProSeite; ++i)
        speichern(pfad, GermanDate::format(QDate(2023, 1, 1).addDays(i)), {}, {}, {{QStringLiteral("01.12.2022"), 10.0, true}});
    const QString datei = daten + QStringLiteral("/übersicht.pdf");
    QString meldung;
    const QStringList aufruf = {QStringLiteral("--programm"), TestUmgebung::mitgeliefert(), QStringLiteral("--daten"),
                                daten, QStringLiteral("--uebersicht"), QStringLiteral("--pdf"), datei};
    QCOMPARE(Druckkommando::ausfuehren(aufruf, &meldung), 0);
    QFile f(datei);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    // One line too many for one page: the total goes on a second, landscape page.
    static const QRegularExpression seite(QStringLiteral("/Type\\s*/Page[^s]"));
    QCOMPARE(QString::fromLatin1(pdf).count(seite), 2);
    QVERIFY(pdf.contains("/MediaBox [0 0 841") || pdf.contains("/MediaBox [0 0 842"));

    // A damaged file: a message, no PDF.
    QFile::remove(datei);
    QFile kaputt(pfad);
    QVERIFY(kaputt.open(QIODevice::WriteOnly | QIODevice::Truncate));
    kaputt.write("kein SQLite");
    kaputt.close();
    QCOMPARE(Druckkommando::ausfuehren(aufruf, &meldung), 1);
    QVERIFY2(meldung.startsWith(QStringLiteral("Die Anträge können nicht gelesen werden.")), qPrintable(meldung));
    QVERIFY(!QFile::exists(datei));
}

void TestUebersicht::diagrammachse_data()
{
    QTest::addColumn<double>("kleinster");
    QTest::addColumn<double>("groesster");
    QTest::addColumn<QStringList>("striche");
    QTest::newRow("nichts") << 0.0 << 0.0 << QStringList{"0", "20", "40", "60", "80", "100"};
    QTest::newRow("klein") << 0.0 << 37.5 << QStringList{"0", "10", "20", "30", "40"};
    QTest::newRow("ganze Zahlen") << 0.0 << 3.0 << QStringList{"0", "1", "2", "3"};
    QTest::newRow("zweieinhalb") << 0.0 << 12345.0 << QStringList{"0", "2.500", "5.000", "7.500", "10.000", "12.500"};
    QTest::newRow("knapp darüber") << 0.0 << 12500.01
                                   << QStringList{"0", "2.500", "5.000", "7.500", "10.000", "12.500", "15.000"};
    QTest::newRow("Zehnerpotenz") << 0.0 << 1000.0 << QStringList{"0", "200", "400", "600", "800", "1.000"};
    QTest::newRow("negativ") << -800.0 << 5000.0
                             << QStringList{"-1.000", "0", "1.000", "2.000", "3.000", "4.000", "5.000"};
    QTest::newRow("nur negativ") << -350.0 << 0.0 << QStringList{"-400", "-300", "-200", "-100", "0"};
    QTest::newRow("riesig") << 0.0 << 1e7
                            << QStringList{"0", "2.000.000", "4.000.000", "6.000.000", "8.000.000", "10.000.000"};
}

void TestUebersicht::diagrammachse()
{
    QFETCH(double, kleinster);
    QFETCH(double, groesster);
    QFETCH(QStringList, striche);
    QStringList texte;
    for (const double w : Jahresdiagramm::achse(kleinster, groesster).werte())
        texte << Jahresdiagramm::zahl(w);
    QCOMPARE(texte, striche);
}

void TestUebersicht::diagrammbalken()
{
    // 2022: refunds above the invoices, a negative own share.
    const Uebersicht::Jahr a{2022, 3, 10000.0, 6000.0, 5000.0};
    const Uebersicht::Jahr b{2023, 1, 2000.0, 1000.0, 0.0};
    Jahresdiagramm d;
    d.setJahre({a, b, Uebersicht::Jahr{0, 1, 50000.0}});
    QCOMPARE(d.gruppen().size(), 2); // without the undated receipts

    QImage bild(800, 400, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    const QFont schrift(QStringLiteral("Liberation Sans"), 9);
    const QRect f = d.flaeche(p, bild.rect(), schrift).toAlignedRect();
    d.zeichnen(p, bild.rect(), schrift);
    p.end();
    // The pixels of a series' colour in the left or right half of the bars' area.
    const auto balken = [&](int reihe, bool links) {
        QRect r;
        const QRgb farbe = Jahresdiagramm::farbe(reihe).rgb();
        for (int y = f.top(); y <= f.bottom(); ++y)
            for (int x = links ? f.left() : f.center().x(); x <= (links ? f.center().x() : f.right()); ++x)
                if (bild.pixel(x, y) == farbe)
                    r |= QRect(x, y, 1, 1);
        return r;
    };
    const QRect rechnung22 = balken(0, true), rechnung23 = balken(0, false), eigen22 = balken(3, true);
    QVERIFY(!rechnung22.isEmpty() && !rechnung23.isEmpty() && !eigen22.isEmpty());
    QVERIFY2(rechnung22.top() < rechnung23.top() - f.height() / 4, "the larger sum stands higher");
    QVERIFY(qAbs(rechnung22.bottom() - rechnung23.bottom()) <= 1); // both on the zero line
    QVERIFY2(eigen22.top() >= rechnung22.bottom() - 1 && eigen22.bottom() > rechnung22.bottom() + 10,
             "the negative share grows down from zero");
}

void TestUebersicht::nochOffen()
{
    // Before the decision the expected refund is open, after it nothing; every
    // total adds the rounded rows (220,01 + 70,01, not round(290,012)).
    const QString pfad = neueDatenbank();
    speichern(pfad, QStringLiteral("01.02.2024"), {}, {},
              {{QStringLiteral("10.01.2024"), 300.0, true, 210.003}, {QStringLiteral("11.01.2024"), 50.0, true, 10.003}});
    speichern(pfad, QStringLiteral("01.01.2024"), QStringLiteral("05.01.2024"), {},
              {{QStringLiteral("10.12.2023"), 100.0, true, 70.006}});
    speichern(pfad, QStringLiteral("01.06.2023"), QStringLiteral("02.06.2023"), QStringLiteral("01.07.2023"),
              {{QStringLiteral("02.05.2023"), 300.0, true, 150.0}});
    Uebersicht u;
    QVERIFY(Uebersicht::lesen(pfad, &u));
    QCOMPARE(antrag(u, QStringLiteral("01.02.2024"))->offen(), 220.006);
    QCOMPARE(antrag(u, QStringLiteral("01.06.2023"))->offen(), 0.0);
    QCOMPARE(u.offenGesamt(), 290.02);
    const QString datei = QFileInfo(pfad).path() + QStringLiteral("/liste.pdf");
    QString fehler;
    QVERIFY2(Uebersichtsdruck::pdf(u, kHeute, datei, &fehler), qPrintable(fehler));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), datei, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString inhalt = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(inhalt.contains(QRegularExpression(QStringLiteral("Summe\\s+4\\s+750,00"))), qPrintable(inhalt));
    QVERIFY2(inhalt.contains(QStringLiteral("Noch offen insgesamt: 290,02 €")), qPrintable(inhalt));
}

void TestUebersicht::kennungFristJournalCsv()
{
    // Keys sort by date, then sub-number.
    Uebersichtstabelle t;
    t.setInhalt({{{QStringLiteral("Kennung"), Uebersichtstabelle::Art::Kennung, {}},
                  {QStringLiteral("Bemerkung"), Uebersichtstabelle::Art::Text, {}}},
                 {{QStringLiteral("01.02.2024/10"), QStringLiteral("=HYPERLINK(\"x\")")},
                  {QStringLiteral("02.03.2023"), QStringLiteral("-2+3")},
                  {QStringLiteral("01.02.2024/2"), QStringLiteral("@SUMME(A1)")},
                  {QStringLiteral("01.02.2024"), QStringLiteral("Zahn -1")}},
                 {}});
    Uebersichtsfilter f(-1, -1);
    f.setSourceModel(&t);
    f.sort(0);
    QStringList folge;
    for (int r = 0; r < f.rowCount(); ++r)
        folge << f.index(r, 0).data().toString();
    QCOMPARE(folge, QStringList({"02.03.2023", "01.02.2024", "01.02.2024/2", "01.02.2024/10"}));
    // A spreadsheet shows text cells that look like formulas.
    const QVector<QStringList> csv = csvLesen(UebersichtCsv::text(f));
    QCOMPARE(csv.at(1).at(1), QStringLiteral("'-2+3"));
    QCOMPARE(csv.at(2).at(1), QStringLiteral("Zahn -1"));
    QCOMPARE(csv.at(3).at(1), QStringLiteral("'@SUMME(A1)"));
    QCOMPARE(csv.at(4).at(1), QStringLiteral("'=HYPERLINK(\"x\")"));

    // The days column counts like the hint beside it.
    const QString pfad = neueDatenbank();
    speichern(pfad, {}, {}, {}, {{QStringLiteral("09.04.2022"), 10.0, true}});
    Uebersicht u;
    QVERIFY(Uebersicht::lesen(pfad, &u));
    const Uebersichtstabelle::Inhalt fr = u.fristenInhalt(kHeute, 24);
    QCOMPARE(fr.zeilen.at(0).at(8).toInt(), 25);
    QCOMPARE(fr.zeilen.at(0).at(9).toString(), QStringLiteral("Frist endet in 25 Tagen"));

    // A save interrupted mid-write leaves a hot journal: the file is intact once rolled back.
    const QString kopie = TestUmgebung::neuesVerzeichnis(QStringLiteral("journal")) + Antragsdatenbank::Dateiname;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("abbruch"));
        db.setDatabaseName(pfad);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const char *sql : {"pragma cache_size=2", "begin", "update Rechnungen set Rechnung = 99",
                                "create table Fuellung(x)",
                                "insert into Fuellung with recursive n(i) as (select 1 union all select i + 1 from n "
                                "where i < 3000) select printf('%0200d', i) from n"})
            QVERIFY2(q.exec(QString::fromLatin1(sql)), sql);
        QVERIFY(QFile::exists(pfad + QStringLiteral("-journal")));
        QVERIFY(QFile::copy(pfad, kopie) && QFile::copy(pfad + QStringLiteral("-journal"), kopie + QStringLiteral("-journal")));
        q.exec(QStringLiteral("rollback"));
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("abbruch"));
    QString fehler;
    QVERIFY2(Uebersicht::lesen(kopie, &u, &fehler), qPrintable(fehler));
    QCOMPARE(u.antraege().at(0).rechnung, 10.0);
}

VELMORA_TEST_MAIN_CORE(TestUebersicht)
#include "TestUebersicht.moc"

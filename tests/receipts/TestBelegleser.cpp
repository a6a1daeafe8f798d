// The invoice reader on generated invoices: text PDFs, scans, TIFF, GiroCode,
// files that are no invoice, and the command velmora-beleg.
#include "Rechnungsgenerator.h"
#include "TestUmgebung.h"

#include "receipts/Belegleser.h"
#include "receipts/Belegtext.h"
#include "receipts/Gebuehrenpruefung.h"

#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPdfWriter>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>

using namespace receipts;
using namespace rechnungen;

class TestBelegleser : public QObject
{
    Q_OBJECT
    QString m_dir;
    Gebuehrenpruefung m_pruefung;

    QString pfad(const QString &name) const { return m_dir + name; }

private Q_SLOTS:
    void initTestCase()
    {
        m_dir = TestUmgebung::neuesVerzeichnis(QStringLiteral("belege"));
        QString fehler;
        QVERIFY2(m_pruefung.laden(TestUmgebung::mitgeliefert() + QStringLiteral("tarvik.mdb"), &fehler), qPrintable(fehler));
    }

    void textPdf_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("variante");
        QTest::addColumn<QString>("befunde"); // the fee check's findings on the lines as printed
        for (const Vorlage &v : alleArten())
            QTest::addRow("art %d", int(v.art)) << int(v.art) << 0
                                                << (v.art == Art::Heilpraktiker ? "1 hoechstbetrag, 3 hoechstbetrag, 4 hoechstbetrag" : "");
        QTest::newRow("Hausarzt, andere Schrift und Spalten") << int(Art::Hausarzt) << 1 << "";
        QTest::newRow("Zahnarzt, andere Spalten") << int(Art::Zahnarzt) << 1 << "";
        QTest::newRow("zwei Seiten ohne GiroCode") << int(Art::ZweiSeiten) << 1 << "";
    }
    void textPdf()
    {
        QFETCH(int, art);
        QFETCH(int, variante);
        QFETCH(QString, befunde);
        const Vorlage v = vorlage(Art(art), variante);
        const QString datei = pfad(QStringLiteral("text-%1-%2.pdf").arg(art).arg(variante));
        QVERIFY(pdfSchreiben(v, datei));
        Beleg b;
        QString fehler;
        Belegleser::Optionen optionen;
        optionen.pruefung = &m_pruefung;
        QVERIFY2(Belegleser::lesen(datei, optionen, &b, &fehler), qPrintable(fehler));
        QStringList gefunden;
        for (const Befund &f : std::as_const(b.befunde))
            gefunden << QStringLiteral("%1 %2").arg(f.position).arg(befundCode(f.art));
        QCOMPARE(gefunden.join(QStringLiteral(", ")), befunde);
        const QStringList u = unterschiede(b, v.erwartet);
        QVERIFY2(u.isEmpty(), qPrintable(u.join(QStringLiteral("; "))));
        QCOMPARE(b.quelle, QStringLiteral("text"));
        QCOMPARE(b.girocode, v.girocode);
    }

    // Scans are read by the text recognition: date and amount; a GiroCode's
    // amount and IBAN win over what the recognition read.
    void scan_data()
    {
        QTest::addColumn<QString>("art");
        QTest::newRow("JPEG, 300 dpi, GiroCode") << QStringLiteral("jpg");
        QTest::newRow("TIFF, zwei Seiten") << QStringLiteral("tif");
    }
    void scan()
    {
        QFETCH(QString, art);
        Vorlage v = art == QLatin1String("jpg") ? vorlage(Art::Hausarzt) : vorlage(Art::ZweiSeiten, 1);
        if (v.girocode) {
            v.giroBetrag = *v.erwartet.betrag + 1;
            v.giroIban = QStringLiteral("DE89370400440532013000");
        }
        QList<QImage> seiten;
        for (const QImage &s : seitenbilder(v, 300))
            seiten << rechnungen::scan(s, 0.6, 7);
        const QString datei = pfad(QStringLiteral("scan.") + art);
        QVERIFY(art == QLatin1String("jpg") ? seiten.first().save(datei, "JPEG", 85) : tiffSchreiben(seiten, 300, datei));
        Beleg b;
        QString fehler;
        QVERIFY2(Belegleser::lesen(datei, {}, &b, &fehler), qPrintable(fehler));
        QCOMPARE(b.quelle, QStringLiteral("ocr"));
        QCOMPARE(b.seiten, int(seiten.size()));
        QCOMPARE(b.rechnungsdatum, v.erwartet.rechnungsdatum);
        QCOMPARE(b.betrag, v.giroBetrag ? v.giroBetrag : v.erwartet.betrag);
        if (v.girocode) {
            QCOMPARE(b.iban, v.giroIban);
            QCOMPARE(b.herkunft.value(QStringLiteral("betrag")), QStringLiteral("GiroCode"));
        }
    }

    void iban_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("gueltig");
        QTest::newRow("gültig, mit Blanks") << "DE89 3704 0044 0532 0130 00" << "DE89370400440532013000";
        QTest::newRow("klein geschrieben") << "de89370400440532013000" << "DE89370400440532013000";
        QTest::newRow("eine Ziffer falsch") << "DE89370400440532013001" << "";
        QTest::newRow("zwei Ziffern vertauscht") << "DE89370400440532031000" << "";
        QTest::newRow("Prüfziffer falsch") << "DE88370400440532013000" << "";
        QTest::newRow("zu kurz für DE") << "DE8937040044053201300" << "";
        QTest::newRow("Großbritannien") << "GB82 WEST 1234 5698 7654 32" << "GB82WEST12345698765432";
    }
    void iban()
    {
        QFETCH(QString, text);
        QFETCH(QString, gueltig);
        QCOMPARE(ibanPruefen(text), gueltig);
    }

    // The due date: printed, or the invoice date plus a term in days; an
    // amount to pay or a date of service is no due date.
    void faelligkeit_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QDate>("faellig");
        QTest::newRow("zahlbar bis") << "Zahlbar bis 15.04.2026 ohne Abzug" << QDate(2026, 4, 15);
        QTest::newRow("fällig am") << "Fällig am: 02.05.26" << QDate(2026, 5, 2);
        QTest::newRow("bitte überweisen bis zum") << "Bitte überweisen Sie den Betrag bis zum 30.04.2026." << QDate(2026, 4, 30);
        QTest::newRow("Tage ab Rechnungsdatum") << "Zahlbar innerhalb von 30 Tagen" << QDate(2026, 4, 9);
        QTest::newRow("Zahlungsziel") << "Zahlungsziel: 14 Tage netto" << QDate(2026, 3, 24);
        QTest::newRow("Betrag, kein Datum") << "Zu zahlen: 123,45 EUR" << QDate();
        QTest::newRow("Leistungsdatum") << "Behandlung am 03.03.2026" << QDate();
    }
    void faelligkeit()
    {
        QFETCH(QString, zeile);
        QFETCH(QDate, faellig);
        QList<Textwort> woerter;
        double x = 0;
        for (const QString &w : {QStringLiteral("Rechnungsdatum:"), QStringLiteral("10.03.2026")}) {
            woerter.append(Textwort{w, x, 10, x + 50, 20});
            x += 60;
        }
        x = 0;
        for (const QString &w : zeile.split(u' ')) {
            woerter.append(Textwort{w, x, 40, x + 40, 50});
            x += 45;
        }
        Beleg b;
        rechnungAuswerten(zeilenBilden(1, woerter), &b);
        QCOMPARE(b.rechnungsdatum, QDate(2026, 3, 10));
        QCOMPARE(b.faelligam, faellig);
    }

    // A file that is no invoice gets a reason, and no crash or hang.
    void keineRechnung_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("grund");
        QTest::newRow("Brief") << "brief.pdf" << "keine Rechnung";
        QTest::newRow("Urlaubsfoto") << "urlaub.png" << "keine Rechnung";
        QTest::newRow("Datenmüll") << "muell.pdf" << "beschädigt";
        QTest::newRow("kein Format") << "muell.jpg" << "weder ein PDF noch ein Bild";
        QTest::newRow("verschlüsselt") << "geheim.pdf" << "Kennwort";
        QTest::newRow("200 Seiten") << "dick.pdf" << "200 Seiten";
        QTest::newRow("fehlt") << "fehlt.pdf" << "gibt es nicht";
    }
    void keineRechnung()
    {
        QFETCH(QString, datei);
        QFETCH(QString, grund);
        const QString p = pfad(datei);
        if (datei == QLatin1String("brief.pdf") || datei == QLatin1String("dick.pdf")) {
            QPdfWriter pdf(p);
            QPainter maler(&pdf);
            for (int s = 0; s < (datei == QLatin1String("dick.pdf") ? 200 : 1); ++s) {
                if (s)
                    pdf.newPage();
                maler.drawText(500, 500, QStringLiteral("Köln, den 03.02.2026"));
                maler.drawText(500, 900, QStringLiteral("Sehr geehrte Frau Muster, anbei die Unterlagen wie besprochen."));
            }
        } else if (datei == QLatin1String("urlaub.png")) {
            QImage foto(1600, 1200, QImage::Format_RGB32);
            QRandomGenerator zufall(3);
            for (int y = 0; y < foto.height(); ++y)
                for (int x = 0; x < foto.width(); ++x)
                    foto.setPixel(x, y, qRgb(40 + y / 8, 120 + int(zufall.bounded(60)), 220 - x / 10));
            QVERIFY(foto.save(p));
        } else if (datei != QLatin1String("fehlt.pdf")) {
            QByteArray inhalt = datei == QLatin1String("muell.pdf") ? QByteArray("%PDF-1.4\n") : QByteArray();
            QRandomGenerator zufall(5);
            for (int i = 0; i < 5000; ++i)
                inhalt.append(char(zufall.bounded(256)));
            if (datei == QLatin1String("geheim.pdf"))
                inhalt = "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
                         "2 0 obj<</Type/Pages/Kids[]/Count 0>>endobj\n"
                         "3 0 obj<</Filter/Standard/V 1/R 2/P -4"
                         "/O<0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef>"
                         "/U<fedcba9876543210fedcba9876543210fedcba9876543210fedcba9876543210>>>endobj\n"
                         "trailer<</Root 1 0 R/Encrypt 3 0 R/ID[<00112233445566778899aabbccddeeff><00112233445566778899aabbccddeeff>]>>\n%%EOF\n";
            QFile f(p);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(inhalt);
        }
        Beleg b;
        QString fehler;
        QVERIFY(!Belegleser::lesen(p, {}, &b, &fehler));
        QVERIFY2(fehler.contains(grund), qPrintable(fehler));
    }

    // velmora-beleg: the JSON keys, a file that cannot be read, a wrong call.
    void kommando_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("objekte");
        QTest::newRow("zwei Dateien, eine fehlt") << QStringList{"--json", "k.pdf", "fehlt.pdf"} << 1 << 1;
        QTest::newRow("falsche Option") << QStringList{"--jsn", "k.pdf"} << 2 << -1;
        QTest::newRow("keine Datei") << QStringList{"--json"} << 2 << -1;
    }
    void kommando()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, code);
        QFETCH(int, objekte);
        const Vorlage v = vorlage(Art::Zahnarzt);
        QVERIFY(pdfSchreiben(v, pfad(QStringLiteral("k.pdf"))));
        QProcess p;
        p.setWorkingDirectory(m_dir);
        p.start(QStringLiteral(VELMORA_BELEG),
                QStringList{QStringLiteral("--programm"), TestUmgebung::mitgeliefert()} + argumente);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), code);
        const QString fehler = QString::fromUtf8(p.readAllStandardError());
        if (objekte < 0) {
            QVERIFY(fehler.contains(QStringLiteral("Aufruf: velmora-beleg")));
            return;
        }
        QVERIFY2(fehler.contains(QStringLiteral("fehlt.pdf: Die Datei")), qPrintable(fehler));
        const QJsonArray a = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
        QCOMPARE(a.size(), objekte);
        const QJsonObject o = a.first().toObject();
        QCOMPARE(o.keys(), (QStringList{"aussteller", "befunde", "betrag", "datei", "girocode", "iban", "patient",
                                        "positionen", "quelle", "rechnungsdatum", "rechnungsnummer"}));
        QCOMPARE(o.value("rechnungsdatum").toString(), v.erwartet.rechnungsdatum.toString(Qt::ISODate));
        QCOMPARE(o.value("betrag").toDouble(), *v.erwartet.betrag);
        const QJsonObject aerztlich = o.value("positionen").toArray().at(1).toObject();
        QCOMPARE(aerztlich.keys(), (QStringList{"anzahl", "begruendung", "betrag", "datum", "faktor", "gebuehrenordnung", "nummer"}));
        QCOMPARE(aerztlich.value("gebuehrenordnung").toString(), QStringLiteral("GOÄ"));
        QCOMPARE(aerztlich.value("nummer").toString(), QStringLiteral("1"));
    }
};

VELMORA_TEST_MAIN_CORE(TestBelegleser)
#include "TestBelegleser.moc"

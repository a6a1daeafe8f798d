// Invoices as doctors, dentists, laboratories, hospitals and healing
// practitioners print them, with amounts computed by the fee laws.
#include "Rechnungsgenerator.h"

#include "base/GermanMoney.h"

#define ZX_USE_UTF8
#include <ZXing/BitMatrix.h>
#include <ZXing/CharacterSet.h>
#include <ZXing/MultiFormatWriter.h>

#include <leptonica/allheaders.h>

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>

#include <cmath>

using namespace receipts;

namespace rechnungen {

namespace {

constexpr double PunktwertGOAe = 0.0582873;
constexpr double PunktwertGOZ = 0.0562421;

double runden(double v)
{
    return std::floor(v * 100 + 0.5 + 1e-9) / 100;
}

// IBAN with check digits computed from bank code and account.
QString iban(const QString &blz, const QString &konto)
{
    const QString bban = blz + konto.rightJustified(10, u'0');
    const QString zahl = bban + QStringLiteral("131400"); // "DE00"
    int rest = 0;
    for (const QChar c : zahl)
        rest = (rest * 10 + c.digitValue()) % 97;
    return QStringLiteral("DE%1%2").arg(98 - rest, 2, 10, QLatin1Char('0')).arg(bban);
}

struct Gebuehr
{
    const char *datum;
    const char *nummer; // as printed
    int punkte;          // 0: amount given
    double anzahl;
    double faktor;       // 0: none printed
    const char *text;
    const char *begruendung = "";
    double betrag = 0;   // for lines without points
};

Rechnungszeile zeile(const Gebuehr &g, Gebuehrenordnung standard)
{
    Rechnungszeile z;
    z.datum = QDate::fromString(QString::fromLatin1(g.datum), QStringLiteral("dd.MM.yyyy"));
    const QString nr = QString::fromUtf8(g.nummer);
    z.text = QString::fromUtf8(g.text);
    z.begruendung = QString::fromUtf8(g.begruendung);
    z.anzahl = g.anzahl;
    if (g.faktor > 0)
        z.faktor = g.faktor;
    if (nr.isEmpty()) {
        z.betrag = g.betrag;
        return z;
    }
    z.ordnung = nr.startsWith(u'Ä') ? Gebuehrenordnung::GOAe : standard;
    z.nummer = nr.startsWith(u'Ä') ? nr.mid(1) : nr;
    if (g.punkte > 0) {
        const double punktwert = z.ordnung == Gebuehrenordnung::GOZ ? PunktwertGOZ : PunktwertGOAe;
        z.betrag = runden(runden(g.punkte * punktwert * g.faktor) * g.anzahl);
    } else {
        z.betrag = g.betrag;
    }
    return z;
}

QString gedruckteNummer(const Rechnungszeile &z, Art art)
{
    if (art == Art::Zahnarzt && z.ordnung == Gebuehrenordnung::GOAe)
        return QStringLiteral("Ä") + z.nummer;
    return z.nummer;
}

} // namespace

Vorlage vorlage(Art art, int variante)
{
    Vorlage v;
    v.art = art;
    Beleg &b = v.erwartet;
    QList<Gebuehr> g;
    Gebuehrenordnung standard = Gebuehrenordnung::GOAe;
    v.schrift = QStringLiteral("Liberation Sans");
    switch (art) {
    case Art::Hausarzt:
        b.aussteller = QStringLiteral("Dr. med. Anna Berger");
        v.kopfzeilen = {QStringLiteral("Fachärztin für Allgemeinmedizin"),
                        QStringLiteral("Hauptstraße 12 · 50667 Köln · Telefon 0221 4711")};
        b.patient = QStringLiteral("Max Mustermann");
        b.rechnungsnummer = QStringLiteral("2026-0412");
        b.rechnungsdatum = QDate(2026, 3, 30);
        b.iban = iban(QStringLiteral("37050198"), QStringLiteral("1234567"));
        g = {{"12.03.2026", "1", 80, 1, 2.3, "Beratung"},
             {"12.03.2026", "5", 80, 1, 2.3, "Symptombezogene Untersuchung"},
             {"12.03.2026", "250", 40, 1, 1.8, "Blutentnahme aus der Vene"},
             {"19.03.2026", "3", 150, 1, 3.5, "Eingehende Beratung",
              "erheblich erhöhter Zeitaufwand wegen mehrerer Begleiterkrankungen"},
             {"19.03.2026", "75", 130, 1, 2.3, "Schriftlicher Befundbericht"}};
        v.girocode = true;
        v.datumJedeZeile = false;
        break;
    case Art::Internist:
        b.aussteller = QStringLiteral("Praxis Dr. med. Jens Hoffmann");
        v.kopfzeilen = {QStringLiteral("Innere Medizin · Kardiologie"), QStringLiteral("Ringstraße 3 · 44135 Dortmund")};
        b.patient = QStringLiteral("Erika Schmitz");
        b.rechnungsnummer = QStringLiteral("R-77815");
        b.rechnungsdatum = QDate(2026, 2, 27);
        b.iban = iban(QStringLiteral("44050199"), QStringLiteral("987654"));
        g = {{"10.02.2026", "1", 80, 1, 2.3, "Beratung"},
             {"10.02.2026", "7", 160, 1, 2.3, "Vollständige Untersuchung"},
             {"10.02.2026", "651", 253, 1, 1.8, "EKG in Ruhe"},
             {"10.02.2026", "410", 200, 1, 2.3, "Ultraschall eines Organs"},
             {"10.02.2026", "250", 40, 1, 1.8, "Blutentnahme"},
             {"10.02.2026", "3501", 60, 1, 1.15, "BSG"},
             {"10.02.2026", "3550", 60, 1, 1.15, "Blutbild"},
             {"10.02.2026", "3560", 40, 1, 1.15, "Glukose"}};
        v.schrift = QStringLiteral("Liberation Serif");
        v.spaltenfolge = 1;
        break;
    case Art::Zahnarzt:
        b.aussteller = QStringLiteral("Zahnarztpraxis Dr. Jörg Weißenfels");
        v.kopfzeilen = {QStringLiteral("Zahnärztliche Gemeinschaftspraxis"), QStringLiteral("Am Markt 7 · 48143 Münster")};
        b.patient = QStringLiteral("Lena Vogt");
        b.rechnungsnummer = QStringLiteral("Z-2026-118");
        b.rechnungsdatum = QDate(2026, 4, 8);
        b.iban = iban(QStringLiteral("40050150"), QStringLiteral("55501234"));
        standard = Gebuehrenordnung::GOZ;
        g = {{"17.03.2026", "0010", 100, 1, 2.3, "Eingehende Untersuchung"},
             {"17.03.2026", "Ä1", 80, 1, 2.3, "Beratung"},
             {"17.03.2026", "0090", 60, 2, 2.3, "Infiltrationsanästhesie"},
             {"17.03.2026", "2060", 527, 1, 3.0, "Kompositfüllung einflächig", "schwierige Isolierung bei tiefer Karies"},
             {"17.03.2026", "2197", 130, 1, 2.3, "Adhäsive Befestigung"},
             {"24.03.2026", "Ä5", 80, 1, 2.3, "Symptombezogene Untersuchung"},
             {"24.03.2026", "", 0, 1, 0, "Material- und Laborkosten § 9 GOZ", "", 86.40},
             {"24.03.2026", "", 0, 1, 0, "Abformmaterial", "", 12.35}};
        v.spaltenfolge = variante % 2 ? 1 : 0;
        break;
    case Art::Labor:
        b.aussteller = QStringLiteral("Medizinisches Labor Rheinland MVZ");
        v.kopfzeilen = {QStringLiteral("Laboratoriumsmedizin"), QStringLiteral("Laborweg 1 · 53111 Bonn")};
        b.patient = QStringLiteral("Peter Lang");
        b.rechnungsnummer = QStringLiteral("L-5501823");
        b.rechnungsdatum = QDate(2026, 1, 20);
        b.iban = iban(QStringLiteral("38050000"), QStringLiteral("77788899"));
        g = {{"05.01.2026", "3562.H1", 40, 1, 1.15, "Cholesterin"},
             {"05.01.2026", "3563.H1", 40, 1, 1.15, "HDL-Cholesterin"},
             {"05.01.2026", "3564.H1", 40, 1, 1.15, "LDL-Cholesterin"},
             {"05.01.2026", "3585.H1", 40, 1, 1.15, "Kreatinin"},
             {"05.01.2026", "3592.H1", 40, 1, 1.15, "Gamma-GT"},
             {"05.01.2026", "3511", 50, 1, 1.15, "Teststreifen"},
             {"05.01.2026", "", 0, 1, 0, "Versandkosten § 10 GOÄ", "", 3.50}};
        v.spaltenfolge = 2;
        v.schrift = QStringLiteral("DejaVu Sans");
        break;
    case Art::Wahlleistung:
        b.aussteller = QStringLiteral("Klinikum Süd Chefarzt Prof. Dr. med. Klaus Reuter");
        v.kopfzeilen = {QStringLiteral("Klinik für Innere Medizin · Wahlärztliche Leistungen"),
                        QStringLiteral("Südring 40 · 40225 Düsseldorf")};
        b.patient = QStringLiteral("Hans Becker");
        b.rechnungsnummer = QStringLiteral("WL-2026-0033");
        b.rechnungsdatum = QDate(2026, 5, 4);
        b.iban = iban(QStringLiteral("30050110"), QStringLiteral("3344556"));
        g = {{"14.04.2026", "1", 80, 1, 3.5, "Beratung", "außergewöhnlich lange Beratung bei Aufnahme"},
             {"14.04.2026", "8", 260, 1, 2.3, "Ganzkörperstatus"},
             {"15.04.2026", "410", 200, 2, 2.3, "Ultraschall eines Organs"},
             {"15.04.2026", "652", 445, 1, 1.8, "Belastungs-EKG"},
             {"16.04.2026", "800", 195, 1, 2.3, "Neurologische Untersuchung"},
             {"16.04.2026", "34", 300, 1, 2.3, "Erörterung"}};
        v.schrift = QStringLiteral("Liberation Serif");
        break;
    case Art::Heilpraktiker:
        b.aussteller = QStringLiteral("Naturheilpraxis Sabine Krämer, Heilpraktikerin");
        v.kopfzeilen = {QStringLiteral("Akupunktur · Homöopathie"), QStringLiteral("Gartenstraße 5 · 52062 Aachen")};
        b.patient = QStringLiteral("Monika Wolf");
        b.rechnungsnummer = QStringLiteral("HP-221");
        b.rechnungsdatum = QDate(2026, 6, 1);
        b.iban = iban(QStringLiteral("39050000"), QStringLiteral("12121212"));
        standard = Gebuehrenordnung::GebueH;
        g = {{"12.05.2026", "1", 0, 1, 0, "Eingehende Untersuchung", "", 20.00},
             {"12.05.2026", "4", 0, 1, 0, "Eingehende Beratung", "", 18.50},
             {"19.05.2026", "21.1", 0, 1, 0, "Akupunktur mit Pulsdiagnose", "", 35.00},
             {"26.05.2026", "21.1", 0, 1, 0, "Akupunktur mit Pulsdiagnose", "", 35.00},
             {"26.05.2026", "20.1", 0, 2, 0, "Atemtherapie", "", 16.00}};
        v.girocode = true;
        v.schrift = QStringLiteral("DejaVu Sans");
        break;
    case Art::ZweiSeiten:
        b.aussteller = QStringLiteral("Dr. med. Petra Lindner");
        v.kopfzeilen = {QStringLiteral("Fachärztin für Innere Medizin"), QStringLiteral("Domplatz 2 · 33098 Paderborn")};
        b.patient = QStringLiteral("Karl Engel");
        b.rechnungsnummer = QStringLiteral("2026/1187");
        b.rechnungsdatum = QDate(2026, 7, 15);
        b.iban = iban(QStringLiteral("47250101"), QStringLiteral("4455667"));
        for (int woche = 0; woche < 6; ++woche) {
            static const char *tage[] = {"02.06.2026", "09.06.2026", "16.06.2026", "23.06.2026", "30.06.2026", "07.07.2026"};
            g.append({tage[woche], "1", 80, 1, 2.3, "Beratung"});
            g.append({tage[woche], "5", 80, 1, 2.3, "Symptombezogene Untersuchung"});
            g.append({tage[woche], "250", 40, 1, 1.8, "Blutentnahme"});
            g.append({tage[woche], "3550", 60, 1, 1.15, "Blutbild"});
        }
        v.zeilenSeite1 = 18;
        v.spaltenfolge = 1;
        v.girocode = variante % 2 == 0;
        break;
    }
    if (variante == 1) {
        v.schrift = v.schrift == QLatin1String("Liberation Sans") ? QStringLiteral("Liberation Serif")
                                                                 : QStringLiteral("Liberation Sans");
        v.spaltenfolge = (v.spaltenfolge + 1) % 3;
        v.girocode = !v.girocode;
    }
    double summe = 0;
    for (const Gebuehr &x : std::as_const(g)) {
        b.positionen.append(zeile(x, standard));
        summe += *b.positionen.last().betrag;
    }
    summe = runden(summe);
    v.summeVorMinderung = summe;
    if (art == Art::Wahlleistung) {
        b.minderung = runden(summe * 0.25);
        b.betrag = runden(summe - *b.minderung);
    } else {
        b.betrag = summe;
    }
    b.girocode = v.girocode;
    return v;
}

QList<Vorlage> alleArten()
{
    return {vorlage(Art::Hausarzt), vorlage(Art::Internist), vorlage(Art::Zahnarzt), vorlage(Art::Labor),
            vorlage(Art::Wahlleistung), vorlage(Art::Heilpraktiker), vorlage(Art::ZweiSeiten)};
}

QList<Vorlage> zehnRechnungen()
{
    QList<Vorlage> l = alleArten();
    l << vorlage(Art::Hausarzt, 1) << vorlage(Art::Zahnarzt, 1) << vorlage(Art::Labor, 1);
    return l;
}

namespace {

enum Spalte { SDatum, SNummer, SText, SAnzahl, SFaktor, SBetrag };
struct Spaltenlage
{
    Spalte art;
    double x;       // left edge in mm (right edge for right-aligned columns)
    bool rechts;
};

QList<Spaltenlage> spalten(int folge)
{
    switch (folge) {
    case 1:
        return {{SDatum, 20, false}, {SNummer, 40, false}, {SAnzahl, 70, true}, {SText, 74, false},
                {SFaktor, 160, true}, {SBetrag, 190, true}};
    case 2:
        return {{SNummer, 20, false}, {SText, 40, false}, {SDatum, 112, false}, {SFaktor, 148, true},
                {SAnzahl, 166, true}, {SBetrag, 190, true}};
    default:
        return {{SDatum, 20, false}, {SNummer, 42, false}, {SText, 60, false}, {SAnzahl, 147, true},
                {SFaktor, 162, true}, {SBetrag, 190, true}};
    }
}

QString kopfText(Spalte s, Art art, int folge)
{
    switch (s) {
    case SDatum:
        return QStringLiteral("Datum");
    case SNummer:
        return art == Art::Zahnarzt ? QStringLiteral("GOZ-Nr.")
             : art == Art::Heilpraktiker ? QStringLiteral("GebüH-Nr.")
             : art == Art::Labor ? QStringLiteral("Ziffer")
             : art == Art::Wahlleistung ? QStringLiteral("Nr.") : QStringLiteral("GOÄ-Nr.");
    case SText:
        return art == Art::Labor ? QStringLiteral("Bezeichnung") : QStringLiteral("Leistung");
    case SAnzahl:
        return folge == 1 ? QStringLiteral("Anz.") : QStringLiteral("Anzahl");
    case SFaktor:
        return art == Art::Heilpraktiker ? QString() : QStringLiteral("Faktor");
    case SBetrag:
        return QStringLiteral("Betrag €");
    }
    return {};
}

QString geld(double v)
{
    return GermanMoney::format(v);
}

QString faktorText(double f, int folge)
{
    QString t = QString::number(f, 'f', folge == 2 ? 2 : (std::abs(f * 10 - std::round(f * 10)) > 1e-6 ? 2 : 1));
    return t.replace(u'.', u',');
}

class Maler
{
public:
    Maler(QPainter *p, double dpi, const QString &schrift) : m_p(p), m_mm(dpi / 25.4), m_schrift(schrift) {}

    void text(double xmm, double ymm, const QString &t, double pt, bool fett = false, bool rechts = false)
    {
        QFont f(m_schrift);
        f.setPointSizeF(pt);
        f.setBold(fett);
        m_p->setFont(f);
        const QFontMetricsF fm(f, m_p->device());
        double x = xmm * m_mm;
        if (rechts)
            x -= fm.horizontalAdvance(t);
        m_p->drawText(QPointF(x, ymm * m_mm), t);
    }
    void linie(double x1, double y, double x2)
    {
        m_p->setPen(QPen(Qt::black, 0.25 * m_mm));
        m_p->drawLine(QPointF(x1 * m_mm, y * m_mm), QPointF(x2 * m_mm, y * m_mm));
    }
    void bild(double xmm, double ymm, double breitemm, const QImage &b)
    {
        m_p->drawImage(QRectF(xmm * m_mm, ymm * m_mm, breitemm * m_mm, breitemm * m_mm), b);
    }

private:
    QPainter *m_p;
    double m_mm;
    QString m_schrift;
};

QImage qrBild(const QString &inhalt)
{
    const auto matrix = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode)
                            .setEncoding(ZXing::CharacterSet::UTF8)
                            .setEccLevel(2)
                            .setMargin(2)
                            .encode(inhalt.toStdString(), 0, 0);
    QImage bild(matrix.width(), matrix.height(), QImage::Format_Grayscale8);
    for (int y = 0; y < matrix.height(); ++y)
        for (int x = 0; x < matrix.width(); ++x)
            bild.setPixel(x, y, matrix.get(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return bild;
}

void seiteZeichnen(QPainter *p, double dpi, const Vorlage &v, int seite)
{
    const Beleg &b = v.erwartet;
    Maler m(p, dpi, v.schrift);
    const int folge = v.spaltenfolge;
    if (seite == 1) {
        m.text(20, 18, b.aussteller, 14, true);
        double y = 24;
        for (const QString &k : v.kopfzeilen) {
            m.text(20, y, k, 9);
            y += 4.5;
        }
        m.text(20, 52, QStringLiteral("Herrn/Frau"), 10);
        m.text(20, 57, b.patient, 10);
        m.text(20, 62, QStringLiteral("Lindenweg 4"), 10);
        m.text(20, 67, QStringLiteral("50667 Köln"), 10);
        const int variante = int(v.art) % 3;
        static const QString nummerLabel[] = {QStringLiteral("Rechnungsnummer:"), QStringLiteral("Rechnungs-Nr.:"),
                                              QStringLiteral("Rechnung Nr.")};
        static const QString patientLabel[] = {QStringLiteral("Patient:"), QStringLiteral("Behandelte Person:"),
                                               QStringLiteral("Patient/in:")};
        m.text(120, 52, nummerLabel[variante] + u' ' + b.rechnungsnummer, 10);
        if (variante == 1)
            m.text(120, 57, QStringLiteral("Köln, den ") + b.rechnungsdatum.toString(QStringLiteral("dd.MM.yyyy")), 10);
        else
            m.text(120, 57, QStringLiteral("Rechnungsdatum: ") + b.rechnungsdatum.toString(QStringLiteral("dd.MM.yyyy")), 10);
        m.text(120, 62, patientLabel[variante] + u' ' + b.patient + QStringLiteral(", geb. 04.07.1971"), 10);
        m.text(20, 84, v.art == Art::Wahlleistung ? QStringLiteral("Liquidation wahlärztlicher Leistungen")
                                                  : QStringLiteral("Rechnung"), 13, true);
        m.text(20, 91, QStringLiteral("Für die Behandlung erlaube ich mir zu berechnen:"), 10);
    } else {
        m.text(20, 18, b.aussteller + QStringLiteral(" – Seite ") + QString::number(seite), 9);
    }
    const QList<Spaltenlage> lage = spalten(folge);
    double y = seite == 1 ? 102 : 30;
    for (const Spaltenlage &s : lage)
        m.text(s.x, y, kopfText(s.art, v.art, folge), 9.5, true, s.rechts);
    m.linie(20, y + 1.5, 190);
    y += 7;
    const int von = seite == 1 ? 0 : v.zeilenSeite1;
    const int bis = seite == 1 ? int(std::min<qsizetype>(v.zeilenSeite1, b.positionen.size())) : int(b.positionen.size());
    double uebertrag = 0;
    for (int i = 0; i < von; ++i)
        uebertrag += *b.positionen[i].betrag;
    if (seite > 1) {
        m.text(60, y, QStringLiteral("Übertrag"), 10);
        m.text(190, y, geld(uebertrag), 10, false, true);
        y += 6;
    }
    QDate vorher;
    for (int i = von; i < bis; ++i) {
        const Rechnungszeile &z = b.positionen[i];
        for (const Spaltenlage &s : lage) {
            QString t;
            switch (s.art) {
            case SDatum:
                t = (v.datumJedeZeile || z.datum != vorher) ? z.datum.toString(QStringLiteral("dd.MM.yyyy")) : QString();
                break;
            case SNummer:
                t = gedruckteNummer(z, v.art);
                break;
            case SText:
                t = z.text;
                break;
            case SAnzahl:
                t = QString::number(z.anzahl);
                break;
            case SFaktor:
                t = z.faktor ? faktorText(*z.faktor, folge) : QString();
                break;
            case SBetrag:
                t = geld(*z.betrag);
                break;
            }
            m.text(s.x, y, t, 10, false, s.rechts);
        }
        vorher = z.datum;
        uebertrag += *z.betrag;
        y += 6;
        if (!z.begruendung.isEmpty()) {
            m.text(lage[1].art == SText ? 40 : 60, y - 1, QStringLiteral("Begründung: ") + z.begruendung, 8.5);
            y += 5;
        }
    }
    m.linie(20, y - 3, 190);
    y += 3;
    if (bis < b.positionen.size()) {
        m.text(120, y, QStringLiteral("Übertrag"), 10, true);
        m.text(190, y, geld(uebertrag), 10, true, true);
    } else {
        if (v.art == Art::Wahlleistung) {
            m.text(120, y, QStringLiteral("Summe"), 10);
            m.text(190, y, geld(v.summeVorMinderung), 10, false, true);
            y += 6;
            m.text(95, y, QStringLiteral("Minderung nach § 6a GOÄ 25 %"), 10);
            m.text(190, y, QStringLiteral("-") + geld(*b.minderung), 10, false, true);
            y += 6;
        }
        m.text(120, y, QStringLiteral("Rechnungsbetrag"), 10, true);
        m.text(190, y, geld(*b.betrag) + QStringLiteral(" €"), 10, true, true);
        y += 10;
        m.text(20, y, QStringLiteral("Bitte überweisen Sie den Betrag innerhalb von 30 Tagen."), 10);
        if (v.girocode) {
            const QString inhalt = QStringLiteral("BCD\n002\n1\nSCT\n\n%1\n%2\nEUR%3\n\n\n%4")
                                       .arg(b.aussteller.left(70), v.giroIban.isEmpty() ? b.iban : v.giroIban,
                                            QString::number(v.giroBetrag.value_or(*b.betrag), 'f', 2),
                                            QStringLiteral("Rechnung ") + b.rechnungsnummer);
            m.bild(160, 232, 28, qrBild(inhalt));
            m.text(160, 263, QStringLiteral("GiroCode"), 8);
        }
    }
    QString gruppiert;
    for (qsizetype i = 0; i < b.iban.size(); i += 4)
        gruppiert += b.iban.mid(i, 4) + u' ';
    m.text(20, 275, QStringLiteral("Bankverbindung: Sparkasse · IBAN ") + gruppiert.trimmed() + QStringLiteral(" · BIC SPKDEXXX"), 8);
    m.text(20, 280, QStringLiteral("Steuernummer 123/456/789 – Heilbehandlungen sind umsatzsteuerfrei."), 8);
}

int seitenzahl(const Vorlage &v)
{
    return v.erwartet.positionen.size() > v.zeilenSeite1 ? 2 : 1;
}

} // namespace

bool pdfSchreiben(const Vorlage &v, const QString &datei)
{
    QPdfWriter pdf(datei);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(600);
    QPainter p;
    if (!p.begin(&pdf))
        return false;
    for (int s = 1; s <= seitenzahl(v); ++s) {
        if (s > 1)
            pdf.newPage();
        seiteZeichnen(&p, 600, v, s);
    }
    return p.end();
}

QList<QImage> seitenbilder(const Vorlage &v, int dpi)
{
    QList<QImage> l;
    for (int s = 1; s <= seitenzahl(v); ++s) {
        QImage bild(int(210 / 25.4 * dpi), int(297 / 25.4 * dpi), QImage::Format_RGB32);
        bild.setDotsPerMeterX(int(dpi / 0.0254));
        bild.setDotsPerMeterY(int(dpi / 0.0254));
        bild.fill(Qt::white);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setPen(Qt::black);
        seiteZeichnen(&p, dpi, v, s);
        p.end();
        l.append(bild.convertToFormat(QImage::Format_Grayscale8));
    }
    return l;
}

namespace {

QImage gedreht(const QImage &bild, double winkel, QColor grund)
{
    QTransform t;
    t.rotate(winkel);
    QImage r = bild.convertToFormat(QImage::Format_RGB32).transformed(t, Qt::SmoothTransformation);
    // transformed() fills the corners with black or transparency: paint them.
    QImage ziel(bild.size(), QImage::Format_RGB32);
    ziel.fill(grund);
    QPainter p(&ziel);
    p.drawImage(QPointF((bild.width() - r.width()) / 2.0, (bild.height() - r.height()) / 2.0), r);
    p.end();
    return ziel;
}

QImage jpeg(const QImage &bild, int qualitaet)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "JPEG", qualitaet);
    QImage r;
    r.loadFromData(daten, "JPEG");
    return r;
}

} // namespace

QImage scan(const QImage &seite, double winkel, unsigned saat)
{
    // Rotation with a white page: the scanner lid is white.
    QImage r = gedreht(seite, winkel, Qt::white).convertToFormat(QImage::Format_Grayscale8);
    QRandomGenerator zufall(saat);
    for (int y = 0; y < r.height(); ++y) {
        uchar *z = r.scanLine(y);
        for (int x = 0; x < r.width(); ++x) {
            const int rauschen = int(zufall.bounded(41)) - 20;
            z[x] = uchar(std::clamp(int(z[x]) + rauschen, 0, 255));
        }
    }
    r.setDotsPerMeterX(seite.dotsPerMeterX());
    r.setDotsPerMeterY(seite.dotsPerMeterY());
    return jpeg(r, 80);
}

QImage foto(const QImage &seite, double winkel, unsigned saat)
{
    QImage r = gedreht(seite, winkel, QColor(70, 60, 50)).convertToFormat(QImage::Format_Grayscale8);
    // Out of focus: down and up again.
    r = r.scaled(r.width() * 2 / 3, r.height() * 2 / 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .scaled(r.width(), r.height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QRandomGenerator zufall(saat);
    for (int y = 0; y < r.height(); ++y) {
        uchar *z = r.scanLine(y);
        // Light falling off towards the bottom right.
        for (int x = 0; x < r.width(); ++x) {
            const double licht = 1.0 - 0.18 * (double(x) / r.width() + double(y) / r.height()) / 2;
            const int rauschen = int(zufall.bounded(21)) - 10;
            z[x] = uchar(std::clamp(int(z[x] * licht) + rauschen, 0, 255));
        }
    }
    QImage j = jpeg(r, 85);
    j.setDotsPerMeterX(0);
    return j;
}

bool tiffSchreiben(const QList<QImage> &seiten, int dpi, const QString &datei)
{
    for (qsizetype i = 0; i < seiten.size(); ++i) {
        const QImage grau = seiten[i].convertToFormat(QImage::Format_Grayscale8);
        Pix *pix = pixCreate(grau.width(), grau.height(), 8);
        l_uint32 *daten = pixGetData(pix);
        const int wpl = pixGetWpl(pix);
        for (int y = 0; y < grau.height(); ++y)
            for (int x = 0; x < grau.width(); ++x)
                SET_DATA_BYTE(daten + y * wpl, x, grau.constScanLine(y)[x]);
        pixSetResolution(pix, dpi, dpi);
        const int ok = pixWriteTiff(QFile::encodeName(datei).constData(), pix, IFF_TIFF_LZW, i == 0 ? "w" : "a");
        pixDestroy(&pix);
        if (ok != 0)
            return false;
    }
    return !seiten.isEmpty();
}

QStringList unterschiede(const Beleg &gelesen, const Beleg &erwartet)
{
    QStringList u;
    auto vergleiche = [&u](const QString &was, const QString &ist, const QString &soll) {
        if (ist != soll)
            u << QStringLiteral("%1: \"%2\" statt \"%3\"").arg(was, ist, soll);
    };
    auto zahl = [](std::optional<double> v) { return v ? QString::number(*v, 'f', 4) : QStringLiteral("-"); };
    vergleiche(QStringLiteral("Datum"), gelesen.rechnungsdatum.toString(Qt::ISODate), erwartet.rechnungsdatum.toString(Qt::ISODate));
    vergleiche(QStringLiteral("Nummer"), gelesen.rechnungsnummer, erwartet.rechnungsnummer);
    vergleiche(QStringLiteral("Aussteller"), gelesen.aussteller, erwartet.aussteller);
    vergleiche(QStringLiteral("Patient"), gelesen.patient, erwartet.patient);
    vergleiche(QStringLiteral("Betrag"), zahl(gelesen.betrag), zahl(erwartet.betrag));
    vergleiche(QStringLiteral("Minderung"), zahl(gelesen.minderung), zahl(erwartet.minderung));
    vergleiche(QStringLiteral("IBAN"), gelesen.iban, erwartet.iban);
    vergleiche(QStringLiteral("Zeilen"), QString::number(gelesen.positionen.size()), QString::number(erwartet.positionen.size()));
    for (qsizetype i = 0; i < std::min(gelesen.positionen.size(), erwartet.positionen.size()); ++i) {
        const Rechnungszeile &a = gelesen.positionen[i], &e = erwartet.positionen[i];
        const QString z = QStringLiteral("Zeile %1 ").arg(i + 1);
        vergleiche(z + QStringLiteral("Datum"), a.datum.toString(Qt::ISODate), e.datum.toString(Qt::ISODate));
        vergleiche(z + QStringLiteral("Ordnung"), QString::number(int(a.ordnung)), QString::number(int(e.ordnung)));
        vergleiche(z + QStringLiteral("Nummer"), a.nummer, e.nummer);
        vergleiche(z + QStringLiteral("Anzahl"), zahl(a.anzahl), zahl(e.anzahl));
        vergleiche(z + QStringLiteral("Faktor"), zahl(a.faktor), zahl(e.faktor));
        vergleiche(z + QStringLiteral("Betrag"), zahl(a.betrag), zahl(e.betrag));
        vergleiche(z + QStringLiteral("Begründung"), a.begruendung, e.begruendung);
    }
    return u;
}

int richtigeZeilen(const Beleg &gelesen, const Beleg &erwartet)
{
    QList<bool> benutzt(gelesen.positionen.size(), false);
    int richtig = 0;
    for (const Rechnungszeile &e : erwartet.positionen) {
        for (qsizetype i = 0; i < gelesen.positionen.size(); ++i) {
            const Rechnungszeile &a = gelesen.positionen[i];
            const bool gleich = !benutzt[i] && a.datum == e.datum && a.ordnung == e.ordnung && a.nummer == e.nummer
                && a.anzahl == e.anzahl && a.faktor.has_value() == e.faktor.has_value()
                && (!a.faktor || std::abs(*a.faktor - *e.faktor) < 1e-9) && a.betrag.has_value() == e.betrag.has_value()
                && (!a.betrag || std::abs(*a.betrag - *e.betrag) < 0.005);
            if (gleich) {
                benutzt[i] = true;
                ++richtig;
                break;
            }
        }
    }
    return richtig;
}

} // namespace rechnungen

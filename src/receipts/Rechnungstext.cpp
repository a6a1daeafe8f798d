// From the lines of an invoice to its values: head values by their labels,
// the fee table by the columns of its header line, totals by their labels.
#include "receipts/Belegtext.h"

#include "base/GermanDate.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace receipts {

QString Textzeile::text() const
{
    QStringList t;
    for (const Textwort &w : woerter)
        t << w.text;
    return t.join(u' ');
}

QList<Textzeile> zeilenBilden(int seite, QList<Textwort> woerter)
{
    std::sort(woerter.begin(), woerter.end(), [](const Textwort &a, const Textwort &b) {
        return a.oben + a.unten < b.oben + b.unten;
    });
    QList<Textzeile> zeilen;
    for (Textwort w : std::as_const(woerter)) {
        if (w.text.trimmed().isEmpty())
            continue;
        // Ligatures ("ﬀ") and composed letters as plain text.
        w.text = w.text.normalized(QString::NormalizationForm_KC).trimmed();
        const double mitte = (w.oben + w.unten) / 2;
        // Only the last few lines can still take a word: the words come top down.
        Textzeile *ziel = nullptr;
        double besterAbstand = 1e9;
        for (qsizetype i = zeilen.size() - 1; i >= 0 && i >= zeilen.size() - 3; --i) {
            Textzeile &z = zeilen[i];
            const double zmitte = (z.oben + z.unten) / 2;
            const double hoehe = std::max(z.unten - z.oben, w.unten - w.oben);
            const double abstand = std::abs(mitte - zmitte);
            if (abstand < hoehe * 0.5 && abstand < besterAbstand) {
                besterAbstand = abstand;
                ziel = &z;
            }
        }
        if (!ziel) {
            zeilen.append(Textzeile{seite, {}, w.oben, w.unten});
            ziel = &zeilen.last();
        }
        ziel->woerter.append(w);
        ziel->oben = std::min(ziel->oben, w.oben);
        ziel->unten = std::max(ziel->unten, w.unten);
    }
    for (Textzeile &z : zeilen)
        std::sort(z.woerter.begin(), z.woerter.end(),
                  [](const Textwort &a, const Textwort &b) { return a.links < b.links; });
    std::sort(zeilen.begin(), zeilen.end(),
              [](const Textzeile &a, const Textzeile &b) { return a.oben + a.unten < b.oben + b.unten; });
    return zeilen;
}

// ---------------------------------------------------------------- IBAN

namespace {
int ibanLaenge(const QString &land)
{
    static const QHash<QString, int> laengen = {
        {QStringLiteral("DE"), 22}, {QStringLiteral("AT"), 20}, {QStringLiteral("CH"), 21}, {QStringLiteral("NL"), 18},
        {QStringLiteral("BE"), 16}, {QStringLiteral("LU"), 20}, {QStringLiteral("FR"), 27}, {QStringLiteral("IT"), 27},
        {QStringLiteral("ES"), 24}, {QStringLiteral("DK"), 18}, {QStringLiteral("PL"), 28}, {QStringLiteral("LI"), 21},
        {QStringLiteral("CZ"), 24}, {QStringLiteral("GB"), 22}, {QStringLiteral("IE"), 22}, {QStringLiteral("PT"), 25},
    };
    return laengen.value(land, 0);
}
} // namespace

QString ibanPruefen(const QString &text)
{
    QString iban;
    for (const QChar c : text)
        if (!c.isSpace())
            iban.append(c.toUpper());
    static const QRegularExpression form(QStringLiteral("^[A-Z]{2}[0-9]{2}[A-Z0-9]{11,30}$"));
    if (!form.match(iban).hasMatch())
        return {};
    const int laenge = ibanLaenge(iban.left(2));
    if (laenge != 0 && iban.size() != laenge)
        return {};
    const QString umgestellt = iban.mid(4) + iban.left(4);
    int rest = 0;
    for (const QChar c : umgestellt) {
        const int wert = c.isDigit() ? c.digitValue() : c.unicode() - 'A' + 10;
        rest = wert >= 10 ? (rest * 100 + wert) % 97 : (rest * 10 + wert) % 97;
    }
    return rest == 1 ? iban : QString();
}

// ---------------------------------------------------------------- GiroCode

std::optional<GiroCodeInhalt> giroCodeAuswerten(const QString &inhalt)
{
    QStringList z = inhalt.split(u'\n');
    for (QString &s : z)
        s = s.trimmed();
    if (z.size() < 7 || z[0] != QStringLiteral("BCD") || z[3] != QStringLiteral("SCT"))
        return std::nullopt;
    GiroCodeInhalt g;
    g.empfaenger = z[5];
    g.iban = ibanPruefen(z[6]);
    if (z.size() > 7 && z[7].startsWith(QStringLiteral("EUR"))) {
        bool ok = false;
        const double b = z[7].mid(3).toDouble(&ok);
        if (ok && b > 0 && b < 1e9)
            g.betrag = b;
    }
    if (z.size() > 9)
        g.verwendungszweck = z.size() > 10 && !z[10].isEmpty() ? z[10] : z[9];
    return g;
}

// ---------------------------------------------------------------- invoice

namespace {

QString normal(const QString &s)
{
    return s.toLower();
}

// Amounts as invoices print them: "1.234,56", "10,72", "-45,00", "45,00-",
// with a euro sign stuck to either end.
std::optional<double> betragLesen(QString s)
{
    s.remove(u'€');
    s.remove(QStringLiteral("EUR"));
    s = s.trimmed();
    static const QRegularExpression form(QStringLiteral("^([-–]?)(\\d{1,3}(?:\\.\\d{3})+|\\d{1,7}),(\\d{2})(-?)$"));
    const auto m = form.match(s);
    if (!m.hasMatch())
        return std::nullopt;
    QString ganz = m.captured(2);
    ganz.remove(u'.');
    const double wert = ganz.toDouble() + m.captured(3).toDouble() / 100.0;
    return (m.captured(1).isEmpty() && m.captured(4).isEmpty()) ? wert : -wert;
}

std::optional<double> faktorLesen(QString s)
{
    s = s.toLower();
    s.remove(QStringLiteral("fach"));
    if (s.endsWith(u'x'))
        s.chop(1);
    static const QRegularExpression form(QStringLiteral("^(\\d)[,.](\\d{1,4})$"));
    const auto m = form.match(s);
    if (!m.hasMatch())
        return std::nullopt;
    const double f = (m.captured(1) + u'.' + m.captured(2)).toDouble();
    return f > 0 && f <= 10 ? std::optional<double>(f) : std::nullopt;
}

std::optional<double> anzahlLesen(QString s)
{
    s = s.toLower();
    if (s.endsWith(u'x'))
        s.chop(1);
    static const QRegularExpression form(QStringLiteral("^\\d{1,3}$"));
    if (!form.match(s).hasMatch())
        return std::nullopt;
    const int n = s.toInt();
    return n > 0 ? std::optional<double>(n) : std::nullopt;
}

bool istNummer(const QString &s)
{
    static const QRegularExpression form(
        QStringLiteral("^(?:[ÄA]\\s?)?(?:\\d{1,4}[a-zA-Z]?(?:\\.[A-Za-z0-9]{1,3})?|[A-K]|K[12])\\*?$"));
    return form.match(s).hasMatch();
}

std::optional<QDate> datumLesen(const QString &s)
{
    static const QRegularExpression form(QStringLiteral("^\\d{1,2}\\.\\d{1,2}\\.(?:\\d{2}|\\d{4})$"));
    if (!form.match(s).hasMatch())
        return std::nullopt;
    return GermanDate::parse(s);
}

enum Spalte { Datum, Nummer, Text, Anzahl, Faktor, Betrag, Spaltenzahl };

struct Kopfspalte
{
    Spalte art;
    double links, rechts;
};

// The column a header word names, or -1.
int spalteVon(const QString &wort, Gebuehrenordnung *ordnung)
{
    QString w = normal(wort);
    while (w.endsWith(u':') || w.endsWith(u'.'))
        w.chop(1);
    if (w == QStringLiteral("datum") || w == QStringLiteral("tag") || w == QStringLiteral("behandlungsdatum"))
        return Datum;
    if (w.startsWith(QStringLiteral("goä")) || w.startsWith(QStringLiteral("goz")) || w.startsWith(QStringLiteral("gebüh"))
        || w == QStringLiteral("nr") || w == QStringLiteral("ziffer") || w == QStringLiteral("ziff")
        || w == QStringLiteral("gebührennr") || w == QStringLiteral("geb.-nr") || w == QStringLiteral("leistungsnr")) {
        if (w.startsWith(QStringLiteral("goä")))
            *ordnung = Gebuehrenordnung::GOAe;
        else if (w.startsWith(QStringLiteral("goz")))
            *ordnung = Gebuehrenordnung::GOZ;
        else if (w.startsWith(QStringLiteral("gebüh")))
            *ordnung = Gebuehrenordnung::GebueH;
        return Nummer;
    }
    if (w == QStringLiteral("leistung") || w == QStringLiteral("bezeichnung") || w == QStringLiteral("leistungsbeschreibung")
        || w == QStringLiteral("beschreibung") || w == QStringLiteral("text") || w == QStringLiteral("leistungstext"))
        return Text;
    if (w == QStringLiteral("anz") || w == QStringLiteral("anzahl") || w == QStringLiteral("menge") || w == QStringLiteral("anz."))
        return Anzahl;
    if (w == QStringLiteral("faktor") || w == QStringLiteral("satz") || w == QStringLiteral("steig")
        || w == QStringLiteral("steigerung") || w == QStringLiteral("steigerungssatz") || w == QStringLiteral("multiplikator"))
        return Faktor;
    if (w == QStringLiteral("betrag") || w == QStringLiteral("eur") || w == QStringLiteral("euro") || w == QStringLiteral("€")
        || w == QStringLiteral("betrag/eur") || w == QStringLiteral("betrag/€") || w == QStringLiteral("gebühr"))
        return Betrag;
    return -1;
}

// A header line: at least four different columns, among them the amount.
std::optional<QList<Kopfspalte>> kopfzeile(const Textzeile &z, Gebuehrenordnung *ordnung)
{
    QList<Kopfspalte> spalten;
    bool gesehen[Spaltenzahl] = {};
    Gebuehrenordnung o = Gebuehrenordnung::Keine;
    for (const Textwort &w : z.woerter) {
        const int s = spalteVon(w.text, &o);
        if (s < 0 || gesehen[s])
            continue;
        gesehen[s] = true;
        spalten.append(Kopfspalte{Spalte(s), w.links, w.rechts});
    }
    if (spalten.size() < 4 || !gesehen[Betrag])
        return std::nullopt;
    *ordnung = o;
    return spalten;
}

// The column a word of a table row stands in: the header span it overlaps
// most; a word under no header belongs to the text column when that is the
// nearest header to its left (descriptions run on to the right), else to the
// nearest header.
Spalte spalteFuer(const QList<Kopfspalte> &kopf, const Textwort &w)
{
    Spalte beste = Text;
    double besterWert = -1e9;
    const Kopfspalte *links = nullptr;
    for (const Kopfspalte &k : kopf) {
        const double ueberlappung = std::min(k.rechts, w.rechts) - std::max(k.links, w.links);
        if (ueberlappung > besterWert) {
            besterWert = ueberlappung;
            beste = k.art;
        }
        if (k.links <= w.links && (!links || k.links > links->links))
            links = &k;
    }
    if (besterWert <= 0 && links && links->art == Text)
        return Text;
    return beste;
}

const QRegularExpression &summenmuster()
{
    static const QRegularExpression m(
        QStringLiteral("(rechnungsbetrag|zu zahlen|zahlbetrag|endbetrag|gesamtbetrag|gesamtsumme|^summe|\\bsumme\\b|"
                       "übertrag|zwischensumme|minderung|§ ?6 ?a)"));
    return m;
}

struct Kopfwert
{
    QString wert;
    int zeile = -1;
};

// The words after a label up to a wide gap (the next block of the line).
QString nachLabel(const Textzeile &z, int ab)
{
    QStringList teile;
    double rechtsVorher = ab > 0 ? z.woerter[ab - 1].rechts : 0;
    for (qsizetype i = ab; i < z.woerter.size(); ++i) {
        const Textwort &w = z.woerter[i];
        const double hoehe = std::max(8.0, w.unten - w.oben);
        if (!teile.isEmpty() && w.links - rechtsVorher > hoehe * 2.5)
            break;
        if (teile.isEmpty() && (w.text == QStringLiteral(":") || w.text == QStringLiteral("-")))
            continue;
        teile << w.text;
        rechtsVorher = w.rechts;
    }
    QString t = teile.join(u' ').trimmed();
    if (t.startsWith(u':'))
        t = t.mid(1).trimmed();
    return t;
}

// Finds a label (words compared in lower case, ":" stripped) and returns the
// index of the first word after it, or -1.
int labelEnde(const Textzeile &z, const QList<QStringList> &labels)
{
    for (qsizetype i = 0; i < z.woerter.size(); ++i) {
        for (const QStringList &label : labels) {
            if (i + label.size() > z.woerter.size())
                continue;
            bool gleich = true;
            for (qsizetype k = 0; k < label.size() && gleich; ++k) {
                QString w = normal(z.woerter[i + k].text);
                if (k == label.size() - 1)
                    while (w.endsWith(u':'))
                        w.chop(1);
                gleich = w == label[k];
            }
            if (gleich)
                return int(i + label.size());
        }
    }
    return -1;
}

QList<QStringList> labels(std::initializer_list<const char *> texte)
{
    QList<QStringList> l;
    for (const char *t : texte)
        l << QString::fromUtf8(t).split(u' ');
    return l;
}

QString herkunft(const QList<Textzeile> &zeilen, int index)
{
    int n = 0;
    for (int k = index; k >= 0 && zeilen[k].seite == zeilen[index].seite; --k)
        ++n;
    return QStringLiteral("Seite %1, Zeile %2").arg(zeilen[index].seite).arg(n);
}

// The last amount on a line, if any.
std::optional<double> letzterBetrag(const Textzeile &z)
{
    for (qsizetype i = z.woerter.size() - 1; i >= 0; --i) {
        if (auto b = betragLesen(z.woerter[i].text))
            return b;
        // "- 45,00" printed with a blank after the sign
        if (i > 0 && (z.woerter[i - 1].text == QStringLiteral("-") || z.woerter[i - 1].text == QStringLiteral("–")))
            if (auto b2 = betragLesen(z.woerter[i].text))
                return -*b2;
    }
    return std::nullopt;
}

Gebuehrenordnung ordnungDerRechnung(const QList<Textzeile> &zeilen)
{
    bool zahn = false, heil = false;
    for (const Textzeile &z : zeilen) {
        const QString t = normal(z.text());
        if (t.contains(QStringLiteral("heilpraktiker")) || t.contains(QStringLiteral("gebüh")))
            heil = true;
        if (t.contains(QStringLiteral("goz")) || t.contains(QStringLiteral("zahnarzt")) || t.contains(QStringLiteral("zahnärzt")))
            zahn = true;
    }
    return heil ? Gebuehrenordnung::GebueH : zahn ? Gebuehrenordnung::GOZ : Gebuehrenordnung::GOAe;
}

// One table row: the words sorted into the columns of the header.
struct Zeilenwerte
{
    std::optional<QDate> datum;
    QString nummer;
    QStringList text;
    std::optional<double> anzahl, faktor, betrag;
};

Zeilenwerte zeileZerlegen(const Textzeile &z, const QList<Kopfspalte> &kopf)
{
    Zeilenwerte r;
    for (qsizetype i = 0; i < z.woerter.size(); ++i) {
        const QString &t = z.woerter[i].text;
        if (t == QStringLiteral("€") || t == QStringLiteral("EUR") || t == QStringLiteral("x"))
            continue;
        switch (spalteFuer(kopf, z.woerter[i])) {
        case Datum:
            if (!r.datum && (r.datum = datumLesen(t)))
                continue;
            break;
        case Nummer:
            if (r.nummer.isEmpty() && istNummer(t)) {
                r.nummer = t;
                continue;
            }
            // "Ä 1" printed with a blank
            if (r.nummer.isEmpty() && (t == QStringLiteral("Ä") || t == QStringLiteral("A")) && i + 1 < z.woerter.size()
                && istNummer(z.woerter[i + 1].text)) {
                r.nummer = t + z.woerter[++i].text;
                continue;
            }
            break;
        case Anzahl:
            if (!r.anzahl && (r.anzahl = anzahlLesen(t)))
                continue;
            break;
        case Faktor:
            if (!r.faktor && (r.faktor = faktorLesen(t)))
                continue;
            break;
        case Betrag:
            if (!r.betrag && (r.betrag = betragLesen(t)))
                continue;
            break;
        default:
            break;
        }
        r.text << t;
    }
    return r;
}

bool istBegruendung(const QString &text)
{
    const QString t = normal(text);
    return t.startsWith(QStringLiteral("begründung")) || t.startsWith(QStringLiteral("begr."))
        || t.startsWith(QStringLiteral("begr:"));
}

QString ohneBegruendungslabel(QString t)
{
    const int doppelpunkt = int(t.indexOf(u':'));
    if (doppelpunkt >= 0 && doppelpunkt < 14)
        return t.mid(doppelpunkt + 1).trimmed();
    const int blank = int(t.indexOf(u' '));
    return blank >= 0 ? t.mid(blank + 1).trimmed() : QString();
}

// When the invoice is to be paid: "zahlbar bis 15.04.2026", "fällig am …",
// "bitte bis zum … überweisen", or a term ("zahlbar innerhalb von 30
// Tagen", "Zahlungsziel 14 Tage") counted from the invoice date.
void faelligkeitLesen(const QList<Textzeile> &zeilen, Beleg *beleg)
{
    static const QRegularExpression datum(
        QStringLiteral("(?:zahlbar|fällig|zahlungsziel|zahlungsfrist|zu zahlen|überweisen Sie|bitte)\\b[^0-9]{0,30}?"
                       "(?:bis|am|zum|spätestens)\\s*(?:zum\\s+)?:?\\s*(\\d{1,2}\\.\\d{1,2}\\.(?:\\d{4}|\\d{2}))\\b"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression frist(
        QStringLiteral("(?:zahlbar|fällig|zahlungsziel|zahlungsfrist|zu zahlen|überweisen)\\b[^0-9]{0,30}?(\\d{1,3})\\s*Tage"),
        QRegularExpression::CaseInsensitiveOption);
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QString t = zeilen[i].text();
        const auto m = datum.match(t);
        if (m.hasMatch()) {
            const std::optional<QDate> tag = datumLesen(m.captured(1));
            if (tag && tag->isValid()) {
                beleg->faelligam = *tag;
                beleg->herkunft.insert(QStringLiteral("faelligam"), herkunft(zeilen, int(i)));
                return;
            }
        }
        const auto f = frist.match(t);
        const int tage = f.hasMatch() ? f.captured(1).toInt() : 0;
        if (tage > 0 && tage <= 180 && beleg->rechnungsdatum.isValid()) {
            beleg->faelligam = beleg->rechnungsdatum.addDays(tage);
            beleg->herkunft.insert(QStringLiteral("faelligam"), herkunft(zeilen, int(i)));
            return;
        }
    }
}

} // namespace

void rechnungAuswerten(const QList<Textzeile> &zeilen, Beleg *beleg)
{
    const Gebuehrenordnung standard = ordnungDerRechnung(zeilen);

    static const QList<QStringList> datumLabels = labels({"rechnungsdatum", "datum der rechnung", "rechnung vom", "re.-datum", "belegdatum"});
    static const QList<QStringList> nummerLabels = labels({"rechnungsnummer", "rechnungsnr", "rechnungsnr.", "rechnungs-nr",
                                                           "rechnungs-nr.", "rechnung nr.", "rechnung nr", "re.-nr.", "rg.-nr.",
                                                           "rechnung-nr."});
    static const QList<QStringList> patientLabels = labels({"patient", "patientin", "patient/in", "patient(in)",
                                                            "behandelte person", "leistungsempfänger", "versicherte person"});
    static const QRegularExpression ortDatum(QStringLiteral("^[\\p{L}][\\p{L} .\\-]{1,40},\\s*(?:den\\s+)?(\\d{1,2}\\.\\d{1,2}\\.\\d{4})$"));
    static const QRegularExpression ibanMuster(QStringLiteral("\\bIBAN\\b:?\\s*([A-Z]{2}\\s?\\d{2}(?:\\s?[A-Z0-9]){11,30})"));

    Kopfwert datum, datumOrt, nummer, patient;
    std::optional<double> zuZahlen, summe;
    int zuZahlenZeile = -1, summeZeile = -1;
    std::optional<double> minderung;
    QString iban;
    int ibanZeile = -1;

    // The issuer: among the first lines of page 1, the first that names a
    // practice, else the topmost line.
    static const QRegularExpression praxis(
        QStringLiteral("\\b(dr\\.|prof\\.|praxis|gemeinschaftspraxis|zahnarzt|zahnärztin|zahnärzte|klinik|klinikum|krankenhaus|"
                       "labor|heilpraktiker|heilpraktikerin|mvz|medizinisches versorgungszentrum|ärztin|arzt)"),
        QRegularExpression::CaseInsensitiveOption);
    for (qsizetype i = 0; i < zeilen.size() && i < 6; ++i) {
        const Textzeile &z = zeilen[i];
        if (z.seite != 1)
            break;
        const QString t = nachLabel(z, 0);
        if (praxis.match(t).hasMatch() && !t.startsWith(QStringLiteral("Herr")) && !t.startsWith(QStringLiteral("Frau"))) {
            beleg->aussteller = t;
            beleg->herkunft.insert(QStringLiteral("aussteller"), herkunft(zeilen, int(i)));
            break;
        }
    }
    if (beleg->aussteller.isEmpty() && !zeilen.isEmpty() && zeilen[0].seite == 1) {
        beleg->aussteller = nachLabel(zeilen[0], 0);
        beleg->herkunft.insert(QStringLiteral("aussteller"), herkunft(zeilen, 0));
    }

    // The fee table.
    std::optional<QList<Kopfspalte>> kopf;
    Gebuehrenordnung kopfOrdnung = Gebuehrenordnung::Keine;
    bool tabelleZu = false;
    QDate letztesDatum;
    int letzteSeite = 0;
    double letztesUnten = 0;
    enum class Fortsetzung { Keine, Text, Begruendung } fortsetzung = Fortsetzung::Keine;

    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const Textzeile &z = zeilen[i];
        const QString text = z.text();
        const QString klein = normal(text);

        // Head values by label.
        int ab;
        if (datum.wert.isEmpty() && (ab = labelEnde(z, datumLabels)) >= 0) {
            const QString w = nachLabel(z, ab);
            if (auto d = datumLesen(w.section(u' ', 0, 0)))
                datum = {w.section(u' ', 0, 0), int(i)};
        }
        if (datumOrt.wert.isEmpty() && z.seite == 1) {
            for (qsizetype k = 0; k < z.woerter.size(); ++k) {
                const auto m = ortDatum.match(nachLabel(z, int(k)));
                if (m.hasMatch() && datumLesen(m.captured(1))) {
                    datumOrt = {m.captured(1), int(i)};
                    break;
                }
            }
        }
        if (nummer.wert.isEmpty() && (ab = labelEnde(z, nummerLabels)) >= 0) {
            const QString w = nachLabel(z, ab).section(u' ', 0, 0);
            if (!w.isEmpty())
                nummer = {w, int(i)};
        }
        if (patient.wert.isEmpty() && (ab = labelEnde(z, patientLabels)) >= 0) {
            QString w = nachLabel(z, ab);
            static const QRegularExpression geboren(QStringLiteral("\\s*[,(]?\\s*(geb\\.|geboren|\\*).*$"));
            w.remove(geboren);
            if (w.endsWith(u','))
                w.chop(1);
            if (!w.isEmpty())
                patient = {w.trimmed(), int(i)};
        }
        if (iban.isEmpty()) {
            const auto m = ibanMuster.match(text);
            if (m.hasMatch()) {
                // The longest run of characters after "IBAN" that holds as an IBAN.
                const QString roh = m.captured(1);
                for (qsizetype n = roh.size(); n >= 15 && iban.isEmpty(); --n)
                    if (!roh.at(n - 1).isSpace())
                        iban = ibanPruefen(roh.left(n));
                if (!iban.isEmpty())
                    ibanZeile = int(i);
            }
        }

        // Header of the fee table (again on later pages).
        Gebuehrenordnung o = Gebuehrenordnung::Keine;
        if (auto k = kopfzeile(z, &o)) {
            kopf = k;
            kopfOrdnung = o;
            tabelleZu = false;
            fortsetzung = Fortsetzung::Keine;
            continue;
        }

        // Totals and reductions.
        if (summenmuster().match(klein).hasMatch()) {
            fortsetzung = Fortsetzung::Keine;
            const auto b = letzterBetrag(z);
            if (klein.contains(QStringLiteral("übertrag")) || klein.contains(QStringLiteral("zwischensumme")))
                continue;
            if (klein.contains(QStringLiteral("minderung")) || klein.contains(QRegularExpression(QStringLiteral("§ ?6 ?a")))) {
                if (b && !minderung)
                    minderung = std::abs(*b);
                if (kopf)
                    tabelleZu = true;
                continue;
            }
            if (b) {
                const bool zahlbar = klein.contains(QStringLiteral("rechnungsbetrag")) || klein.contains(QStringLiteral("zu zahlen"))
                    || klein.contains(QStringLiteral("zahlbetrag")) || klein.contains(QStringLiteral("endbetrag"));
                if (zahlbar) {
                    zuZahlen = std::abs(*b);
                    zuZahlenZeile = int(i);
                } else if (!summe) {
                    summe = std::abs(*b);
                    summeZeile = int(i);
                }
                if (kopf)
                    tabelleZu = true;
            }
            continue;
        }

        if (!kopf || tabelleZu)
            continue;

        const Zeilenwerte w = zeileZerlegen(z, *kopf);
        const bool istPosten = w.betrag.has_value() || (!w.nummer.isEmpty() && w.faktor.has_value());
        if (!istPosten) {
            // Continued text of the last line or its written reason.
            // Only right below the last line: footers and page heads are no continuation.
            const bool darunter = z.seite == letzteSeite && z.oben - letztesUnten < 1.6 * (z.unten - z.oben);
            if (beleg->positionen.isEmpty() || w.text.isEmpty() || w.datum || !w.nummer.isEmpty() || !darunter) {
                fortsetzung = Fortsetzung::Keine;
                continue;
            }
            const QString t = w.text.join(u' ');
            Rechnungszeile &letzte = beleg->positionen.last();
            letztesUnten = z.unten;
            if (istBegruendung(t)) {
                letzte.begruendung = ohneBegruendungslabel(t);
                fortsetzung = Fortsetzung::Begruendung;
            } else if (fortsetzung == Fortsetzung::Begruendung) {
                letzte.begruendung += u' ' + t;
            } else if (fortsetzung == Fortsetzung::Text) {
                letzte.text += u' ' + t;
            }
            continue;
        }

        Rechnungszeile r;
        if (w.datum)
            letztesDatum = *w.datum;
        r.datum = letztesDatum;
        QString nr = w.nummer;
        if (nr.endsWith(u'*'))
            nr.chop(1);
        if (!nr.isEmpty()) {
            if (nr.startsWith(u'Ä') || (nr.startsWith(u'A') && nr.size() > 1 && nr.at(1).isDigit())) {
                r.ordnung = Gebuehrenordnung::GOAe;
                nr = nr.mid(1).trimmed();
            } else {
                r.ordnung = kopfOrdnung != Gebuehrenordnung::Keine ? kopfOrdnung : standard;
            }
        }
        r.nummer = nr;
        r.anzahl = w.anzahl.value_or(1);
        r.faktor = w.faktor;
        r.betrag = w.betrag;
        QString t = w.text.join(u' ');
        // A reason printed in the line itself, after the service.
        static const QRegularExpression begruendungImText(QStringLiteral("\\s*\\(?\\s*Begr(?:ündung|\\.)\\s*:\\s*(.*?)\\)?$"));
        const auto bm = begruendungImText.match(t);
        if (bm.hasMatch()) {
            r.begruendung = bm.captured(1).trimmed();
            t = t.left(bm.capturedStart(0)).trimmed();
        }
        r.text = t;
        beleg->positionen.append(r);
        letzteSeite = z.seite;
        letztesUnten = z.unten;
        fortsetzung = r.begruendung.isEmpty() ? Fortsetzung::Text : Fortsetzung::Begruendung;
    }

    const Kopfwert &d = datum.wert.isEmpty() ? datumOrt : datum;
    if (!d.wert.isEmpty()) {
        beleg->rechnungsdatum = *datumLesen(d.wert);
        beleg->herkunft.insert(QStringLiteral("rechnungsdatum"), herkunft(zeilen, d.zeile));
    }
    faelligkeitLesen(zeilen, beleg);
    if (!nummer.wert.isEmpty()) {
        beleg->rechnungsnummer = nummer.wert;
        beleg->herkunft.insert(QStringLiteral("rechnungsnummer"), herkunft(zeilen, nummer.zeile));
    }
    if (!patient.wert.isEmpty()) {
        beleg->patient = patient.wert;
        beleg->herkunft.insert(QStringLiteral("patient"), herkunft(zeilen, patient.zeile));
    }
    if (!iban.isEmpty()) {
        beleg->iban = iban;
        beleg->herkunft.insert(QStringLiteral("iban"), herkunft(zeilen, ibanZeile));
    }
    beleg->minderung = minderung;
    if (zuZahlen && *zuZahlen >= 0) {
        beleg->betrag = zuZahlen;
        beleg->herkunft.insert(QStringLiteral("betrag"), herkunft(zeilen, zuZahlenZeile));
    } else if (summe && *summe - minderung.value_or(0) >= 0) {
        // The stated total less the stated reduction; a reduction larger
        // than the total is a misreading, and the amount stays unknown.
        beleg->betrag = std::round((*summe - minderung.value_or(0)) * 100) / 100;
        beleg->herkunft.insert(QStringLiteral("betrag"), herkunft(zeilen, summeZeile));
    }
}

} // namespace receipts

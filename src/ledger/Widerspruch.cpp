#include "ledger/Widerspruch.h"

#include "base/GermanDate.h"
#include "base/GermanMoney.h"
#include "fields/Feldtabelle.h"
#include "ledger/Bescheid.h"
#include "ledger/Rechnungsposition.h"
#include "print/druck/MehrseitenPdf.h"

#include <QHash>

namespace {
QString feld(const Feldtabelle &f, const char *name)
{
    return f.Feldwert(QString::fromUtf8(name)).value_or(QString()).trimmed();
}

QString verbunden(const QStringList &teile)
{
    QStringList rest;
    for (const QString &t : teile)
        if (!t.trimmed().isEmpty())
            rest << t.trimmed();
    return rest.join(u' ');
}

QString betrag(double x, bool dm)
{
    return GermanMoney::format(x) + (dm ? QStringLiteral(" DM") : QStringLiteral(" €"));
}

constexpr double kLinks = 25, kRechts = 190, kOben = 20, kUnten = 275;
} // namespace

void Widerspruch::ausFeldern(const Feldtabelle &f)
{
    name = verbunden({feld(f, "Vorname"), feld(f, "Nachname")});
    absender = {name, feld(f, "Strasse"), verbunden({feld(f, "PLZ"), feld(f, "Ort")})};
    absender.removeAll(QString());
    beihilfenummer = feld(f, "Beihilfenummer");
    if (beihilfenummer.isEmpty())
        beihilfenummer = feld(f, "Personalnummer");
    aktenzeichen = feld(f, "FSAktenzeichen");
    behoerde = {feld(f, "BehördenName1"), feld(f, "BehördenName2"), feld(f, "BehördenStrasse"),
                verbunden({feld(f, "BehördenPLZ"), feld(f, "BehördenOrt")})};
    behoerde.removeAll(QString());
    ort = feld(f, "Ort");
}

void Widerspruch::ausBescheid(const Bescheid &bescheid, const QVector<Rechnungsposition> &positionen,
                              const QHash<int, QString> &gebuehrengruende)
{
    bescheiddatum = bescheid.datum;
    belege.clear();
    for (const Rechnungsposition &r : positionen) {
        const Bescheid::Zeile *z = bescheid.zeile(r.Beleg);
        if (!z || !z->gekuerzt())
            continue;
        Beleg b;
        b.nummer = r.Beleg;
        b.datum = GermanDate::parse(r.Datum.getrimmt()).value_or(QDate());
        b.zahlungsempfaenger = r.Arzt.getrimmt();
        b.rechnung = r.Rechnung;
        b.dm = !r.euro;
        b.erwartet = z->erwartet;
        b.erstattet = z->erstattet;
        b.bescheidgrund = z->grund.trimmed();
        b.gebuehrengrund = gebuehrengruende.value(r.Beleg, r.kuerzung > 0 ? r.befunde : QString())
                               .trimmed()
                               .replace(u'\n', QStringLiteral("; "));
        belege.append(b);
    }
}

QString Widerspruch::entwurf() const
{
    const QString bescheid = bescheiddatum.isValid() ? GermanDate::format(bescheiddatum) : QStringLiteral("__.__.____");
    QStringList t;
    t << absender << QString() << QString();
    t << behoerde << QString() << QString();
    t << verbunden({ort.isEmpty() ? QString() : ort + u',', GermanDate::format(heute)}) << QString();
    if (!beihilfenummer.isEmpty())
        t << QStringLiteral("Beihilfe-Nummer: ") + beihilfenummer;
    if (!aktenzeichen.isEmpty())
        t << QStringLiteral("Aktenzeichen: ") + aktenzeichen;
    t << QStringLiteral("Widerspruch gegen den Beihilfebescheid vom ") + bescheid << QString();
    t << QStringLiteral("Sehr geehrte Damen und Herren,") << QString();
    t << QStringLiteral("gegen Ihren Beihilfebescheid vom %1 lege ich Widerspruch ein, soweit die folgenden "
                        "Aufwendungen nicht in der zu erwartenden Höhe berücksichtigt wurden:")
             .arg(bescheid)
      << QString();
    double summe = 0;
    bool dm = false;
    for (const Beleg &b : belege) {
        const double fehlt = b.erwartet - b.erstattet;
        summe += fehlt;
        dm = dm || b.dm;
        t << QStringLiteral("Beleg %1 vom %2, %3: Rechnung %4, erwartete Beihilfe %5, erstattet %6, "
                            "Differenz %7")
                 .arg(b.nummer)
                 .arg(b.datum.isValid() ? GermanDate::format(b.datum) : QStringLiteral("(ohne Datum)"),
                      b.zahlungsempfaenger.isEmpty() ? QStringLiteral("(ohne Angabe)") : b.zahlungsempfaenger,
                      betrag(b.rechnung, b.dm), betrag(b.erwartet, b.dm), betrag(b.erstattet, b.dm),
                      betrag(fehlt, b.dm));
        if (!b.bescheidgrund.isEmpty())
            t << QStringLiteral("   Begründung im Bescheid: ") + b.bescheidgrund;
        if (!b.gebuehrengrund.isEmpty())
            t << QStringLiteral("   Zur Gebührenprüfung: ") + b.gebuehrengrund;
        t << QString();
    }
    if (belege.size() > 1)
        t << QStringLiteral("Insgesamt fehlen %1.").arg(betrag(summe, dm)) << QString();
    t << QStringLiteral("Die Aufwendungen sind nach meiner Auffassung in voller Höhe beihilfefähig. Soweit der "
                        "Steigerungssatz über dem Schwellenwert liegt, ist dies in der Rechnung nachvollziehbar "
                        "begründet. Ich bitte Sie, den Bescheid insoweit zu ändern und die Differenz nachzuzahlen. "
                        "Eine weitere Begründung behalte ich mir vor.")
      << QString();
    t << QStringLiteral("Mit freundlichen Grüßen") << QString() << QString() << name;
    return t.join(u'\n');
}

QDate Widerspruch::fristende(const QDate &eingang)
{
    if (!eingang.isValid())
        return {};
    QDate ende = eingang.addMonths(1);
    while (ende.dayOfWeek() > 5)
        ende = ende.addDays(1);
    return ende;
}

QString Widerspruch::fristRegel()
{
    return QStringLiteral(
        "Der Widerspruch muss binnen eines Monats, nachdem der Bescheid bekannt gegeben wurde, bei der Behörde "
        "eingehen (§ 70 Abs. 1 VwGO). Die Frist endet am Tag des Folgemonats mit derselben Zahl, in einem "
        "kürzeren Monat an dessen letztem Tag (§ 57 Abs. 2 VwGO mit § 222 Abs. 1 ZPO, § 188 Abs. 2 und 3 BGB); "
        "fällt dieser Tag auf einen Samstag oder Sonntag, endet sie am folgenden Werktag (§ 222 Abs. 2 ZPO). "
        "Feiertage sind nicht berücksichtigt. Maßgeblich ist die Rechtsbehelfsbelehrung des Bescheids.");
}

bool Widerspruch::zeichnen(Seitenflaeche &f, const QString &text, QString *fehler)
{
    f.setFontName(QStringLiteral("Arial"));
    f.setFontSize(11);
    f.setFontBold(false);
    const double breite = kRechts - kLinks;
    const double hoehe = f.TextHeight(QStringLiteral("Äg")) * 1.15;
    double y = kOben;
    bool ok = true;
    auto zeile = [&](const QString &z) {
        if (y + hoehe > kUnten) {
            ok = f.EndDoc() && ok;
            y = kOben;
        }
        f.setCurrentX(kLinks);
        f.setCurrentY(y);
        f.Print(z);
        y += hoehe;
    };
    for (const QString &absatz : text.split(u'\n')) {
        // Continuation lines keep the paragraph's indentation.
        const qsizetype einzug = absatz.size() - absatz.trimmed().size() > 0 ? absatz.indexOf(absatz.trimmed()) : 0;
        const QString vorne = absatz.left(einzug);
        QString rest = absatz;
        if (f.TextWidth(rest) <= breite) {
            zeile(rest);
            continue;
        }
        while (!rest.isEmpty()) {
            QString teil;
            const QStringList woerter = rest.split(u' ');
            int n = 0;
            for (; n < woerter.size(); ++n) {
                const QString probe = n == 0 ? woerter.at(0) : teil + u' ' + woerter.at(n);
                if (n > 0 && f.TextWidth(probe) > breite)
                    break;
                teil = probe;
            }
            zeile(teil);
            rest = woerter.mid(n).join(u' ');
            if (!rest.isEmpty())
                rest = vorne + rest;
        }
    }
    ok = f.EndDoc() && ok;
    if (!ok && fehler)
        *fehler = f.fehler();
    return ok;
}

bool Widerspruch::pdf(const QString &text, const QString &datei, QString *fehler)
{
    MehrseitenPdf pdf(datei, QStringLiteral("Widerspruch"));
    if (!zeichnen(pdf, text, fehler))
        return false;
    if (!pdf.fertig()) {
        if (fehler)
            *fehler = pdf.fehler();
        return false;
    }
    return true;
}

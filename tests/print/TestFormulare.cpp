// The shipped forms as an office gets them: every layout of both editions of
// drucken.mdb drawn with a full sample application and measured with the
// real font. A row off the sheet, a text over a line or over another text,
// an answer wider than its box or a field nothing in the program fills is a
// fault of the form.
#include "Formularpruefung.h"
#include "TestUmgebung.h"

#include "fields/FeldControls.h"
#include "fields/Felddatei.h"
#include "ledger/Kostenarten.h"
#include "ledger/LbvPruefung.h"
#include "ledger/Rechnungspositionen.h"
#include "print/Antragsseiten.h"
#include "print/Aufwendungsbelege.h"
#include "print/Aufwendungsseiten.h"
#include "print/Aufzeichnungsflaeche.h"
#include "print/BildFlaeche.h"
#include "print/Formularkatalog.h"
#include "print/Katalogeintrag.h"
#include "print/Layoutinterpreter.h"
#include "print/Layoutquelle.h"
#include "shell/Datenbank.h"
#include "shell/Hauptform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QRadioButton>
#include <QSet>
#include <QStackedWidget>

using namespace formularpruefung;

namespace {

// What a layout is used for: a page of the application or of the expense
// print dialog, and the form kind it belongs to.
struct Verwendung
{
    bool antragsseite = false;
    bool lbv = false;
    bool versicherungsliste = false;
};

Rechnungsposition beleg(int nr, const QString &person, const QString &art, bool pauschale = false)
{
    Rechnungsposition r;
    r.Beleg = qint16(nr);
    // Every receipt has a date of its own.
    r.Datum = QStringLiteral("%1.%2.2026")
                  .arg((nr - 1) % 28 + 1, 2, 10, QLatin1Char('0'))
                  .arg((nr - 1) / 28 % 12 + 1, 2, 10, QLatin1Char('0'));
    r.Empfaenger = person;
    r.Art = art;
    r.Rechnung = 99999.99;
    r.Versicherung = 88888.88;
    r.euro = true;
    if (pauschale) {
        r.Rechnungsnummer = QStringLiteral("Pauschale");
        r.Arzt = QStringLiteral("III");
    } else {
        r.Rechnungsnummer = QStringLiteral("R-2026-123456");
        r.Arzt = QStringLiteral("Dr. med. Hildegard Oberkircher");
    }
    return r;
}

QString code(const QString &eintrag)
{
    return eintrag.section(u';', 0, 0);
}

// Which receipts a page is filled with: a mix of ordinary, itemised care and
// flat-rate care receipts, or care receipts of one kind only.
enum class Mischung { Gemischt, Pauschal, Einzeln };

// Receipts that fill a page to the last line. The LBV form has fixed lines
// per cost-type group and person: every group is full for every person.
Rechnungspositionen musterbelege(bool lbv, int proSeite, Mischung mischung = Mischung::Gemischt)
{
    Rechnungspositionen t;
    int nr = 0;
    const QStringList kinder = {QStringLiteral("K1"), QStringLiteral("K2"), QStringLiteral("K3"),
                                QStringLiteral("K4"), QStringLiteral("K5")};
    if (lbv) {
        for (int gruppe = 1; gruppe <= LbvPruefung::Gruppen; ++gruppe) {
            QString art;
            if (gruppe <= 8) {
                // The widest code of the group.
                for (const QString &e : Kostenarten::lbv())
                    if (code(e).startsWith(QString::number(gruppe)) && code(e).size() >= art.size())
                        art = code(e);
            } else {
                art = QStringLiteral("Pflege");
            }
            for (const QString &person : {QStringLiteral("A"), QStringLiteral("E"), QStringLiteral("K")})
                for (int i = 0; i < LbvPruefung::zeilen(gruppe); ++i) {
                    const QString p = person == QLatin1String("K") ? kinder.at(i % kinder.size()) : person;
                    t.hinzufuegen(beleg(++nr, p, art, gruppe == 10));
                }
        }
        return t;
    }
    const QStringList personen = Aufwendungsseiten::personen();
    const QStringList &arten = Kostenarten::allgemein();
    for (int i = 0; i < proSeite; ++i) {
        const QString p = personen.at(i % personen.size());
        if (mischung != Mischung::Gemischt)
            t.hinzufuegen(beleg(++nr, p, QStringLiteral("Pflege"), mischung == Mischung::Pauschal));
        else if (i % 3 == 2)
            t.hinzufuegen(beleg(++nr, p, QStringLiteral("Pflege"), i % 2 == 0));
        else
            t.hinzufuegen(beleg(++nr, p, code(arten.at(i % arten.size()))));
    }
    return t;
}

// The labels of the crossed boxes: the text just right of each cross.
QStringList angekreuzt(const Aufzeichnungsflaeche &f)
{
    QStringList out;
    for (const Aufzeichnungsflaeche::Strich &s : f.striche()) {
        const bool diagonale = s.x2 - s.x1 > 2 && s.x2 - s.x1 < 4 && s.y2 - s.y1 > 2 && s.y2 - s.y1 < 4;
        if (!diagonale)
            continue;
        for (const Aufzeichnungsflaeche::Text &t : f.texte())
            if (t.blattX > s.x2 && t.blattX < s.x2 + 4 && t.blattY > s.y1 - 3 && t.blattY < s.y2)
                out.append(t.text);
    }
    return out;
}

// Lists the faults one per line (a QVERIFY2 message would be cut short);
// true when there are none.
bool keine(const QStringList &fehler)
{
    for (const QString &f : fehler)
        qWarning("%s", qPrintable(f));
    return fehler.isEmpty();
}

} // namespace

class TestFormulare : public QObject
{
    Q_OBJECT

    QString m_db;
    QStringList m_layouts;               // names in Antragsdruck
    QMap<QString, Verwendung> m_verwendung;
    QMap<QString, int> m_proSeite;       // receipts per page of the layout's form kinds
    QHash<QString, QChar> m_tags;        // field name -> type character
    Feldtabelle m_muster;
    std::unique_ptr<Hauptform> m_h;

    Layout layout(const QString &name, bool euro)
    {
        QString fehler;
        const std::optional<Layout> l = Layoutquelle::lesen(m_db, name, euro, &fehler);
        return l ? *l : Layout{};
    }

    QSet<QString> namen(const QString &tabelle)
    {
        Datenbank db;
        QSet<QString> out;
        if (!db.oeffnen(m_db, Datenbank::Modus::NurLesen))
            return out;
        Datensatz d = db.abfrage(QStringLiteral("SELECT DISTINCT Antrag FROM %1").arg(tabelle));
        for (bool ok = d.ersteZeile(); ok; ok = d.naechsteZeile())
            out.insert(d.text(QStringLiteral("Antrag")));
        return out;
    }

    // An expense-page job over the sample application and the receipts.
    Druckauftrag listenauftrag(const QString &layout, const Belegquelle &belege) const
    {
        Druckauftrag a;
        a.variante = Druckvariante::fuer(Druckvariante::Aufrufer::Aufwendungen);
        a.variante.fortschritt = false;
        a.datenbank = m_db;
        a.layout = layout;
        a.belege = &belege;
        a.felder = &m_muster;
        return a;
    }

    // Draws a layout with the sample application on a surface.
    Druckergebnis zeichnen(const QString &name, bool euro, Seitenflaeche &flaeche, int *listenzeilen = nullptr,
                           const Feldtabelle *felder = nullptr)
    {
        const Verwendung v = m_verwendung.value(name);
        Druckauftrag a;
        a.variante = Druckvariante::fuer(v.antragsseite ? Druckvariante::Aufrufer::Antrag
                                                        : Druckvariante::Aufrufer::Aufwendungen);
        a.variante.fortschritt = false;
        a.datenbank = m_db;
        a.layout = name;
        a.euro = euro;
        a.komplett = true;
        a.felder = felder ? felder : &m_muster;
        const Rechnungspositionen belege = musterbelege(v.lbv, m_proSeite.value(name, 23));
        Aufwendungsbelege quelle(belege, euro);
        const int bis = v.lbv || v.versicherungsliste ? belege.anzahl() : std::min(belege.anzahl(), m_proSeite.value(name, 23));
        quelle.setBereich(1, bis);
        if (v.versicherungsliste) {
            a.pKVP = QStringLiteral("A");
            quelle.setPerson(a.pKVP);
        }
        a.belege = &quelle;
        const Druckergebnis e = Layoutinterpreter::drucken(a, flaeche);
        if (listenzeilen)
            *listenzeilen = bis;
        return e;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_db = TestUmgebung::mitgeliefert() + Formularkatalog::Dateiname;
        QVERIFY(QFile::exists(m_db));
        QStringList alle = namen(Layoutquelle::Tabelle).values();
        alle.sort();
        m_layouts = alle;
        QVERIFY(m_layouts.size() > 20);

        // Uses from the catalogue.
        for (const QString &eintrag : Formularkatalog::formularliste(m_db)) {
            const QString art = eintrag.section(u';', 0, 0);
            Katalogeintrag e;
            QVERIFY(Formularkatalog::Formulare_laden(m_db, art, e));
            for (int i = 0; i < int(e.Druckbereiche.size()); ++i) {
                bool quer = false;
                const QString name = Antragsseiten::layoutname(e.Druckbereiche[i], &quer);
                if (name.isEmpty())
                    continue;
                Verwendung &v = m_verwendung[name];
                v.antragsseite = i <= 3;
                v.lbv = v.lbv || art.startsWith(QLatin1String("LBV"));
                m_proSeite[name] = Aufwendungsseiten::proSeite(e);
            }
        }
        m_verwendung[Aufwendungsseiten::Versicherungslayout].versicherungsliste = true;
        // The side applications' pages, drawn like the application's.
        for (const Antragsseiten::Nebenantrag &n : Antragsseiten::nebenantraege())
            for (const QString &l : n.layouts)
                m_verwendung[l].antragsseite = true;

        // Every field the program's screens and the main window provide.
        const QString dir = TestUmgebung::programmverzeichnis(QStringLiteral("p"));
        QFile::remove(dir + Felddatei::Dateiname);
        QVERIFY(QFile::copy(TestUmgebung::testdaten(QStringLiteral("print/musterantrag.txt")), dir + Felddatei::Dateiname));
        QFile::setPermissions(dir + Felddatei::Dateiname, QFile::ReadOwner | QFile::WriteOwner);
        m_h = TestUmgebung::hauptfenster(dir, {1280, 800});
        for (const QString &maske : m_h->masken())
            m_h->oeffnen(maske);
        for (QWidget *w : FeldControls::tagged(m_h.get())) {
            const QString tag = FeldControls::tag(w);
            if (tag.size() > 1)
                m_tags.insert(tag.mid(1), tag.at(0));
        }
        QVERIFY(m_tags.size() > 300);

        Felddatei::Inhalt inhalt;
        QVERIFY(Felddatei::lesen(TestUmgebung::testdaten(QStringLiteral("print/musterantrag.txt")), &inhalt));
        m_muster = inhalt.tabelle;
        // Every sample value belongs to a field that exists.
        QStringList fremd;
        for (const Feldtabelle::Zeile &z : m_muster.zeilen())
            if (!m_tags.contains(z.name.mid(1)))
                fremd.append(z.name);
        QVERIFY2(keine(fremd), "sample values of fields nothing provides");
    }

    void cleanupTestCase() { m_h.reset(); }

    // Every reference of the catalogue names a layout of both editions, and
    // every layout is used by some form kind.
    void verweise()
    {
        const QSet<QString> dm = namen(Layoutquelle::Tabelle);
        const QSet<QString> euro = namen(Layoutquelle::TabelleEuro);
        QCOMPARE(euro, dm);
        QStringList fehlt;
        for (auto it = m_verwendung.constBegin(); it != m_verwendung.constEnd(); ++it)
            if (!dm.contains(it.key()))
                fehlt.append(it.key());
        QVERIFY2(keine(fehlt), "references to missing layouts");
        QStringList unbenutzt;
        for (const QString &name : dm)
            if (!m_verwendung.contains(name))
                unbenutzt.append(name);
        QVERIFY2(keine(unbenutzt), "layouts no form kind uses");
    }

    // The per-page count of a form kind is the number of receipt lines its
    // expense list really has: that many fit, one more does not.
    void zeilenanzahl()
    {
        for (const QString &eintrag : Formularkatalog::formularliste(m_db)) {
            const QString art = eintrag.section(u';', 0, 0);
            if (art.startsWith(QLatin1String("LBV")))
                continue; // the LBV lists have lines per group and person
            Katalogeintrag e;
            QVERIFY(Formularkatalog::Formulare_laden(m_db, art, e));
            // The care list has a part for flat-rate and one for itemised
            // receipts; each must hold a whole block.
            const QList<std::pair<int, Mischung>> seiten = {
                {4, Mischung::Gemischt}, {8, Mischung::Pauschal}, {8, Mischung::Einzeln}};
            for (const auto &[bereich, mischung] : seiten) {
                bool quer = false;
                const QString name = Antragsseiten::layoutname(e.Druckbereiche[bereich], &quer);
                const int n = Aufwendungsseiten::proSeite(e);
                auto probleme = [&](int anzahl) {
                    Aufzeichnungsflaeche f(Aufzeichnungsflaeche::Metrik::Schrift);
                    const Rechnungspositionen belege = musterbelege(false, anzahl, mischung);
                    Aufwendungsbelege quelle(belege, true);
                    quelle.setBereich(1, anzahl);
                    if (!Layoutinterpreter::drucken(listenauftrag(name, quelle), f).ok)
                        return -1;
                    return int((ausserhalb(f) + durchgestrichen(f) + ueberlappend(f)).size());
                };
                const QString wo = art + u' ' + name + u' ' + QString::number(int(mischung));
                QVERIFY2(probleme(n) == 0, qPrintable(wo));
                QVERIFY2(probleme(n + 1) > 0, qPrintable(wo));
            }
        }
    }

    // A page of a person's insurance list holds as many receipts as the
    // program puts on it: that many fit, one more does not.
    void versicherungslisteZeilen()
    {
        auto probleme = [&](int anzahl) {
            Rechnungspositionen t;
            for (int i = 1; i <= anzahl; ++i)
                t.hinzufuegen(beleg(i, QStringLiteral("A"), code(Kostenarten::allgemein().first())));
            Aufwendungsbelege quelle(t, true);
            quelle.setPerson(QStringLiteral("A"));
            Druckauftrag a = listenauftrag(Aufwendungsseiten::Versicherungslayout, quelle);
            a.pKVP = QStringLiteral("A");
            Aufzeichnungsflaeche f(Aufzeichnungsflaeche::Metrik::Schrift);
            if (!Layoutinterpreter::drucken(a, f).ok)
                return -1;
            return int((ausserhalb(f) + durchgestrichen(f) + ueberlappend(f)).size());
        };
        QCOMPARE(probleme(Aufwendungsseiten::VersicherungProSeite), 0);
        QVERIFY(probleme(Aufwendungsseiten::VersicherungProSeite + 1) > 0);
    }

    // The LBV lists together print every receipt of a full application
    // once: each group of each person in its own lines.
    void lbvVollstaendig()
    {
        Katalogeintrag e;
        QVERIFY(Formularkatalog::Formulare_laden(m_db, QStringLiteral("LBV NRW"), e));
        const Rechnungspositionen belege = musterbelege(true, 0);
        QHash<QString, int> gedruckt;
        for (const int bereich : {4, 5, 8}) {
            bool quer = false;
            Aufzeichnungsflaeche f(Aufzeichnungsflaeche::Metrik::Schrift);
            Aufwendungsbelege quelle(belege, true);
            quelle.setBereich(1, belege.anzahl());
            const Druckauftrag a =
                listenauftrag(Antragsseiten::layoutname(e.Druckbereiche[bereich], &quer), quelle);
            QVERIFY2(Layoutinterpreter::drucken(a, f).ok, qPrintable(a.layout));
            for (const Aufzeichnungsflaeche::Text &t : f.texte())
                ++gedruckt[t.text.trimmed()];
        }
        QStringList fehler;
        // Every receipt shows its refund once; the itemised ones also their date
        // (flat-rate care lines show the month instead).
        if (gedruckt.value(QStringLiteral("88.888,88")) != belege.anzahl())
            fehler.append(QStringLiteral("%1 refunds printed for %2 receipts")
                              .arg(gedruckt.value(QStringLiteral("88.888,88")))
                              .arg(belege.anzahl()));
        for (const Rechnungsposition &r : belege.alle())
            if (!r.istPauschale() && gedruckt.value(r.Datum.text()) != 1)
                fehler.append(QStringLiteral("receipt %1 (%2, %3) printed %4 times")
                                  .arg(r.Beleg).arg(r.Empfaenger.text(), r.Art.text()).arg(gedruckt.value(r.Datum.text())));
        QVERIFY2(keine(fehler), "receipts missing or printed twice");
    }

    // A list without a currency column shows every amount in the currency
    // of the application, as its totals are: a DM receipt of 19,56 in a
    // euro application lists 10,00, never 19,56.
    void betraegeInAntragswaehrung()
    {
        for (const QString &name : {QStringLiteral("LBV-AUF"), QStringLiteral("LBV-AUF2"), QStringLiteral("LBV-PAUF"),
                                    QStringLiteral("STD-PAUF")}) {
            const Rechnungspositionen muster = musterbelege(m_verwendung.value(name).lbv, 23);
            Rechnungspositionen dm;
            for (Rechnungsposition r : muster.alle()) {
                r.Rechnung = r.Versicherung = 19.56;
                r.euro = false;
                dm.hinzufuegen(r);
            }
            Aufwendungsbelege quelle(dm, true);
            Druckauftrag a = listenauftrag(name, quelle);
            a.euro = true;
            Aufzeichnungsflaeche f;
            QVERIFY(Layoutinterpreter::drucken(a, f).ok);
            QStringList texte;
            for (const Aufzeichnungsflaeche::Text &t : f.texte())
                texte.append(t.text.trimmed());
            QVERIFY2(!texte.contains(QStringLiteral("19,56")) && texte.contains(QStringLiteral("10,00")), qPrintable(name));
        }
    }

    // A section that prints its answers only when they changed says so in
    // its heading (the bold 9 pt text on its grey band).
    void nurBeiAenderung()
    {
        QStringList fehler;
        for (const QString &name : m_layouts) {
            if (!m_verwendung.value(name).antragsseite)
                continue;
            QMap<double, QString> abschnitte; // top of the band -> heading
            QList<double> nurGeaendert;       // tops of rows of kinds 21-29
            for (const Layoutzeile &z : layout(name, false)) {
                const double y = z.y.toDouble() + z.BeginnY.toDouble();
                const int art = Layoutinterpreter::ganzzahl(z.Art).value_or(-1);
                if (art == 1 && z.Schrifttyp.toString() != QLatin1String("N") && z.Schriftgroesse.toDouble() == 9.0)
                    abschnitte[std::floor(y)] += z.Inhalt.toString();
                if (art > 20 && art < 30)
                    nurGeaendert.append(y);
            }
            for (auto it = abschnitte.constBegin(); it != abschnitte.constEnd(); ++it) {
                const double ende = std::next(it) == abschnitte.constEnd() ? 1e9 : std::next(it).key();
                const bool betroffen = std::any_of(nurGeaendert.begin(), nurGeaendert.end(),
                                                   [&](double y) { return y > it.key() && y < ende; });
                if (betroffen && !it.value().contains(QStringLiteral("(nur bei Änderung)")))
                    fehler.append(name + QStringLiteral(": ") + it.value());
            }
        }
        QVERIFY2(keine(fehler), "sections printed only when changed without saying so");
    }

    // The back page has the sections of its screen, in order and with the
    // screen's words, and section 2 the column headings of the screen.
    void rueckseiteWieMaske()
    {
        QWidget *maske = m_h->maske(QStringLiteral("Rückseiteform"));
        QVERIFY(maske);
        QStringList titel(6);
        for (const QRadioButton *o : maske->findChildren<QRadioButton *>(QStringLiteral("Option"))) {
            const int n = o->property("index").toInt();
            titel[n] = QStringLiteral("%1. Nur auszufüllen ").arg(n + 1) + o->text();
        }
        QStringList koepfe;
        for (const QLabel *k : maske->findChild<QStackedWidget *>()->widget(1)->findChildren<QLabel *>())
            if (k->frameShape() == QFrame::Panel)
                koepfe.append(k->text());
        QCOMPARE(koepfe.size(), 4);
        for (const QString &name : {QStringLiteral("STD-R"), QStringLiteral("STD-PR"), QStringLiteral("LBV-R")}) {
            // The printed texts of each left edge, top to bottom.
            QMap<double, QString> spalten;
            for (const Layoutzeile &z : layout(name, false))
                if (Layoutinterpreter::ganzzahl(z.Art) == 1)
                    spalten[z.x.toDouble()] += z.Inhalt.toString() + u' ';
            qsizetype vorher = -1;
            for (const QString &t : titel) {
                const qsizetype i = spalten.value(1.5).indexOf(t);
                QVERIFY2(i > vorher, qPrintable(name + QStringLiteral(": ") + t));
                vorher = i;
            }
            for (const QString &k : koepfe) {
                bool gefunden = false;
                for (const QString &spalte : spalten)
                    gefunden = gefunden || spalte.contains(k);
                QVERIFY2(gefunden, qPrintable(name + QStringLiteral(": ") + k));
            }
        }
    }

    // The box beside the date from which changes apply is ticked by that
    // date, the statement on sections 3 to 5 by its own answer.
    void aenderungenAngekreuzt()
    {
        for (const QString &name : m_layouts) {
            if (!m_verwendung.value(name).antragsseite || !name.endsWith(QLatin1String("V")))
                continue;
            for (const bool datum : {true, false}) {
                Feldtabelle felder = m_muster;
                felder.setzen(QStringLiteral("2Datenänderung"), datum ? QStringLiteral("1") : QStringLiteral("0"));
                felder.setzen(QStringLiteral("2Datenänderung2"), datum ? QStringLiteral("0") : QStringLiteral("1"));
                Aufzeichnungsflaeche f(Aufzeichnungsflaeche::Metrik::Schrift);
                QVERIFY(zeichnen(name, false, f, nullptr, &felder).ok);
                const QStringList kreuze = angekreuzt(f);
                QVERIFY2(kreuze.contains(QStringLiteral("Änderungen ab")) == datum, qPrintable(name));
                QVERIFY2(kreuze.contains(QStringLiteral("in den Bereichen 3 - 5 haben sich")) != datum, qPrintable(name));
            }
        }
    }

    // Whatever the claimant enters on the screens reaches some printed
    // page; only settings and second views of an answer stay off paper.
    void alleAngabenGedruckt()
    {
        QSet<QString> nichtGedruckt = {
            // printing and export settings
            QStringLiteral("Druckername"), QStringLiteral("Druckoffset"), QStringLiteral("Euroformularbenutzen"),
            QStringLiteral("Tarvik"),
            // copy of the personnel number
            QStringLiteral("Personalnummer2"),
            // the totals print once, in the currency of the application
            QStringLiteral("EndsummeRechnungsbetragDM"), QStringLiteral("EndsummeRechnungsbetragEuro"),
            QStringLiteral("EndsummeVersicherungsbetragDM"), QStringLiteral("EndsummeVersicherungsbetragEuro"),
            // the family status per kind; the form prints status and date
            QStringLiteral("FamilienstandVerheiratet"), QStringLiteral("FamilienstandGeschieden"),
            QStringLiteral("FamilienstandVerwitwet"), QStringLiteral("FamilienstandGetrennt"),
        };
        // the private insurer's service number, tariff, premium and contact:
        // the insurance data sheet prints them, the insurance list does not
        for (const char *feld : {"Servicenummer", "Tarif", "Tagegeld", "Beitrag", "Ansprechpartner", "Telefon",
                                 "Telefax", "email"})
            for (const QString &p : Aufwendungsseiten::personen())
                nichtGedruckt.insert(QStringLiteral("privateKV_") + QString::fromUtf8(feld) + p);
        QSet<QString> gedruckt;
        for (const QString &name : m_layouts)
            for (const Layoutzeile &z : layout(name, false)) {
                const int art = Layoutinterpreter::ganzzahl(z.Art).value_or(-1);
                if (art <= 10 || art >= 40)
                    continue;
                for (const QString &w : feldwoerter(z.Inhalt.toString()))
                    for (const QString &p : Aufwendungsseiten::personen())
                        gedruckt.insert(QString(w).replace(QLatin1String("[#P]"), p));
            }
        QStringList fehlt;
        for (auto it = m_tags.constBegin(); it != m_tags.constEnd(); ++it)
            if (!gedruckt.contains(it.key()) && !nichtGedruckt.contains(it.key()))
                fehlt.append(it.key());
        fehlt.sort();
        QVERIFY2(keine(fehlt), "fields no layout prints");
    }

    void felder_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &n : m_layouts)
            QTest::newRow(qPrintable(n)) << n;
    }
    // Every row has a known kind, every field word names a field of the
    // program, every list row an attribute of the receipts, and the sample
    // gives every printed text field a value.
    void felder()
    {
        QFETCH(QString, name);
        const Layout l = layout(name, false);
        QVERIFY(!l.isEmpty());
        const QSet<int> arten = {0, 1, 2, 3, 4, 11, 12, 13, 14, 16, 21, 22, 23, 24, 26, 41, 42, 43};
        QSet<QString> mitWert;
        for (const Feldtabelle::Zeile &z : m_muster.zeilen())
            if (!z.wert.isEmpty())
                mitWert.insert(z.name.mid(1));
        const Rechnungspositionen belege = musterbelege(true, 0);
        // Every content fits the slots of the variant that prints it.
        bool neben = false;
        for (const Antragsseiten::Nebenantrag &n : Antragsseiten::nebenantraege())
            neben = neben || n.layouts.contains(name);
        const Druckvariante v = Druckvariante::fuer(neben ? Druckvariante::Aufrufer::Hauptform
                                                          : Druckvariante::Aufrufer::Antrag);
        Druckvariante ohneGrenze = v;
        ohneGrenze.faecher = 1000;
        const Layoutinterpreter::Feldindex index(&m_muster, nullptr);
        QStringList fehler;
        for (const Layoutzeile &z : l) {
            const int art = Layoutinterpreter::ganzzahl(z.Art).value_or(-1);
            const QString inhalt = z.Inhalt.toString();
            if (!arten.contains(art)) {
                fehler.append(QStringLiteral("kind %1").arg(art));
                continue;
            }
            if (art >= 41) {
                bool beantwortet = false;
                for (const QString &p : Aufwendungsseiten::personen())
                    for (const Rechnungsposition &r : belege.alle())
                        beantwortet = beantwortet
                            || Aufwendungsbelege::wert(inhalt, r, true, p) != Belegquelle::Auslassung;
                if (!beantwortet)
                    fehler.append(QStringLiteral("list attribute \"%1\"").arg(inhalt));
                continue;
            }
            if (art <= 10)
                continue;
            if (Layoutinterpreter::ersetzen(inhalt, v, index, {}, nullptr)
                != Layoutinterpreter::ersetzen(inhalt, ohneGrenze, index, {}, nullptr))
                fehler.append(QStringLiteral("\"%1\" needs more than %2 slots").arg(inhalt).arg(v.faecher));
            for (QString w : feldwoerter(inhalt)) {
                // The person of an insurance list; every person has the field.
                if (w.contains(QLatin1String("[#P]"))) {
                    for (const QString &p : Aufwendungsseiten::personen())
                        if (!m_tags.contains(QString(w).replace(QLatin1String("[#P]"), p)))
                            fehler.append(QStringLiteral("field \"%1\" for person %2").arg(w, p));
                    w.replace(QLatin1String("[#P]"), QLatin1String("A"));
                }
                if (!m_tags.contains(w)) // a word that is no field prints nothing
                    fehler.append(QStringLiteral("field \"%1\"").arg(w));
                else if (m_tags.value(w) == u'1' && !mitWert.contains(w) && art != 14 && art != 16 && art != 24
                         && art != 26)
                    fehler.append(QStringLiteral("sample lacks \"%1\"").arg(w));
            }
        }
        fehler.removeDuplicates();
        QVERIFY2(keine(fehler), "faults of the layout rows");
    }

    void seite_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("euro");
        for (const QString &n : m_layouts) {
            QTest::newRow(qPrintable(n + QStringLiteral(" DM"))) << n << false;
            QTest::newRow(qPrintable(n + QStringLiteral(" Euro"))) << n << true;
        }
    }
    // The page drawn with everything filled in stays on the sheet, and no
    // text runs over a line, another text or the room of its answer.
    void seite()
    {
        QFETCH(QString, name);
        QFETCH(bool, euro);
        Aufzeichnungsflaeche f(Aufzeichnungsflaeche::Metrik::Schrift);
        const Druckergebnis e = zeichnen(name, euro, f);
        QVERIFY2(e.ok, qPrintable(e.fehler));

        if (!qEnvironmentVariableIsEmpty("VELMORA_BILDER")) {
            BildFlaeche bild(100, QDir(qEnvironmentVariable("VELMORA_BILDER"))
                                      .filePath(QStringLiteral("formular-%1%2.png").arg(name, euro ? QStringLiteral("-euro") : QString())),
                             600);
            zeichnen(name, euro, bild);
        }

        QStringList fehler = ausserhalb(f) + durchgestrichen(f) + ueberlappend(f);
        const Layoutinterpreter::Feldindex index(&m_muster, nullptr);
        const Druckvariante v = Druckvariante::fuer(m_verwendung.value(name).antragsseite
                                                        ? Druckvariante::Aufrufer::Antrag
                                                        : Druckvariante::Aufrufer::Aufwendungen);
        fehler += zuBreit(layout(name, euro), [&](const QString &inhalt) {
            return Layoutinterpreter::ersetzen(inhalt, v, index, QStringLiteral("A"), nullptr);
        });
        QVERIFY2(keine(fehler), "faults of the drawn page");
    }

};

VELMORA_TEST_MAIN(TestFormulare)
#include "TestFormulare.moc"

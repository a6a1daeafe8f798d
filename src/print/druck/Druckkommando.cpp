#include "print/druck/Druckkommando.h"

#include "fields/Felddatei.h"
#include "fields/Nebenantragsdatei.h"
#include "fields/Zusatzfeldtabelle.h"
#include "ledger/Antragsdatenbank.h"
#include "ledger/Summen.h"
#include "ledger/Uebersicht.h"
#include "print/Antragsseiten.h"
#include "print/Aufwendungsbelege.h"
#include "print/Aufwendungsseiten.h"
#include "print/BildFlaeche.h"
#include "print/Formularkatalog.h"
#include "print/Layoutinterpreter.h"
#include "print/PdfFlaeche.h"
#include "print/druck/Datenblattkommando.h"
#include "print/druck/GespeicherterAntrag.h"
#include "print/druck/MehrseitenPdf.h"
#include "print/druck/Paketkommando.h"
#include "print/druck/Uebersichtsdruck.h"
#include "print/druck/Widerspruchskommando.h"
#include "base/GermanDate.h"
#include "base/GermanMoney.h"
#include "shell/Registry.h"
#include "shell/Verzeichnisse.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <memory>

namespace {
struct Optionen
{
    QString programm, daten, formular, seite, pdf, png, offset, antrag;
    QString antragsdatei; // file of a side application
    QString person; // the data sheet's person, 0 to 6
    QString gueltigAb; // date from which changes apply, dd.mm.yyyy or empty
    int block = 0;
    bool euro = false, erstantrag = false, komplett = false, quer = false, offsetGesetzt = false;
    bool aenderungen35 = false; // changes in sections 3 to 5
    bool uebersicht = false;    // the list of all stored applications
    bool widerspruch = false;   // the objection against an application's decision
    bool paket = false;         // the application with its receipts, to hand in
    int dpi = 150;
};

QString nativ(const QString &pfad)
{
    return QDir::toNativeSeparators(pfad);
}

// Draws one page of the job into the PDF or picture file of the options;
// the message (ending in a line break) when that fails, else nothing. A
// missing layout writes no file.
QString seiteAusgeben(const Druckauftrag &a, const Optionen &o)
{
    QString grund;
    const std::optional<Layout> layout = Layoutinterpreter::vorlage(a, &grund);
    if (!layout)
        return grund + u'\n';
    std::unique_ptr<Seitenflaeche> flaeche;
    if (!o.pdf.isEmpty())
        flaeche = std::make_unique<PdfFlaeche>(o.pdf, a.layout);
    else
        flaeche = std::make_unique<BildFlaeche>(o.dpi, o.png, PdfFlaeche::Aufloesung);
    const Druckergebnis e = Layoutinterpreter::zeichnen(a, *layout, *flaeche);
    return e.ok ? QString() : e.fehler + u'\n';
}

// Pages drawn one after the other into one PDF file, or into the numbered
// pictures FILE-1.png, FILE-2.png, ... of the options.
class Seitenfolge
{
public:
    Seitenfolge(const Optionen &o, const QString &titel)
        : m_o(o)
    {
        if (!o.pdf.isEmpty())
            m_pdf = std::make_unique<MehrseitenPdf>(o.pdf, titel);
    }

    // The next page; false (and the reason) when it could not be drawn.
    bool zeichnen(const Druckauftrag &a, const Layout &layout, QString *grund)
    {
        ++m_seiten;
        Druckergebnis e;
        if (m_pdf) {
            e = Layoutinterpreter::zeichnen(a, layout, *m_pdf);
        } else {
            const QFileInfo info(m_o.png);
            const QString datei = info.path() + u'/' + info.completeBaseName() + u'-' + QString::number(m_seiten)
                                  + QStringLiteral(".png");
            BildFlaeche bild(m_o.dpi, datei, PdfFlaeche::Aufloesung);
            e = Layoutinterpreter::zeichnen(a, layout, bild);
            m_dateien << nativ(datei);
        }
        if (!e.ok)
            *grund = e.fehler + u'\n';
        return e.ok;
    }

    int seiten() const { return m_seiten; }

    // Writes the PDF file; the message: the pictures' names, or the reason.
    bool fertig(QString *meldung)
    {
        if (m_pdf && !m_pdf->fertig()) {
            *meldung = m_pdf->fehler() + u'\n';
            return false;
        }
        *meldung = m_pdf ? QString() : m_dateien.join(u'\n') + u'\n';
        return true;
    }

private:
    const Optionen &m_o;
    std::unique_ptr<MehrseitenPdf> m_pdf;
    QStringList m_dateien;
    int m_seiten = 0;
};
} // namespace

namespace {
// The expense pages: the receipts of a stored application, the four pages
// of the expense dialog block by block, or the insurance list per person.
int aufwendungen(const Optionen &o, const QString &datenbank, const QString &daten, const QString &formular,
                 const Katalogeintrag &eintrag, Feldtabelle &felder, QString *meldung)
{
    auto fehler = [meldung](int code, const QString &text) {
        if (meldung)
            *meldung = text;
        return code;
    };
    const bool versicherung = o.seite == QLatin1String("versicherung");
    int knopf = -1;
    if (!versicherung) {
        bool ok = false;
        knopf = o.seite.mid(13).toInt(&ok) - 1;
        if (!ok || knopf < 0 || knopf > 3)
            return fehler(2, QStringLiteral("Unbekannte Seite: %1\n").arg(o.seite) + Druckkommando::hilfe());
    }

    // The application, loaded as the load dialog does.
    Rechnungspositionen tabelle;
    Antragskopf kopf;
    kopf.AEuro = o.euro;
    if (!o.antrag.isEmpty()) {
        Antragsdatenbank::Geladen geladen;
        if (!gespeicherterAntrag(daten, o.antrag, &geladen, meldung))
            return 1;
        if (geladen.kopf)
            kopf = *geladen.kopf;
        for (const Rechnungsposition &r : geladen.positionen)
            tabelle.hinzufuegen(r);
    }
    const bool euro = kopf.AEuro;
    const int anzahl = tabelle.anzahl();
    const int proSeite = Aufwendungsseiten::proSeite(eintrag);
    const int bloecke = int(Aufwendungsseiten::bloecke(anzahl, proSeite).size());
    if (!versicherung && anzahl > 0 && o.block >= bloecke)
        return fehler(2, QStringLiteral("Block %1 gibt es nicht: %2 Belege ergeben %3 Block/Blöcke (ab 0 gezählt).\n")
                             .arg(o.block)
                             .arg(anzahl)
                             .arg(bloecke));

    // The fields as the main window holds them after the ledger's totals.
    felder.setzen(QStringLiteral("1Gültigkeit"), QString());
    if (o.offsetGesetzt)
        felder.setzen(QStringLiteral("1Druckoffset"), o.offset);
    Aufwendungsseiten::summenEintragen(felder, Summen::einlesen(tabelle, euro));

    Druckauftrag a;
    a.variante = Druckvariante::fuer(Druckvariante::Aufrufer::Aufwendungen);
    a.datenbank = datenbank;
    a.euro = euro;
    a.offset = felder.Feldwert(QStringLiteral("Druckoffset")).value_or(QString());
    a.felder = &felder;
    Aufwendungsbelege belege(tabelle, euro);
    a.belege = &belege;

    if (!versicherung) {
        a.querformat = o.quer;
        a.layout = Antragsseiten::layoutname(eintrag.Druckbereiche[Aufwendungsseiten::druckbereich(knopf, kopf.Pflegeantrag)],
                                             &a.querformat);
        const auto bereich = Aufwendungsseiten::bereich(anzahl > 0 ? o.block : -1, anzahl, proSeite, formular, a.layout);
        belege.setBereich(bereich.von, bereich.bis);
        if (Aufwendungsseiten::summenLeeren(bereich, anzahl)) {
            felder.setzen(QStringLiteral("1EndsummeRechnungsbetrag"), QString());
            felder.setzen(QStringLiteral("1EndsummeVersicherungsbetrag"), QString());
        }
        const QString grund = seiteAusgeben(a, o);
        return fehler(grund.isEmpty() ? 0 : 1, grund);
    }

    // One list per person with receipts, over as many pages as it needs.
    a.layout = Aufwendungsseiten::Versicherungslayout;
    a.querformat = false;
    QString grund;
    const std::optional<Layout> layout = Layoutinterpreter::vorlage(a, &grund);
    if (!layout)
        return fehler(1, grund + u'\n');
    Seitenfolge seiten(o, a.layout);
    for (const Aufwendungsseiten::Person &p : Aufwendungsseiten::personensummen(tabelle, euro)) {
        const QVector<Aufwendungsseiten::Bereich> teile = Aufwendungsseiten::versicherungsseiten(tabelle, p.code);
        for (qsizetype teil = 0; teil < teile.size(); ++teil) {
            a.pKVP = p.code;
            belege.setPerson(p.code);
            belege.setBereich(teile.at(teil).von, teile.at(teil).bis);
            felder.setzen(QStringLiteral("1Versicherungspersonensumme"),
                          Aufwendungsseiten::versicherungssumme(p, teil + 1 == teile.size()));
            if (!seiten.zeichnen(a, *layout, &grund))
                return fehler(1, grund);
        }
    }
    if (seiten.seiten() == 0)
        return fehler(1, QStringLiteral("Keine Belege: für keine Person ist eine Aufstellung zu drucken.\n"));
    return seiten.fertig(&grund) ? fehler(0, grund) : fehler(1, grund);
}
} // namespace

namespace {
// The pages of a side application stored in its own file, with the fields of
// the field file behind its own (as the main window collects them), into one
// PDF file or numbered pictures.
int nebenantrag(const Optionen &o, const Antragsseiten::Nebenantrag &n, const QString &datenbank,
                const Feldtabelle &felder, QString *meldung)
{
    auto fehler = [meldung](int code, const QString &text) {
        if (meldung)
            *meldung = text;
        return code;
    };
    if (o.antragsdatei.isEmpty())
        return fehler(2, QStringLiteral("Zu --seite %1 gehört --antragsdatei DATEI.\n").arg(n.seite));
    QList<Nebenantragsdatei::Zeile> zeilen;
    QString grund;
    if (!QFileInfo(o.antragsdatei).isFile())
        return fehler(1, QStringLiteral("Die Datei %1 gibt es nicht.\n").arg(nativ(o.antragsdatei)));
    if (!Nebenantragsdatei::lesen(o.antragsdatei, &zeilen, &grund))
        return fehler(1, grund + u'\n');
    Zusatzfeldtabelle zusatz;
    for (const Nebenantragsdatei::Zeile &z : zeilen)
        zusatz.setzen(z.tag, z.wert);
    for (const Feldtabelle::Zeile &z : felder.zeilen())
        zusatz.setzen(z.name, z.wert);

    Druckauftrag a;
    a.variante = Druckvariante::fuer(Druckvariante::Aufrufer::Hauptform);
    a.variante.fortschritt = false;
    a.datenbank = datenbank;
    a.felder = &felder;
    a.zusatz = &zusatz;
    // Every page's layout first, so a missing one leaves no file behind.
    QList<Layout> layouts;
    for (const QString &name : n.layouts) {
        a.layout = name;
        const std::optional<Layout> l = Layoutinterpreter::vorlage(a, &grund);
        if (!l)
            return fehler(1, grund + u'\n');
        layouts.append(*l);
    }
    Seitenfolge seiten(o, n.layouts.first());
    for (qsizetype i = 0; i < layouts.size(); ++i) {
        a.layout = n.layouts.at(i);
        a.querformat = false;
        if (!seiten.zeichnen(a, layouts.at(i), &grund))
            return fehler(1, grund);
    }
    return seiten.fertig(&grund) ? fehler(0, grund) : fehler(1, grund);
}
} // namespace

QString Druckkommando::hilfe()
{
    return QStringLiteral(
        "Aufruf: velmora-druck [--programm VERZ] [--daten VERZ] [--formular NAME] [--euro] [--erstantrag]\n"
        "                      [--komplett] [--quer] [--offset MM] --seite SEITE (--pdf DATEI | --png DATEI [--dpi N])\n"
        "                      [--gueltig-ab DATUM] [--aenderungen-3-5] [--antrag KENNUNG] [--block K]\n"
        "                      [--antragsdatei DATEI] [--person N]\n"
        "       velmora-druck [--programm VERZ] [--daten VERZ] --uebersicht --pdf DATEI\n"
        "       velmora-druck [--programm VERZ] [--daten VERZ] --widerspruch --antrag KENNUNG --pdf DATEI\n"
        "       velmora-druck [--programm VERZ] [--daten VERZ] --paket --antrag KENNUNG --pdf DATEI\n"
        "SEITE: vorderseite, rueckseite, vorderseite-komplett, rueckseite-komplett, pflege-vorderseite,\n"
        "       pflege-rueckseite, pflege-vorderseite-komplett, pflege-rueckseite-komplett, layout:NAME,\n"
        "       aufwendungen-1 bis aufwendungen-4 (mit --block K, ab 0), versicherung,\n"
        "       unfallbericht, vorschuss oder abschlagszahlung (mit --antragsdatei DATEI),\n"
        "       datenblatt (mit --person N: 0 Antragsteller, 1 Ehegatte, 2 bis 6 Kind 1 bis Kind 5)\n"
        "--gueltig-ab: Änderungen gültig ab DATUM (TT.MM.JJJJ); --aenderungen-3-5: in den Bereichen 3 - 5\n"
        "haben sich Änderungen ergeben.\n"
        "--antrag lädt den gespeicherten Antrag KENNUNG aus anträge.mdb im Datenverzeichnis.\n"
        "--antragsdatei: die mit \"Speichern\" abgelegte Datei des Unfallberichts, Vorschuss- oder\n"
        "Abschlagsantrags; alle Seiten kommen in eine PDF-Datei (oder DATEI-1.png, DATEI-2.png, ...).\n"
        "--uebersicht: alle in anträge.mdb gespeicherten Anträge mit Stand und Summen als Liste (A4 quer).\n"
        "--widerspruch: Entwurf eines Widerspruchs gegen den erfassten Bescheid des Antrags KENNUNG.\n"
        "--paket: der Antrag KENNUNG zum Einreichen in einer PDF-Datei: Vorder- und Rückseite,\n"
        "Aufstellungen der Aufwendungen und die Bilder der Belege, jedes mit \"Beleg N\" gestempelt.\n");
}

int Druckkommando::ausfuehren(const QStringList &argumente, QString *meldung, const Einreichungspaket::Bildquelle &bilder)
{
    auto fehler = [meldung](int code, const QString &text) {
        if (meldung)
            *meldung = text;
        return code;
    };
    // 1. The command line.
    Optionen o;
    for (int i = 0; i < argumente.size(); ++i) {
        const QString &a = argumente.at(i);
        auto wert = [&](QString *ziel) {
            if (i + 1 >= argumente.size())
                return false;
            *ziel = argumente.at(++i);
            return true;
        };
        bool ok = true;
        if (a == QLatin1String("--programm"))
            ok = wert(&o.programm);
        else if (a == QLatin1String("--daten"))
            ok = wert(&o.daten);
        else if (a == QLatin1String("--formular"))
            ok = wert(&o.formular);
        else if (a == QLatin1String("--seite"))
            ok = wert(&o.seite);
        else if (a == QLatin1String("--pdf"))
            ok = wert(&o.pdf);
        else if (a == QLatin1String("--png"))
            ok = wert(&o.png);
        else if (a == QLatin1String("--antrag"))
            ok = wert(&o.antrag);
        else if (a == QLatin1String("--antragsdatei"))
            ok = wert(&o.antragsdatei);
        else if (a == QLatin1String("--person"))
            ok = wert(&o.person);
        else if (a == QLatin1String("--gueltig-ab")) {
            QString d;
            ok = wert(&d);
            if (ok && !d.trimmed().isEmpty()) {
                const std::optional<QDate> datum = GermanDate::parse(d.trimmed());
                if (!datum)
                    return fehler(2, QStringLiteral("Das Datum \"%1\" zu --gueltig-ab ist ungültig (TT.MM.JJJJ).\n").arg(d));
                o.gueltigAb = GermanDate::format(*datum);
            }
        } else if (a == QLatin1String("--aenderungen-3-5"))
            o.aenderungen35 = true;
        else if (a == QLatin1String("--block")) {
            QString b;
            ok = wert(&b);
            o.block = b.toInt(&ok);
            if (ok && o.block < 0)
                return fehler(2, QStringLiteral("Der Block wird ab 0 gezählt und kann nicht negativ sein.\n"));
        } else if (a == QLatin1String("--offset"))
            ok = o.offsetGesetzt = wert(&o.offset);
        else if (a == QLatin1String("--dpi")) {
            QString d;
            ok = wert(&d);
            o.dpi = d.toInt(&ok);
            if (ok && (o.dpi < 10 || o.dpi > 1200))
                return fehler(2, QStringLiteral("Die Auflösung muss zwischen 10 und 1200 dpi liegen.\n"));
        } else if (a == QLatin1String("--euro"))
            o.euro = true;
        else if (a == QLatin1String("--erstantrag"))
            o.erstantrag = true;
        else if (a == QLatin1String("--uebersicht"))
            o.uebersicht = true;
        else if (a == QLatin1String("--widerspruch"))
            o.widerspruch = true;
        else if (a == QLatin1String("--paket"))
            o.paket = true;
        else if (a == QLatin1String("--komplett"))
            o.komplett = true;
        else if (a == QLatin1String("--quer"))
            o.quer = true;
        else if (a == QLatin1String("--hilfe") || a == QLatin1String("--help") || a == QLatin1String("-h"))
            return fehler(0, hilfe());
        else
            return fehler(2, QStringLiteral("Unbekannte Angabe: %1\n").arg(a) + hilfe());
        if (!ok)
            return fehler(2, QStringLiteral("Zu %1 fehlt der Wert.\n").arg(a) + hilfe());
    }
    if (o.seite.isEmpty() && !o.uebersicht && !o.widerspruch && !o.paket)
        return fehler(2, QStringLiteral("Bitte die Seite mit --seite angeben.\n") + hilfe());
    if (o.pdf.isEmpty() == o.png.isEmpty())
        return fehler(2, QStringLiteral("Bitte genau eine Ausgabe angeben: --pdf DATEI oder --png DATEI.\n") + hilfe());
    if (o.offsetGesetzt && !Layoutinterpreter::offsetWert(o.offset))
        return fehler(2, QStringLiteral("Der Offset \"%1\" ist keine Zahl (Millimeter).\n").arg(o.offset));

    // 2. Program and data directory, as the program forms them.
    QString programm;
    if (!o.programm.isEmpty()) {
        if (!QFileInfo(o.programm).isDir())
            return fehler(1, QStringLiteral("Das Programmverzeichnis %1 gibt es nicht.\n").arg(nativ(o.programm)));
        programm = Verzeichnisse::mitTrenner(o.programm);
    } else {
        const QString pfad = Registry::Wert_lesen(Registry::HKEY_LOCAL_MACHINE,
                                                  QStringLiteral("SOFTWARE\\Velmora\\Allgemein"), QStringLiteral("Pfad"));
        programm = Verzeichnisse::programmverzeichnis(pfad);
        // A copy that stays old or damaged is said, the job still tried.
        QString warnung;
        if (pfad.isEmpty() && !Verzeichnisse::einrichten(programm, &warnung))
            std::fputs(qPrintable(warnung + u'\n'), stderr);
    }
    QString daten = programm;
    if (!o.daten.isEmpty()) {
        if (!QFileInfo(o.daten).isDir())
            return fehler(1, QStringLiteral("Das Datenverzeichnis %1 gibt es nicht.\n").arg(nativ(o.daten)));
        daten = Verzeichnisse::mitTrenner(o.daten);
    }
    if (o.widerspruch)
        return Widerspruchskommando::ausfuehren(daten, o.antrag, o.pdf, meldung);
    if (o.uebersicht) {
        if (o.pdf.isEmpty())
            return fehler(2, QStringLiteral("Die Übersicht wird als PDF-Datei gedruckt: bitte --pdf DATEI angeben.\n"));
        Uebersicht u;
        QString grund;
        if (!Uebersicht::lesen(daten + Antragsdatenbank::Dateiname, &u, &grund))
            return fehler(1, grund + u'\n');
        if (!Uebersichtsdruck::pdf(u, QDate::currentDate(), o.pdf, &grund))
            return fehler(1, grund + u'\n');
        return fehler(0, QString());
    }
    // The data sheet needs neither print database nor form kind.
    if (o.seite == QLatin1String("datenblatt"))
        return Datenblattkommando::ausfuehren(daten, o.person, o.pdf, o.png, o.dpi, meldung);
    const QString datenbank = programm + Formularkatalog::Dateiname;
    if (!QFileInfo(datenbank).isFile())
        return fehler(1, QStringLiteral("Die Druckdatenbank %1 fehlt.\n").arg(nativ(datenbank)));
    QString schaden;
    if (!Formularkatalog::lesbar(datenbank, &schaden))
        return fehler(1, Formularkatalog::unlesbarMeldung(datenbank, schaden) + u'\n');

    // 3. Fields and form kind from the field file.
    Felddatei::Inhalt inhalt;
    Felddatei::lesen(daten + Felddatei::Dateiname, &inhalt);
    if (const Antragsseiten::Nebenantrag *n = Antragsseiten::nebenantrag(o.seite); n && n->seite == o.seite)
        return nebenantrag(o, *n, datenbank, inhalt.tabelle, meldung);
    const QString formular = o.formular.isEmpty() ? inhalt.formularart : o.formular;
    if (formular.isEmpty())
        return fehler(1, QStringLiteral("Keine Formularart: %1 nennt keine, und --formular fehlt.\n")
                             .arg(nativ(daten + Felddatei::Dateiname)));
    Katalogeintrag eintrag;
    if (!Formularkatalog::Formulare_laden(datenbank, formular, eintrag))
        return fehler(1, QStringLiteral("Die Formularart \"%1\" gibt es in %2 nicht.\n").arg(formular, nativ(datenbank)));

    if (o.paket)
        return Paketkommando::ausfuehren(datenbank, daten, formular, eintrag, inhalt.tabelle, o.antrag, o.pdf, bilder,
                                         meldung);
    if (o.seite.startsWith(QLatin1String("aufwendungen-")) || o.seite == QLatin1String("versicherung"))
        return aufwendungen(o, datenbank, daten, formular, eintrag, inhalt.tabelle, meldung);

    // 4. The page.
    Druckauftrag a;
    a.variante = Druckvariante::fuer(Druckvariante::Aufrufer::Antrag);
    a.datenbank = datenbank;
    a.querformat = o.quer;
    a.komplett = o.komplett;
    if (o.seite.startsWith(QLatin1String("layout:"))) {
        a.layout = o.seite.mid(7);
        if (a.layout.isEmpty())
            return fehler(2, QStringLiteral("Nach layout: fehlt der Name der Druckvorlage.\n"));
    } else {
        const std::optional<int> index = Antragsseiten::index(o.seite);
        if (!index)
            return fehler(2, QStringLiteral("Unbekannte Seite: %1\n").arg(o.seite) + hilfe());
        const Antragsseiten::Seite &s = Antragsseiten::seiten()[*index];
        a.komplett = s.komplett || o.komplett;
        if (o.erstantrag && !a.komplett)
            return fehler(2, QStringLiteral("Bei einem Erstantrag wird die Seite komplett gedruckt: bitte %1-komplett "
                                            "oder --komplett angeben.\n")
                                 .arg(o.seite));
        a.querformat = false;
        a.layout = Antragsseiten::layoutname(eintrag.Druckbereiche[s.druckbereich], &a.querformat);
    }

    // 5. The fields as a freshly started program collects them: the answers
    // that only count for one run come from the options (as the print
    // dialog sets them: a date ticks "Datenänderung"), the first-application
    // box is the option, and the print options override the field file.
    Feldtabelle &felder = inhalt.tabelle;
    felder.setzen(QStringLiteral("1Gültigkeit"), o.gueltigAb);
    felder.setzen(QStringLiteral("2Datenänderung"), o.gueltigAb.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
    felder.setzen(QStringLiteral("2Datenänderung2"), o.aenderungen35 ? QStringLiteral("1") : QStringLiteral("0"));
    felder.setzen(QStringLiteral("2Erstantragstellung"), o.erstantrag ? QStringLiteral("1") : QStringLiteral("0"));
    if (o.offsetGesetzt)
        felder.setzen(QStringLiteral("1Druckoffset"), o.offset);
    if (o.euro)
        felder.setzen(QStringLiteral("2Euroformularbenutzen"), QStringLiteral("1"));
    a.euro = felder.Feldwert(QStringLiteral("Euroformularbenutzen")) == std::optional<QString>(QStringLiteral("1"));
    a.offset = felder.Feldwert(QStringLiteral("Druckoffset")).value_or(QString());
    a.felder = &felder;

    // 6. Print.
    const QString grund = seiteAusgeben(a, o);
    return fehler(grund.isEmpty() ? 0 : 1, grund);
}

#include "print/druck/Druckkommando.h"

#include "fields/Felddatei.h"
#include "print/Antragsseiten.h"
#include "print/BildFlaeche.h"
#include "print/Formularkatalog.h"
#include "print/Layoutinterpreter.h"
#include "print/PdfFlaeche.h"
#include "shell/Registry.h"
#include "shell/Verzeichnisse.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

namespace {
struct Optionen
{
    QString programm, daten, formular, seite, pdf, png, offset;
    bool euro = false, erstantrag = false, komplett = false, quer = false, offsetGesetzt = false;
    int dpi = 150;
};

QString nativ(const QString &pfad)
{
    return QDir::toNativeSeparators(pfad);
}
} // namespace

QString Druckkommando::hilfe()
{
    return QStringLiteral(
        "Aufruf: velmora-druck [--programm VERZ] [--daten VERZ] [--formular NAME] [--euro] [--erstantrag]\n"
        "                      [--komplett] [--quer] [--offset MM] --seite SEITE (--pdf DATEI | --png DATEI [--dpi N])\n"
        "SEITE: vorderseite, rueckseite, vorderseite-komplett, rueckseite-komplett, pflege-vorderseite,\n"
        "       pflege-rueckseite, pflege-vorderseite-komplett, pflege-rueckseite-komplett oder layout:NAME\n");
}

int Druckkommando::ausfuehren(const QStringList &argumente, QString *meldung)
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
        else if (a == QLatin1String("--offset"))
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
    if (o.seite.isEmpty())
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
        if (pfad.isEmpty())
            Verzeichnisse::einrichten(programm);
    }
    QString daten = programm;
    if (!o.daten.isEmpty()) {
        if (!QFileInfo(o.daten).isDir())
            return fehler(1, QStringLiteral("Das Datenverzeichnis %1 gibt es nicht.\n").arg(nativ(o.daten)));
        daten = Verzeichnisse::mitTrenner(o.daten);
    }
    const QString datenbank = programm + Formularkatalog::Dateiname;
    if (!QFileInfo(datenbank).isFile())
        return fehler(1, QStringLiteral("Die Druckdatenbank %1 fehlt.\n").arg(nativ(datenbank)));

    // 3. Fields and form kind from the field file.
    Felddatei::Inhalt inhalt;
    Felddatei::lesen(daten + Felddatei::Dateiname, &inhalt);
    const QString formular = o.formular.isEmpty() ? inhalt.formularart : o.formular;
    if (formular.isEmpty())
        return fehler(1, QStringLiteral("Keine Formularart: %1 nennt keine, und --formular fehlt.\n")
                             .arg(nativ(daten + Felddatei::Dateiname)));
    Katalogeintrag eintrag;
    if (!Formularkatalog::Formulare_laden(datenbank, formular, eintrag))
        return fehler(1, QStringLiteral("Die Formularart \"%1\" gibt es in %2 nicht.\n").arg(formular, nativ(datenbank)));

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
    // that only count for one run are empty, the first-application box is
    // the option, and the print options override the field file.
    Feldtabelle &felder = inhalt.tabelle;
    felder.setzen(QStringLiteral("1Gültigkeit"), QString());
    felder.setzen(QStringLiteral("2Datenänderung"), QStringLiteral("0"));
    felder.setzen(QStringLiteral("2Datenänderung2"), QStringLiteral("0"));
    felder.setzen(QStringLiteral("2Erstantragstellung"), o.erstantrag ? QStringLiteral("1") : QStringLiteral("0"));
    if (o.offsetGesetzt)
        felder.setzen(QStringLiteral("1Druckoffset"), o.offset);
    if (o.euro)
        felder.setzen(QStringLiteral("2Euroformularbenutzen"), QStringLiteral("1"));
    a.euro = felder.Feldwert(QStringLiteral("Euroformularbenutzen")) == std::optional<QString>(QStringLiteral("1"));
    a.offset = felder.Feldwert(QStringLiteral("Druckoffset")).value_or(QString());
    a.felder = &felder;

    // 6. Print.
    QString grund;
    const std::optional<Layout> layout = Layoutinterpreter::vorlage(a, &grund);
    if (!layout)
        return fehler(1, grund + u'\n');
    std::unique_ptr<Seitenflaeche> flaeche;
    if (!o.pdf.isEmpty())
        flaeche = std::make_unique<PdfFlaeche>(o.pdf, a.layout);
    else
        flaeche = std::make_unique<BildFlaeche>(o.dpi, o.png, PdfFlaeche::Aufloesung);
    const Druckergebnis e = Layoutinterpreter::zeichnen(a, *layout, *flaeche);
    if (!e.ok)
        return fehler(1, e.fehler + u'\n');
    return fehler(0, QString());
}

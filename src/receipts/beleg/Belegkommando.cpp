// velmora-beleg: the reader and the fee check from the command line.
#include "receipts/beleg/Belegkommando.h"

#include "base/GermanMoney.h"
#include "receipts/Belegleser.h"
#include "receipts/Gebuehrenpruefung.h"
#include "shell/Registry.h"
#include "shell/Verzeichnisse.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <memory>

using namespace receipts;

namespace {

QByteArray jsonText(const QString &s)
{
    QByteArray r = "\"";
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '"':
            r += "\\\"";
            break;
        case '\\':
            r += "\\\\";
            break;
        case '\n':
            r += "\\n";
            break;
        case '\r':
            r += "\\r";
            break;
        case '\t':
            r += "\\t";
            break;
        default:
            if (c.unicode() < 0x20)
                r += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toLatin1();
            else
                r += QString(c).toUtf8();
        }
    }
    return r + '"';
}

QByteArray jsonTextOderNull(const QString &s)
{
    return s.isEmpty() ? QByteArray("null") : jsonText(s);
}

QByteArray jsonZahl(std::optional<double> v, int stellen)
{
    if (!v || !std::isfinite(*v))
        return "null";
    const double f = std::pow(10.0, stellen);
    return QByteArray::number(std::round(*v * f) / f, 'g', 15);
}

QByteArray jsonDatum(const QDate &d)
{
    return d.isValid() ? jsonText(d.toString(Qt::ISODate)) : QByteArray("null");
}

QString ordnungText(Gebuehrenordnung o)
{
    switch (o) {
    case Gebuehrenordnung::GOAe:
        return QStringLiteral("GOÄ");
    case Gebuehrenordnung::GOZ:
        return QStringLiteral("GOZ");
    case Gebuehrenordnung::GebueH:
        return QStringLiteral("GebüH");
    case Gebuehrenordnung::Keine:
        break;
    }
    return {};
}

QString nativ(const QString &datei)
{
    return QDir::toNativeSeparators(datei);
}

} // namespace

QByteArray Belegkommando::json(const Beleg &b)
{
    QByteArray j = "{";
    j += "\"datei\":" + jsonText(b.datei);
    j += ",\"quelle\":" + jsonText(b.quelle);
    j += ",\"girocode\":" + QByteArray(b.girocode ? "true" : "false");
    j += ",\"rechnungsdatum\":" + jsonDatum(b.rechnungsdatum);
    j += ",\"rechnungsnummer\":" + jsonTextOderNull(b.rechnungsnummer);
    j += ",\"aussteller\":" + jsonTextOderNull(b.aussteller);
    j += ",\"patient\":" + jsonTextOderNull(b.patient);
    j += ",\"betrag\":" + jsonZahl(b.betrag, 2);
    j += ",\"iban\":" + jsonTextOderNull(b.iban);
    j += ",\"positionen\":[";
    for (qsizetype i = 0; i < b.positionen.size(); ++i) {
        const Rechnungszeile &p = b.positionen[i];
        if (i)
            j += ',';
        j += "{\"datum\":" + jsonDatum(p.datum);
        j += ",\"gebuehrenordnung\":" + jsonTextOderNull(ordnungText(p.ordnung));
        j += ",\"nummer\":" + jsonTextOderNull(p.nummer);
        j += ",\"anzahl\":" + jsonZahl(p.anzahl, 3);
        j += ",\"faktor\":" + jsonZahl(p.faktor, 4);
        j += ",\"betrag\":" + jsonZahl(p.betrag, 2);
        j += ",\"begruendung\":" + jsonTextOderNull(p.begruendung);
        j += '}';
    }
    j += "],\"befunde\":[";
    for (qsizetype i = 0; i < b.befunde.size(); ++i) {
        const Befund &f = b.befunde[i];
        if (i)
            j += ',';
        j += "{\"position\":" + QByteArray::number(f.position);
        j += ",\"art\":" + jsonText(befundCode(f.art));
        j += ",\"text\":" + jsonText(f.text) + '}';
    }
    return j + "]}";
}

QString Belegkommando::zusammenfassung(const Beleg &b)
{
    auto oderUnbekannt = [](const QString &s) { return s.isEmpty() ? QStringLiteral("unbekannt") : s; };
    QString t = QStringLiteral("%1\n").arg(nativ(b.datei));
    t += QStringLiteral("  Aussteller: %1\n").arg(oderUnbekannt(b.aussteller));
    t += QStringLiteral("  Patient: %1\n").arg(oderUnbekannt(b.patient));
    t += QStringLiteral("  Rechnung Nr. %1 vom %2\n")
             .arg(oderUnbekannt(b.rechnungsnummer),
                  b.rechnungsdatum.isValid() ? b.rechnungsdatum.toString(QStringLiteral("dd.MM.yyyy"))
                                             : QStringLiteral("unbekannten Datum"));
    t += QStringLiteral("  Betrag: %1\n").arg(b.betrag ? GermanMoney::format(*b.betrag) + QStringLiteral(" €")
                                                        : QStringLiteral("unbekannt"));
    if (b.minderung)
        t += QStringLiteral("  darin Minderung: %1 €\n").arg(GermanMoney::format(*b.minderung));
    t += QStringLiteral("  IBAN: %1\n").arg(oderUnbekannt(b.iban));
    t += QStringLiteral("  %1 Positionen, gelesen aus %2%3\n")
             .arg(b.positionen.size())
             .arg(b.quelle == QLatin1String("ocr") ? QStringLiteral("Texterkennung") : QStringLiteral("Textebene"),
                  b.girocode ? QStringLiteral(", mit GiroCode") : QString());
    if (b.befunde.isEmpty() && !b.positionen.isEmpty())
        t += QStringLiteral("  Die Prüfung der Gebühren fand nichts zu beanstanden.\n");
    for (const Befund &f : b.befunde)
        t += f.position > 0 ? QStringLiteral("  Position %1: %2\n").arg(f.position).arg(f.text)
                            : QStringLiteral("  Rechnung: %1\n").arg(f.text);
    return t;
}

QString Belegkommando::hilfe()
{
    return QStringLiteral(
        "Aufruf: velmora-beleg [--json] [--programm VERZ] DATEI...\n"
        "Liest Rechnungen (PDF, JPEG, PNG, TIFF) und prüft ihre Gebührenpositionen.\n"
        "--json: eine JSON-Liste mit einem Objekt je Datei statt der Zusammenfassung.\n"
        "--programm: das Verzeichnis mit tarvik.mdb (sonst das des Programms).\n");
}

int Belegkommando::ausfuehren(const QStringList &argumente, QByteArray *ausgabe, QByteArray *meldung)
{
    bool json = false;
    QString programmOption;
    bool programmGesetzt = false;
    QStringList dateien;
    bool nurDateien = false;
    for (int i = 0; i < argumente.size(); ++i) {
        const QString &a = argumente.at(i);
        if (nurDateien || !a.startsWith(QLatin1String("--"))) {
            dateien << a;
        } else if (a == QLatin1String("--")) {
            nurDateien = true;
        } else if (a == QLatin1String("--json")) {
            json = true;
        } else if (a == QLatin1String("--programm")) {
            if (i + 1 >= argumente.size()) {
                *meldung += (QStringLiteral("Zu --programm fehlt das Verzeichnis.\n") + hilfe()).toUtf8();
                return 2;
            }
            programmOption = argumente.at(++i);
            programmGesetzt = true;
        } else if (a == QLatin1String("--hilfe") || a == QLatin1String("--help")) {
            *ausgabe += hilfe().toUtf8();
            return 0;
        } else {
            *meldung += (QStringLiteral("Die Option %1 gibt es nicht.\n").arg(a) + hilfe()).toUtf8();
            return 2;
        }
    }
    if (dateien.isEmpty()) {
        *meldung += (QStringLiteral("Bitte mindestens eine Datei angeben.\n") + hilfe()).toUtf8();
        return 2;
    }

    // The fee database, where the program keeps it.
    int code = 0;
    QString programm;
    if (programmGesetzt) {
        if (!QFileInfo(programmOption).isDir()) {
            *meldung += QStringLiteral("Das Programmverzeichnis %1 gibt es nicht.\n").arg(nativ(programmOption)).toUtf8();
            return 2;
        }
        programm = Verzeichnisse::mitTrenner(programmOption);
    } else {
        const QString pfad = Registry::Wert_lesen(Registry::HKEY_LOCAL_MACHINE,
                                                  QStringLiteral("SOFTWARE\\Velmora\\Allgemein"), QStringLiteral("Pfad"));
        programm = Verzeichnisse::programmverzeichnis(pfad);
        if (pfad.isEmpty())
            Verzeichnisse::einrichten(programm);
    }
    Belegleser::Optionen optionen;
    auto pruefung = std::make_unique<Gebuehrenpruefung>();
    QString grund;
    if (pruefung->laden(programm + QStringLiteral("tarvik.mdb"), &grund)) {
        optionen.pruefung = pruefung.get();
    } else {
        *meldung += QStringLiteral("Die Gebühren werden nicht geprüft: %1\n").arg(grund).toUtf8();
        code = 1;
    }

    if (json)
        *ausgabe += '[';
    bool erste = true;
    for (const QString &datei : std::as_const(dateien)) {
        Beleg beleg;
        QString fehler;
        const bool gelesen = Belegleser::lesen(datei, optionen, &beleg, &fehler);
        if (!gelesen) {
            *meldung += QStringLiteral("%1: %2\n").arg(nativ(datei), fehler).toUtf8();
            code = 1;
            continue;
        }
        if (json) {
            if (!erste)
                *ausgabe += ',';
            *ausgabe += "\n" + Belegkommando::json(beleg);
        } else {
            *ausgabe += zusammenfassung(beleg).toUtf8();
        }
        erste = false;
    }
    if (json)
        *ausgabe += "\n]\n";
    return code;
}

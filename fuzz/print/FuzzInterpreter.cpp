// Runs the layout interpreter over random layout rows, field tables,
// receipts and switches, on the recording surface and on a small picture.
#include "fields/Feldtabelle.h"
#include "fields/Zusatzfeldtabelle.h"
#include "print/Aufzeichnungsflaeche.h"
#include "print/Belegquelle.h"
#include "print/BildFlaeche.h"
#include "print/Layoutinterpreter.h"
#include "print/Schriften.h"

#include <QGuiApplication>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {
QString text(FuzzedDataProvider &d, size_t max = 24)
{
    // Mostly words the layouts use, sometimes raw characters.
    static const char *const woerter[] = {"Name", "Vorname", " ", ",", "$", "0$", "1$", "[#P]", "Kasten", "Ort",
                                          "=", ":", "\n", "~", "Datum", "Betrag"};
    QString t;
    const size_t n = d.ConsumeIntegralInRange<size_t>(0, max);
    for (size_t i = 0; i < n && d.remaining_bytes(); ++i) {
        if (d.ConsumeBool())
            t += QString::fromUtf8(woerter[d.ConsumeIntegralInRange<size_t>(0, std::size(woerter) - 1)]);
        else
            t += QChar(char16_t(d.ConsumeIntegralInRange<int>(1, 0x2FF)));
    }
    return t;
}

QVariant spalte(FuzzedDataProvider &d)
{
    switch (d.ConsumeIntegralInRange<int>(0, 6)) {
    case 0: return QVariant();
    case 1: return d.ConsumeIntegralInRange<int>(-5, 50);
    case 2: return d.ConsumeFloatingPointInRange<double>(-50, 400);
    case 3: return d.ConsumeFloatingPoint<double>(); // huge, tiny, inf, nan
    case 4: return QString::number(d.ConsumeIntegralInRange<int>(0, 45));
    case 5: return text(d, 6);
    default: return d.ConsumeIntegral<qint64>();
    }
}

class Belege : public Belegquelle
{
public:
    QStringList werte;
    int von = 1, bis = 0;
    int Belegeanzahl() const override { return int(werte.size()); }
    int ersterBeleg() const override { return von; }
    int letzterBeleg() const override { return bis; }
    QString Aufwendungswert(const QString &, int nummer) const override
    {
        if (nummer < 1 || nummer > werte.size())
            return Auslassung;
        return werte.at(nummer - 1);
    }
};
} // namespace

QGuiApplication *g_app = nullptr;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Never destroyed: the font caches outlive every run and must not be
    // torn down after the application at exit.
    g_app = new QGuiApplication(*argc, *argv);
    Schriften::einrichten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    FuzzedDataProvider d(daten, groesse);
    const auto aufrufer = static_cast<Druckvariante::Aufrufer>(d.ConsumeIntegralInRange<int>(0, 4));
    Druckauftrag a;
    a.variante = Druckvariante::fuer(aufrufer);
    a.querformat = d.ConsumeBool();
    a.komplett = d.ConsumeBool();
    a.nurInhalte = d.ConsumeBool();
    a.offset = text(d, 4);
    a.pKVP = text(d, 3);

    Feldtabelle felder;
    const int nFelder = d.ConsumeIntegralInRange<int>(0, 30);
    for (int i = 0; i < nFelder; ++i)
        felder.anhaengen(text(d, 4), text(d, 6), text(d, 3));
    Zusatzfeldtabelle zusatz;
    const int nZusatz = d.ConsumeIntegralInRange<int>(0, 5);
    for (int i = 0; i < nZusatz; ++i)
        zusatz.setzen(text(d, 4), text(d, 4));
    Belege belege;
    const int nBelege = d.ConsumeIntegralInRange<int>(0, 30);
    for (int i = 0; i < nBelege; ++i)
        belege.werte << (d.ConsumeBool() ? QStringLiteral("~") : text(d, 5));
    belege.von = d.ConsumeIntegralInRange<int>(-3, 40);
    belege.bis = d.ConsumeBool() ? d.ConsumeIntegral<int>() : d.ConsumeIntegralInRange<int>(-3, 40);
    a.felder = &felder;
    a.zusatz = &zusatz;
    a.belege = &belege;

    Layout layout;
    const int nZeilen = d.ConsumeIntegralInRange<int>(0, 40);
    for (int i = 0; i < nZeilen; ++i) {
        Layoutzeile z;
        z.Art = d.ConsumeBool() ? QVariant(d.ConsumeIntegralInRange<int>(-1, 45)) : spalte(d);
        z.x = spalte(d);
        z.y = spalte(d);
        z.BeginnY = spalte(d);
        z.Hoehe = spalte(d);
        z.Breite = spalte(d);
        z.Inhalt = d.ConsumeBool() ? QVariant(text(d)) : spalte(d);
        z.Schriftgroesse = spalte(d);
        z.Schrifttyp = d.ConsumeBool() ? QVariant(QStringLiteral("N")) : spalte(d);
        layout.append(z);
    }

    const bool bild = d.ConsumeIntegralInRange<int>(0, 7) == 0;
    Aufzeichnungsflaeche aufzeichnung(d.ConsumeBool() ? Aufzeichnungsflaeche::Metrik::Schrift
                                                      : Aufzeichnungsflaeche::Metrik::Fest);
    const Druckergebnis e = Layoutinterpreter::zeichnen(a, layout, aufzeichnung);
    if (!e.ok || e.zeilen > layout.size() || (!a.nurInhalte && e.zeilen != layout.size()))
        abort();
    if (aufzeichnung.endDocs() != (a.variante.drucker ? 1 : 0))
        abort();
    // List rows print at most one line per receipt of the page.
    int texte = 0;
    for (const auto &x : aufzeichnung.aufrufe())
        texte += x.art == Aufzeichnungsflaeche::Aufruf::Print;
    if (texte > 4 + layout.size() * (1 + nBelege))
        abort();
    if (bild) {
        BildFlaeche b(10);
        aufzeichnung.abspielen(b);
        b.EndDoc();
    }
    return 0;
}

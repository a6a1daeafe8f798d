// Opening the address book with 5,000 addresses and switching to the list.
#include <benchmark/benchmark.h>

#include "addresses/Adressbestand.h"
#include "addresses/Adressenform.h"
#include "shell/Datenbank.h"
#include "shell/Dialoge.h"
#include "app/MaskenAnmeldung.h"
#include "shell/Hauptform.h"
#include "shell/Verzeichnisse.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>

namespace {
constexpr int kAdressen = 5000;

void fuellen(const QString &pfad)
{
    Datenbank db;
    if (!db.oeffnen(pfad))
        qFatal("cannot open %s", qPrintable(pfad));
    db.ausfuehren(QStringLiteral("delete from Adressen"));
    db.transaktionBeginnen();
    const QStringList arten = {"Zahnarzt", "Augenärztin", "Apotheke", "Beihilfestelle", "Krankenkasse", "Optiker"};
    for (int i = 0; i < kAdressen; ++i) {
        const QString name = QStringLiteral("Müller-%1").arg((i * 7919) % kAdressen, 4, 10, QChar(u'0'));
        db.ausfuehren(QStringLiteral("insert into Adressen (Anrede, Titel, Name1, Name2, Strasse, PLZ, Ort, Telefon, "
                                     "Anzeige, Bemerkungen) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {i % 2 ? QStringLiteral("Herr") : QStringLiteral("Frau"), QStringLiteral("Dr."),
                       arten.at(i % arten.size()), name, QStringLiteral("Königsallee %1").arg(i % 200),
                       QStringLiteral("40%1").arg(i % 1000, 3, 10, QChar(u'0')), QStringLiteral("Düsseldorf"),
                       QStringLiteral("0211 %1").arg(100000 + i), arten.at(i % arten.size()) + u' ' + name,
                       QStringLiteral("Sprechzeiten Mo-Fr")});
    }
    db.transaktionAbschliessen();
}

struct Umgebung
{
    Hauptform *h = nullptr;
    QString buch;
    Umgebung()
    {
        Dialoge::setTestbetrieb(true);
        const QString prog = Verzeichnisse::benutzerverzeichnis();
        Verzeichnisse::einrichten(prog);
        buch = prog + Adressbestand::dateiname();
        fuellen(buch);
        h = new Hauptform(velmoraMaskenAnmelden);
        h->resize(1100, 760);
        h->show();
        h->starten(QString());
    }
};

Umgebung &umgebung()
{
    static Umgebung u;
    return u;
}

void BM_AdressbuchLesen5000(benchmark::State &state)
{
    const QString pfad = umgebung().buch;
    int anzahl = 0;
    for (auto _ : state) {
        Adressbestand b;
        b.oeffnen(pfad);
        anzahl = b.anzahl();
    }
    state.counters["adressen"] = anzahl;
}

// The screen created as the main window does, shown, switched to the list
// and drawn.
void BM_OeffnenUndListe5000(benchmark::State &state)
{
    Hauptform &h = *umgebung().h;
    int zeilen = 0;
    for (auto _ : state) {
        auto *form = new Adressenform(h);
        form->resize(490, 480);
        form->show();
        form->Listen_Knopf_Click();
        benchmark::DoNotOptimize(form->grab());
        zeilen = form->bestand().anzahl();
        state.PauseTiming();
        delete form;
        state.ResumeTiming();
    }
    state.counters["adressen"] = zeilen;
}
} // namespace

BENCHMARK(BM_AdressbuchLesen5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OeffnenUndListe5000)->Unit(benchmark::kMillisecond);

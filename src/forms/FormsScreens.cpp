#include "forms/FormsScreens.h"

#include "forms/AbschlagszahlungsForm.h"
#include "forms/Anschriftenform.h"
#include "forms/Antraegeform.h"
#include "forms/DauerndePflegeForm.h"
#include "forms/Hauptdaten.h"
#include "forms/Kinderform.h"
#include "forms/Pflegeversicherungsform.h"
#include "forms/Nebenantragsmaske.h"
#include "forms/Rueckseiteform.h"
#include "forms/UnfallberichtsForm.h"
#include "forms/Versicherungsform.h"
#include "forms/Vorschussform.h"
#include "shell/Hauptform.h"

#include <QLabel>
#include <QPushButton>

namespace forms {
namespace {
// The side application named by FNr (the one activated last), if open.
Nebenantragsmaske *nebenantrag(Hauptform &h)
{
    const QString fnr = h.FNr()->text();
    const char *name = fnr == QLatin1String("U")   ? "UnfallberichtsForm"
                       : fnr == QLatin1String("V") ? "Vorschussform"
                       : fnr == QLatin1String("A") ? "AbschlagszahlungsForm"
                                                   : nullptr;
    return name ? qobject_cast<Nebenantragsmaske *>(h.maske(QString::fromUtf8(name))) : nullptr;
}

// The side applications kept in files, those already opened.
QList<Nebenantragsmaske *> offeneNebenantraege(const Hauptform &h)
{
    QList<Nebenantragsmaske *> out;
    for (const char *name : {"UnfallberichtsForm", "AbschlagszahlungsForm", "Vorschussform"})
        if (auto *m = qobject_cast<Nebenantragsmaske *>(h.maske(QString::fromUtf8(name))))
            out.append(m);
    return out;
}

// Ending with saving stores each side application with unsaved input as
// its "Speichern" does; ending without names them and asks first.
void beimBeendenSichern(Hauptform &hauptform)
{
    Hauptform *h = &hauptform;
    hauptform.beimBeendenSpeichern([h] {
        for (Nebenantragsmaske *m : offeneNebenantraege(*h)) {
            if (!m->geaendert())
                continue;
            // Asked for a file name, the user sees which form it is for.
            if (m->datei().isEmpty())
                h->oeffnen(m->objectName());
            if (!m->sichern())
                return false;
        }
        return true;
    });
    hauptform.beimBeendenVerloren([h] {
        QStringList verloren;
        for (Nebenantragsmaske *m : offeneNebenantraege(*h))
            if (m->geaendert())
                verloren.append(m->windowTitle());
        return verloren;
    });
}

void zusatzpanelVerbinden(Hauptform &hauptform)
{
    Hauptform *h = &hauptform;
    const std::pair<const char *, void (Nebenantragsmaske::*)()> knoepfe[] = {
        {"FNeu_Knopf", &Nebenantragsmaske::Neu},
        {"FDrucken_Knopf", &Nebenantragsmaske::Drucken},
        {"FLaden_Knopf", &Nebenantragsmaske::Laden},
        {"FSpeichern_Knopf", &Nebenantragsmaske::Speichern},
    };
    for (const auto &[name, aktion] : knoepfe) {
        auto *b = hauptform.Zusatzpanel()->findChild<QPushButton *>(QString::fromUtf8(name));
        if (!b)
            continue;
        QObject::connect(b, &QPushButton::clicked, &hauptform, [h, aktion = aktion] {
            if (Nebenantragsmaske *m = nebenantrag(*h))
                (m->*aktion)();
        });
    }
}
} // namespace

void anmelden(Hauptform &hauptform)
{
    hauptform.maskeAnmelden(QStringLiteral("Hauptdaten"), [](Hauptform &h) { return new Hauptdaten(h); });
    hauptform.maskeAnmelden(QStringLiteral("Kinderform"), [](Hauptform &h) { return new Kinderform(h); });
    hauptform.maskeAnmelden(QStringLiteral("Versicherungsform"), [](Hauptform &h) { return new Versicherungsform(h); });
    hauptform.maskeAnmelden(QStringLiteral("Pflegeversicherungsform"),
                            [](Hauptform &h) { return new Pflegeversicherungsform(h); });
    hauptform.maskeAnmelden(QStringLiteral("Anschriftenform"), [](Hauptform &h) { return new Anschriftenform(h); });
    hauptform.maskeAnmelden(QStringLiteral("Rückseiteform"), [](Hauptform &h) { return new Rueckseiteform(h); });
    hauptform.maskeAnmelden(QStringLiteral("DauerndePflegeForm"), [](Hauptform &h) { return new DauerndePflegeForm(h); });
    hauptform.maskeAnmelden(QStringLiteral("Anträgeform"), [](Hauptform &h) { return new Antraegeform(h); });
    hauptform.maskeAnmelden(QStringLiteral("UnfallberichtsForm"), [](Hauptform &h) { return new UnfallberichtsForm(h); });
    hauptform.maskeAnmelden(QStringLiteral("AbschlagszahlungsForm"),
                            [](Hauptform &h) { return new AbschlagszahlungsForm(h); });
    hauptform.maskeAnmelden(QStringLiteral("Vorschussform"), [](Hauptform &h) { return new Vorschussform(h); });
    Hauptform *h = &hauptform;
    hauptform.aktionAnmelden(QStringLiteral("AntragVorschuss"), [h] {
        if (auto *a = qobject_cast<Antraegeform *>(h->oeffnen(QStringLiteral("Anträgeform"))))
            a->Wahl_Knopf_Click(2);
    });
    hauptform.aktionAnmelden(QStringLiteral("AntragAbschlagzahlung"), [h] {
        if (auto *a = qobject_cast<Antraegeform *>(h->oeffnen(QStringLiteral("Anträgeform"))))
            a->Wahl_Knopf_Click(1);
    });
    zusatzpanelVerbinden(hauptform);
    beimBeendenSichern(hauptform);
}
} // namespace forms

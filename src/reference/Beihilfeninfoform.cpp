#include "reference/Beihilfeninfoform.h"

#include "reference/BVOForm.h"
#include "reference/Bedienelemente.h"
#include "reference/Gesetze.h"
#include "reference/Sanduhr.h"
#include "shell/Hauptform.h"

#include <QGroupBox>
#include <functional>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
struct Eintrag
{
    const char *name;
    int index;
    const char *text;
    const char *tipp;
};

// Gebühren: the fee schedules, their laws, the notes on fee law and the
// remedies catalogue.
const Eintrag kGebuehren[] = {
    {"GO_Knopf", 0, "Gebührenordnung für Ärzte (GOÄ)",
     "Anklicken, wenn Sie die Gebührenordnung für Ärzte (GOÄ) einsehen möchten "},
    {"GO_Knopf", 1, "Gebührenordnung für Zahnärzte (GOZ)",
     "Anklicken, wenn Sie die Gebührenordnung für Zahnärzte (GOZ) einsehen möchten "},
    {"GO_Knopf", 2, "Gebührenverzeichnis für Heilpraktiker (GebüH)",
     "Anklicken, wenn Sie das Gebührenverzeichnis für Heilpraktiker (GebüH) einsehen möchten"},
    {"Gesetze_Knopf", 0, "Gesetze zur Gebührenordnng für Ärzte", "Anzeige der Gestze zur Gebührenordnung für Ärzte"},
    {"Gesetze_Knopf", 1, "Einleitung für das Gebührenverzeichnis der Heilpraktiker",
     "Anzeige der Einleitung für das Gebührenverzeichnis der Heilpraktiker"},
    {"Gesetze_Knopf", 2, "Gesetze zur Gebührenordnung für Zahnärzte",
     "Anzeige der Gesetze zur Gebührenordnung für Zahnärzte "},
    {"LVH_Knopf", -1, "Leistungsverzeichnis für ärztlich verordnete Heilbehandlungen",
     "Anklicken, wenn Sie das Leistungsverzeichnis für ärztlich verordnete Heilbehandlungen einsehen möchten"},
};

// Bestimmungen: regulation, administrative rules, advances, notes, resorts.
const Eintrag kBestimmungen[] = {
    {"BVO_Knopf", -1, "Beihilfenverordnung NRW (BVO NW)", "Anzeige der Beihilfenverordnung NRW (BVO NW)"},
    {"VV_Knopf", -1, "Verwaltungsverordnung (VV)", "Anzeige der Verwaltungsverordnung (V V)"},
    {"VR_Knopf", -1, "Richtlinien über die Gewährung von Vorschüssen",
     "Anzeige der Richtlinien über die Gewährung von Vorschüssen"},
    {"Hinweise_Knopf", 0, "Hinweise zum ärztlichen Gebührenrecht", ""},
    {"Hinweise_Knopf", 1, "Hinweise zum zahnärztlichen Gebührenrecht", ""},
    {"Kurorte_Knopf", -1, "Kurorteverzeichnis", "Anzeige von Kurorten und Bädern in Deutschland"},
};
} // namespace

Beihilfeninfoform::Beihilfeninfoform(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("Beihilfeninfoform"), QStringLiteral("Beihilfeninformationen"))
{
    Hauptform *h = &hauptform;
    auto handlung = [h](const QString &name, int index, const QString &text) -> std::function<void()> {
        if (name == QLatin1String("GO_Knopf")) {
            static const char *aktionen[] = {"GOÄ", "GOZ", "Heilpraktiker"};
            return [h, index] { h->aktionAusfuehren(QString::fromUtf8(aktionen[index])); };
        }
        if (name == QLatin1String("Gesetze_Knopf"))
            return [h, index, text] { Gesetze::zeigen(*h, index + 1, text); };
        if (name == QLatin1String("LVH_Knopf"))
            return [h] { h->oeffnen(QStringLiteral("LVHForm")); };
        if (name == QLatin1String("Kurorte_Knopf"))
            return [h] { h->oeffnen(QStringLiteral("KurorteForm")); };
        QString code = index == 0 ? QStringLiteral("HÄG") : QStringLiteral("HZG");
        if (name == QLatin1String("BVO_Knopf"))
            code = QStringLiteral("B");
        else if (name == QLatin1String("VV_Knopf"))
            code = QStringLiteral("V");
        else if (name == QLatin1String("VR_Knopf"))
            code = QStringLiteral("RV");
        return [h, code] { BVOForm::zeigen(*h, code); };
    };

    auto *l = new QHBoxLayout(this);
    auto gruppe = [&](const QString &titel, const auto &eintraege) {
        auto *box = new QGroupBox(titel, this);
        box->setObjectName(titel);
        auto *bl = new QVBoxLayout(box);
        for (const Eintrag &e : eintraege) {
            const QString name = QString::fromUtf8(e.name);
            const QString text = QString::fromUtf8(e.text);
            auto *k = Bedienelemente::knopf(box, name, e.index, text, QString::fromUtf8(e.tipp));
            k->setMinimumHeight(34);
            bl->addWidget(k);
            connect(k, &QPushButton::clicked, this, [aktion = handlung(name, e.index, text)] {
                Sanduhr sanduhr;
                aktion();
            });
        }
        bl->addStretch(1);
        l->addWidget(box, 1);
    };
    gruppe(QStringLiteral("Gebühren"), kGebuehren);
    gruppe(QStringLiteral("Bestimmungen"), kBestimmungen);
}

QSize Beihilfeninfoform::sizeHint() const
{
    return QWidget::sizeHint().expandedTo({860, 360});
}

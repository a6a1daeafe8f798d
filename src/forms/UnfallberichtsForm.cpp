#include "forms/UnfallberichtsForm.h"

#include "forms/MaskenBauer.h"
#include "print/Antragsseiten.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

using namespace masken;

namespace {
const char *const kAnschrift = "evtl. abweichende Anschrift (PLZ, Ort, Straße)";
const char *const kOrt = "geben Sie den genauen Unfallort an";
const char *const kGegner = "Name und Anschrift des Unfallgegners";
const char *const kZeugen = "Name u. Anschrift von Zeugen";
const char *const kVerletzung = "welche Verletzungen traten beim Unfall ein";

const Feld kPerson[] = {
    text("UBPerson", "1UBPerson", "Verletzte Person", "Vorname und Name der verletzten Person"),
    text("UBAnschrift1", "1UBAnschrift1", "Anschrift", kAnschrift),
    text("UBAnschrift2", "1UBAnschrift2", "", kAnschrift),
};
const Feld kUnfall[] = {
    text("UBDatum", "1UBDatum", "Unfalltag", "Wann ereignete sich der Unfall (TT.MM.JJJJ)").schmal(10),
    text("UBUhrzeit", "1UBUhrzeit", "Uhrzeit", "Um wieviel Uhr ereignete sich der Unfall").schmal(6).dazu(),
    text("UBUnfallort1", "1UBUnfallort1", "Unfallort", kOrt),
    text("UBUnfallort2", "1UBUnfallort2", "", kOrt),
    text("UBUnfallgegner1", "1UBUnfallgegner1", "Unfallgegner", kGegner),
    text("UBUnfallgegner2", "1UBUnfallgegner2", "", kGegner),
    text("UBTätigkeit", "1UBTätigkeit", "Tätigkeit beim Unfall",
         "z.B. bei der An- oder Abreise vom Dienst, bei einer Dienstfahrt, usw."),
};
const Feld kProtokollFrage[] = {
    kasten("ProtokollJa", "2UBEPja", "ja"),
    kasten("ProtokollNein", "2UBEPnein", "nein"),
};
const Feld kProtokoll[] = {
    text("UBEPDienststelle", "1UBEPDienststelle", "Polizeidienststelle",
         "Polizeidienststelle, wenn ein Protokoll aufgenommen wurde"),
    text("UBEPTgbNr", "1UBEPTgbNr", "Tagebuch-Nr.",
         "Tagebuchnummer bei Aufnahme eines Protokolls (bei Polizei erfragen)"),
};
const Feld kVerfahrenFrage[] = {
    kasten("VJa", "2UBVja", "ja"),
    kasten("VNein", "2UBVnein", "nein"),
};
const Feld kVerfahren[] = {
    text("UBVgegen", "1UBVgegen", "gegen", "Name, bei Einleitung eines Verfahrens "),
    text("UBVBehörde", "1UBVBehörde", "Behörde", "Behörde oder Staatsanwaltschaft,  bei Einleitung eines Verfahrens "),
    text("UBVAktenzeichen", "1UBVAktenzeichen", "Aktenzeichen", "Aktenzeichen, bei Einleitung eines Verfahrens "),
};
const Feld kFolgen[] = {
    text("UBZeugen1", "1UBZeugen1", "Zeugen", kZeugen),
    text("UBZeugen2", "1UBZeugen2", "", kZeugen),
    text("UBVerletzung1", "1UBVerletzung1", "Verletzungen", kVerletzung),
    text("UBVerletzung2", "1UBVerletzung2", "", kVerletzung),
};
} // namespace

UnfallberichtsForm::UnfallberichtsForm(Hauptform &hauptform)
    : Nebenantragsmaske(hauptform, QStringLiteral("UnfallberichtsForm"), QStringLiteral("Unfallbericht"),
                        Art{QStringLiteral("U"), QStringLiteral("UB"), QStringLiteral("Unfallbericht"),
                            QStringLiteral("unfallbericht.txt"), Antragsseiten::nebenantrag(QStringLiteral("UB"))->layouts})
{
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(8, 8, 8, 8);
    l->addWidget(gruppe(QStringLiteral("Verletzte Person"), kPerson, this));
    l->addWidget(gruppe(QStringLiteral("Unfallhergang"), kUnfall, this));
    l->addWidget(frageGruppe(QStringLiteral("Polizei"),
                             QStringLiteral("Wurde ein polizeiliches Ermitt- lungsprotokoll aufgenommen ?"),
                             kProtokollFrage, kProtokoll, this));
    l->addWidget(frageGruppe(
        QStringLiteral("Verfahren"),
        QStringLiteral("Wurde ein Ordnungswidrigkeits-/ Ermittlungs- oder Strafverfahren eingeleitet ?"),
        kVerfahrenFrage, kVerfahren, this));
    l->addWidget(gruppe(QStringLiteral("Zeugen und Verletzungen"), kFolgen, this));
    l->addStretch(1);
    exklusiv({finde<QCheckBox>(this, QStringLiteral("ProtokollJa")), finde<QCheckBox>(this, QStringLiteral("ProtokollNein"))});
    exklusiv({finde<QCheckBox>(this, QStringLiteral("VJa")), finde<QCheckBox>(this, QStringLiteral("VNein"))});
    resize(640, sizeHint().height());
}

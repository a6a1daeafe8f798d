#include "forms/AbschlagszahlungsForm.h"

#include "fields/FeldControls.h"
#include "forms/MaskenBauer.h"
#include "print/Antragsseiten.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace masken;

namespace {
const Feld kPerson[] = {
    text("AAPersonname", "1AAPersonname", "Name",
         "Name der erkrankten Person (Beihilfeberechtigter, Ehegatte oder Kind) "),
};
const Feld kUnfall[] = {
    kasten("AAUnfallfolgeja", "2AAUnfallfolgeja", "ja"),
    kasten("AAUnfallfolgenein", "2AAUnfallfolgenein", "nein"),
};
const Feld kKosten[] = {
    text("AAAnschrift", "1AAAnschrift", "Krankenhaus / Institution", "Name u. Anschrift der Institution"),
    text("AABehandlungsdauer", "1AABehandlungsdauer", "Behandlungsdauer", "voraussichtliche Behandlungsdauer"),
    text("AAAllgemeinerPflegesatz", "1AAAllgemeinerPflegesatz", "allgemeiner Pflegesatz (EUR)",
         "allgemeiner Pflegesatz in EUR")
        .schmal(12),
    text("AAZuschlagZweibett", "1AAZuschlagZweibett", "Zuschlag 2-Bettzimmer (EUR)", "Zuschlag für 2-Bettzimmer in EUR")
        .schmal(12)
        .dazu(),
    text("AAKostenDialyse", "1AAKostenDialyse", "Kosten einer Dialyse (EUR)", "Kosten für eine Dialyse in EUR").schmal(12),
    text("AAVorauszahlung", "1AAVorauszahlung", "Vorauszahlung (EUR)", "die zu leistende Vorauszahlung in EUR")
        .schmal(12)
        .dazu(),
    text("AAKostenmonatlich", "1AAKostenmonatlich", "monatliche Kosten (EUR)", "voraussichtliche monatliche Kosten in EUR")
        .schmal(12),
    text("AAAbschlaghöhe", "1AAAbschlaghöhe", "beantragter Abschlag (EUR)", "Angabe der Höhe des Abschlages in EUR")
        .schmal(12)
        .dazu(),
};
const Feld kZahlung[] = {
    label("Zahlung"),
    kasten("AAZahlunganKrankenhaus", "2AAZahlunganKrankenhaus", "an das Krankenhaus bzw. die Dialyse-Institution").dazu(),
    kasten("AAZahlunganmich", "2AAZahlunganmich", "an mich").dazu(),
    label("Zahlungsart"),
    kasten("AAZahlungÜberweisung", "2AAZahlungÜberweisung", "Überweisung").dazu(),
    kasten("AAZahlungbar", "2AAZahlungbar", "Barzahlung").dazu(),
    text("AAZahlungAZ", "1AAZahlungAZ", "Aktenzeichen", "Aktenzeichen (Krankenhaus/Dialyseinstitut, usw.) "),
    text("AAZahlungKonto", "1AAZahlungKonto", "Konto", "Kontonummer (Bank, Sparkasse, Postbank, usw.)"),
    text("AAZahlungInhaber", "1AAZahlungInhaber", "Kontoinhaber", "Name des Inhabers des Kontos"),
    text("AAZahlungBLZ", "1AAZahlungBLZ", "Bankleitzahl", "Bankleitzahl ").schmal(12),
    text("AAZahlungInstitut", "1AAZahlungInstitut", "Institut", "Institut (Bank, Sparkasse, Postbank, usw.)"),
};

QCheckBox *box(const QWidget *root, const char *name)
{
    return finde<QCheckBox>(root, QString::fromUtf8(name));
}
} // namespace

AbschlagszahlungsForm::AbschlagszahlungsForm(Hauptform &hauptform)
    : Nebenantragsmaske(hauptform, QStringLiteral("AbschlagszahlungsForm"), QStringLiteral("Antrag auf Abschlagszahlung"),
                        Art{QStringLiteral("A"), QStringLiteral("AB"), QStringLiteral("Abschlagszahlung"),
                            QStringLiteral("abschlagszahlung.txt"), Antragsseiten::nebenantrag(QStringLiteral("AB"))->layouts})
{
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(8, 8, 8, 8);

    QGroupBox *person = gruppe(QStringLiteral("Erkrankte Person"), kPerson, this);
    auto *grid = static_cast<QGridLayout *>(person->layout());
    auto *optionen = new QHBoxLayout;
    auto *gruppeKnoepfe = new QButtonGroup(this);
    const char *personen[] = {"Beihilfeberechtigter", "Ehegatte", "Kind"};
    for (int i = 0; i < 3; ++i) {
        auto *o = new QRadioButton(QString::fromUtf8(personen[i]), person);
        o->setObjectName(QStringLiteral("Person"));
        FeldControls::setIndex(o, i);
        FeldControls::setTag(o, QStringLiteral("2AAPerson%1").arg(i + 1));
        gruppeKnoepfe->addButton(o, i);
        optionen->addWidget(o);
    }
    optionen->addStretch(1);
    grid->addLayout(optionen, grid->rowCount(), 1);
    auto *unfall = new QHBoxLayout;
    unfall->setSpacing(12);
    unfall->addWidget(beschriftung(QStringLiteral("Ist der Krankenhausaufenthalt Folge eines Unfalls ?"), person));
    for (const Feld &f : kUnfall)
        unfall->addWidget(erzeugen(f, person));
    unfall->addStretch(1);
    grid->addLayout(unfall, grid->rowCount(), 0, 1, 2);
    l->addWidget(person);
    l->addWidget(gruppe(QStringLiteral("Kosten"), kKosten, this));
    l->addWidget(gruppe(QStringLiteral("Zahlungsweise"), kZahlung, this));
    l->addStretch(1);

    exklusiv({box(this, "AAUnfallfolgeja"), box(this, "AAUnfallfolgenein")});
    exklusiv({box(this, "AAZahlunganKrankenhaus"), box(this, "AAZahlunganmich")});
    exklusiv({box(this, "AAZahlungÜberweisung"), box(this, "AAZahlungbar")});
    resize(680, sizeHint().height());
}

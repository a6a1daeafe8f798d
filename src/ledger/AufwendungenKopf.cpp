#include "ledger/Aufwendungen.h"

#include "base/GermanDate.h"
#include "ledger/Aufwendungsbausteine.h"
#include "shell/Datumsauswahl.h"
#include "shell/Hauptform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Aufwendungsbausteine;

// The application header of the ledger (Panel4): its fields, their mirrors
// into the main window's shared fields and the header as one record.

void Aufwendungen::kopfAufbauen()
{
    m_panel4 = new QFrame(this);
    m_panel4->setObjectName(QStringLiteral("Panel4"));
    m_panel4->setFrameShape(QFrame::StyledPanel);
    auto *k = new QGridLayout(m_panel4);
    k->setContentsMargins(6, 4, 6, 6);
    k->setHorizontalSpacing(6);
    k->setVerticalSpacing(3);
    m_antragsdatum = textfeld(QStringLiteral("Antragsdatum"), m_panel4, 85);
    m_unternummer = textfeld(QStringLiteral("Unternummer"), m_panel4, 30);
    m_unternummer->setMaximumWidth(40);
    m_unternummer->setToolTip(QStringLiteral("Unternummer"));
    m_eingereichtam = textfeld(QStringLiteral("eingereichtam"), m_panel4, 85);
    m_zurueckerhalten = textfeld(QStringLiteral("zurückerhalten"), m_panel4, 85);
    m_bemerkungen = textfeld(QStringLiteral("Bemerkungen"), m_panel4, 200);
    m_abschlagDatum = textfeld(QStringLiteral("AbschlagDatum"), m_panel4, 85);
    m_abschlagHoehe = textfeld(QStringLiteral("AbschlagHöhe"), m_panel4, 85);
    m_abschlagHoehe->setAlignment(Qt::AlignRight);
    for (QLineEdit *e : {m_antragsdatum, m_eingereichtam, m_zurueckerhalten, m_abschlagDatum})
        Datumsauswahl::anbringen(e);
    m_aEuro = new QCheckBox(QStringLiteral("Euro"), m_panel4);
    m_aEuro->setObjectName(QStringLiteral("AEuro"));
    m_pflegeantrag = new QCheckBox(QStringLiteral("dieser Antrag ist ein Antrag für dauernde Pflege"), m_panel4);
    m_pflegeantrag->setObjectName(QStringLiteral("Pflegeantrag"));
    auto *datumzeile = new QHBoxLayout;
    datumzeile->addWidget(m_antragsdatum);
    datumzeile->addWidget(new QLabel(QStringLiteral("/"), m_panel4));
    datumzeile->addWidget(m_unternummer);
    // Four columns, as narrow as the entry fields in the same place.
    auto beschriftet = [this, k](const char *text, QWidget *feld, int zeile, int spalte) {
        k->addWidget(new QLabel(QString::fromUtf8(text), m_panel4), zeile, spalte);
        k->addWidget(feld, zeile, spalte + 1);
    };
    k->addWidget(new QLabel(QStringLiteral("Antragsdatum"), m_panel4), 0, 0);
    k->addLayout(datumzeile, 0, 1);
    beschriftet("Antragswährung", m_aEuro, 0, 2);
    beschriftet("eingereicht am", m_eingereichtam, 1, 0);
    beschriftet("zurückerhalten am", m_zurueckerhalten, 1, 2);
    k->addWidget(new QLabel(QStringLiteral("Bemerkungen"), m_panel4), 2, 0);
    k->addWidget(m_bemerkungen, 2, 1, 1, 3);
    k->addWidget(new QLabel(QStringLiteral("Es ist ein Abschlag gewährt worden :"), m_panel4), 3, 0, 1, 4);
    beschriftet("durch Bescheid vom", m_abschlagDatum, 4, 0);
    beschriftet("in Höhe von", m_abschlagHoehe, 4, 2);
    k->addWidget(m_pflegeantrag, 5, 0, 1, 4);
    k->setColumnStretch(1, 1);
    k->setColumnStretch(3, 1);
    m_panel4->hide();

    // Header rules: mirrors into the main window, totals, care mode.
    connect(m_antragsdatum, &QLineEdit::textChanged, this, &Aufwendungen::antragsdatumGeaendert);
    connect(m_abschlagDatum, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (QLineEdit *f = m_hauptform.feld(QStringLiteral("Bescheidvom")))
            f->setText(t);
    });
    connect(m_abschlagHoehe, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (QLineEdit *f = m_hauptform.feld(QStringLiteral("BescheidHöhe")))
            f->setText(t);
    });
    connect(m_aEuro, &QCheckBox::toggled, this, &Aufwendungen::einlesen);
    connect(m_pflegeantrag, &QCheckBox::toggled, this, &Aufwendungen::pflegeGeaendert);
    // The partial payment is an amount of the application's currency.
    auto waehrungstipp = [this](bool euro) {
        m_abschlagHoehe->setToolTip(euro ? QStringLiteral("Höhe des Abschlags in Euro (in DM, wenn die Antragswährung "
                                                          "„Euro“ nicht angekreuzt ist)")
                                         : QStringLiteral("Höhe des Abschlags in DM (in Euro, wenn die Antragswährung "
                                                          "„Euro“ angekreuzt ist)"));
    };
    connect(m_aEuro, &QCheckBox::toggled, this, waehrungstipp);
    waehrungstipp(m_aEuro->isChecked());
    for (QWidget *w : std::initializer_list<QWidget *>{m_antragsdatum, m_unternummer, m_eingereichtam,
                                                       m_zurueckerhalten, m_bemerkungen, m_abschlagDatum,
                                                       m_abschlagHoehe})
        w->installEventFilter(this);
}

void Aufwendungen::antragsdatumGeaendert(const QString &text)
{
    if (QLineEdit *f = m_hauptform.feld(QStringLiteral("Datum")))
        f->setText(text);
    speichernFreigeben(GermanDate::isDate(text));
}

Antragskopf Aufwendungen::kopf() const
{
    Antragskopf k;
    k.Antragsdatum = m_antragsdatum->text();
    k.Unternummer = m_unternummer->text();
    k.Bemerkungen = m_bemerkungen->text();
    k.eingereichtam = m_eingereichtam->text();
    k.zurueckerhalten = m_zurueckerhalten->text();
    k.AbschlagDatum = m_abschlagDatum->text();
    k.AbschlagHoehe = m_abschlagHoehe->text();
    k.AEuro = m_aEuro->isChecked();
    k.Pflegeantrag = m_pflegeantrag->isChecked();
    return k;
}

void Aufwendungen::setzeKopf(const Antragskopf &k)
{
    m_antragsdatum->setText(k.Antragsdatum);
    m_unternummer->setText(k.Unternummer);
    m_bemerkungen->setText(k.Bemerkungen);
    m_eingereichtam->setText(k.eingereichtam);
    m_zurueckerhalten->setText(k.zurueckerhalten);
    m_abschlagDatum->setText(k.AbschlagDatum);
    m_abschlagHoehe->setText(k.AbschlagHoehe);
    m_pflegeantrag->setChecked(k.Pflegeantrag);
    m_aEuro->setChecked(k.AEuro);
}

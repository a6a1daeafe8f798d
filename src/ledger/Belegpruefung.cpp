#include "ledger/Belegpruefung.h"

#include "base/GermanDate.h"
#include "base/GermanMoney.h"
#include "ledger/Belegbild.h"
#include "shell/ZweispaltenCombo.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
QLineEdit *feld(const QString &name, const QString &text, QWidget *eltern)
{
    auto *e = new QLineEdit(text, eltern);
    e->setObjectName(name);
    return e;
}
} // namespace

Belegpruefung::Belegpruefung(const Lesung &lesung, const Rechnungsposition &vorschlag, const QStringList &arten,
                             Uebernahme uebernahme, QWidget *parent)
    : QDialog(parent), m_vorschlag(vorschlag), m_uebernahme(std::move(uebernahme))
{
    setObjectName(QStringLiteral("Belegpruefung"));
    setWindowTitle(QStringLiteral("Beleg prüfen"));
    auto *layout = new QVBoxLayout(this);
    auto *teiler = new QSplitter(this);
    layout->addWidget(teiler, 1);

    m_bild = new Belegbild(teiler);
    teiler->addWidget(m_bild);

    auto *rechts = new QWidget(teiler);
    auto *spalte = new QVBoxLayout(rechts);
    spalte->setContentsMargins(6, 0, 0, 0);
    auto *datei = new QLabel(QFileInfo(lesung.datei).fileName(), rechts);
    datei->setObjectName(QStringLiteral("BP_Datei"));
    datei->setTextInteractionFlags(Qt::TextSelectableByMouse);
    spalte->addWidget(datei);
    if (!lesung.gelesen) {
        auto *meldung = new QLabel(QStringLiteral("Der Beleg konnte nicht gelesen werden: %1\n"
                                                  "Sie können die Werte selbst eintragen und übernehmen.")
                                       .arg(lesung.fehler),
                                   rechts);
        meldung->setObjectName(QStringLiteral("BP_Meldung"));
        meldung->setWordWrap(true);
        meldung->setStyleSheet(QStringLiteral("color: #a00000;"));
        spalte->addWidget(meldung);
    }

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_datum = feld(QStringLiteral("BP_Datum"), vorschlag.Datum.getrimmt(), rechts);
    m_rechnung = feld(QStringLiteral("BP_Rechnung"), vorschlag.Rechnung != 0 ? GermanMoney::format(vorschlag.Rechnung)
                                                                             : QString(),
                      rechts);
    m_rechnung->setAlignment(Qt::AlignRight);
    m_arzt = feld(QStringLiteral("BP_Arzt"), vorschlag.Arzt.getrimmt(), rechts);
    m_arzt->setMaxLength(decltype(vorschlag.Arzt)::breite);
    m_rechnungsnummer = feld(QStringLiteral("BP_Rechnungsnummer"), vorschlag.Rechnungsnummer.getrimmt(), rechts);
    m_rechnungsnummer->setMaxLength(decltype(vorschlag.Rechnungsnummer)::breite);
    m_faelligam = feld(QStringLiteral("BP_faelligam"), vorschlag.faelligam.getrimmt(), rechts);
    m_empfaenger = new QComboBox(rechts);
    m_empfaenger->setObjectName(QStringLiteral("BP_Empfaenger"));
    m_empfaenger->setEditable(true);
    m_empfaenger->setInsertPolicy(QComboBox::NoInsert);
    m_empfaenger->addItems({QStringLiteral("A"), QStringLiteral("E"), QStringLiteral("K1"), QStringLiteral("K2"),
                            QStringLiteral("K3"), QStringLiteral("K4"), QStringLiteral("K5")});
    m_empfaenger->setCurrentIndex(-1);
    m_empfaenger->setEditText(vorschlag.Empfaenger.getrimmt());
    m_empfaenger->setToolTip(lesung.beleg.patient.isEmpty() ? QString()
                                                             : QStringLiteral("Patient: %1").arg(lesung.beleg.patient));
    m_art = new ZweispaltenCombo(QStringLiteral("Art"), QStringLiteral("Bezeichnung"), rechts);
    m_art->setObjectName(QStringLiteral("BP_Art"));
    for (const QString &e : arten)
        m_art->eintragHinzufuegen(e);
    m_art->setCurrentIndex(-1);
    m_art->setEditText(vorschlag.Art.getrimmt());
    form->addRow(QStringLiteral("Datum"), m_datum);
    form->addRow(QStringLiteral("Rechnung (€)"), m_rechnung);
    form->addRow(QStringLiteral("Arzt"), m_arzt);
    form->addRow(QStringLiteral("Rechnungsnummer"), m_rechnungsnummer);
    form->addRow(QStringLiteral("fällig am"), m_faelligam);
    form->addRow(QStringLiteral("Empfänger"), m_empfaenger);
    form->addRow(QStringLiteral("Art"), m_art);
    spalte->addLayout(form);

    auto *befundkopf = new QLabel(vorschlag.kuerzung > 0
                                      ? QStringLiteral("Hinweise der Gebührenprüfung (nicht anerkannt: %1 €)")
                                            .arg(GermanMoney::format(vorschlag.kuerzung))
                                      : QStringLiteral("Hinweise der Gebührenprüfung"),
                                  rechts);
    befundkopf->setWordWrap(true);
    spalte->addWidget(befundkopf);
    m_befunde = new QListWidget(rechts);
    m_befunde->setObjectName(QStringLiteral("BP_Befunde"));
    m_befunde->setWordWrap(true);
    for (const QString &z : vorschlag.befunde.split(u'\n', Qt::SkipEmptyParts))
        m_befunde->addItem(z);
    if (m_befunde->count() == 0)
        m_befunde->addItem(lesung.gelesen ? QStringLiteral("keine") : QString());
    spalte->addWidget(m_befunde, 1);
    teiler->addWidget(rechts);
    teiler->setStretchFactor(0, 3);
    teiler->setStretchFactor(1, 2);

    auto *knoepfe = new QDialogButtonBox(this);
    auto *ueber = knoepfe->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::AcceptRole);
    ueber->setObjectName(QStringLiteral("BP_Uebernehmen"));
    auto *abbr = knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    abbr->setObjectName(QStringLiteral("BP_Abbrechen"));
    connect(ueber, &QPushButton::clicked, this, &Belegpruefung::uebernehmen);
    connect(abbr, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(knoepfe);

    for (QLineEdit *e : {m_datum, m_faelligam})
        connect(e, &QLineEdit::editingFinished, e, [e] { e->setText(GermanDate::normalized(e->text())); });
    connect(m_rechnung, &QLineEdit::editingFinished, m_rechnung, [this] {
        if (const auto v = GermanMoney::parse(m_rechnung->text()))
            m_rechnung->setText(GermanMoney::format(*v));
    });

    resize(1000, 620);
    m_bild->setSeiten(lesung.seiten, lesung.seiten.isEmpty() ? QStringLiteral("Keine Seite darstellbar.") : QString());
}

Rechnungsposition Belegpruefung::position() const
{
    Rechnungsposition r = m_vorschlag;
    r.Datum = GermanDate::normalized(m_datum->text());
    r.Rechnung = GermanMoney::value(m_rechnung->text());
    r.Arzt = m_arzt->text();
    r.Rechnungsnummer = m_rechnungsnummer->text();
    r.faelligam = GermanDate::normalized(m_faelligam->text());
    r.Empfaenger = m_empfaenger->currentText();
    r.Art = m_art->currentText();
    return r;
}

void Belegpruefung::uebernehmen()
{
    if (!m_uebernahme || m_uebernahme(position()))
        accept();
}

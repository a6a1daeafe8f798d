#include "ledger/Antragsuebersicht.h"

#include "ledger/Antragsdatenbank.h"
#include "ledger/Aufwendungen.h"
#include "ledger/Jahresdiagrammansicht.h"
#include "ledger/UebersichtCsv.h"
#include "ledger/Uebersichtsfilter.h"
#include "ledger/Uebersichtstabelle.h"
#include "shell/Dialoge.h"
#include "base/GermanMoney.h"
#include "shell/Hauptform.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

Antragsuebersicht::Antragsuebersicht(Hauptform &hauptform, QWidget *parent)
    : Maske(hauptform, QStringLiteral("Antragsuebersicht"), titel(), parent)
{
    aufbauen();
    aktualisieren();
}

QTableView *Antragsuebersicht::tabelle(const QString &name, QAbstractItemModel *modell)
{
    auto *t = new QTableView(this);
    t->setObjectName(name);
    t->setModel(modell);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setAlternatingRowColors(true);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setStretchLastSection(true);
    t->horizontalHeader()->setHighlightSections(false);
    return t;
}

void Antragsuebersicht::aufbauen()
{
    auto *layout = new QVBoxLayout(this);
    m_meldung = new QLabel(this);
    m_meldung->setObjectName(QStringLiteral("Meldung"));
    m_meldung->setWordWrap(true);
    m_meldung->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"));
    m_meldung->hide();
    layout->addWidget(m_meldung);

    m_register = new QTabWidget(this);
    m_register->setObjectName(QStringLiteral("Register"));
    layout->addWidget(m_register, 1);

    // Applications.
    auto *seite = new QWidget(m_register);
    auto *spalte = new QVBoxLayout(seite);
    auto *filterZeile = new QHBoxLayout;
    m_status = new QComboBox(seite);
    m_status->setObjectName(QStringLiteral("StatusFilter"));
    m_status->addItem(QStringLiteral("alle"), QString());
    for (auto s : {Uebersicht::Status::InArbeit, Uebersicht::Status::Eingereicht, Uebersicht::Status::Erledigt})
        m_status->addItem(Uebersicht::statusText(s), Uebersicht::statusText(s));
    m_jahr = new QComboBox(seite);
    m_jahr->setObjectName(QStringLiteral("JahrFilter"));
    m_jahr->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *statusLabel = new QLabel(QStringLiteral("&Status:"), seite);
    statusLabel->setBuddy(m_status);
    auto *jahrLabel = new QLabel(QStringLiteral("Antrags&jahr:"), seite);
    jahrLabel->setBuddy(m_jahr);
    filterZeile->addWidget(statusLabel);
    filterZeile->addWidget(m_status);
    filterZeile->addSpacing(16);
    filterZeile->addWidget(jahrLabel);
    filterZeile->addWidget(m_jahr);
    filterZeile->addStretch(1);
    spalte->addLayout(filterZeile);
    m_antraege = new Uebersichtstabelle(this);
    m_filter = new Uebersichtsfilter(Uebersicht::StatusSpalte, Uebersicht::DatumSpalte, this);
    m_filter->setSourceModel(m_antraege);
    m_antragsliste = tabelle(QStringLiteral("Antragsliste"), m_filter);
    m_antragsliste->setSortingEnabled(true);
    m_antragsliste->sortByColumn(Uebersicht::DatumSpalte, Qt::DescendingOrder);
    m_antragsliste->setToolTip(QStringLiteral("Doppelklick lädt den Antrag in die Zusammenstellung der Aufwendungen"));
    spalte->addWidget(m_antragsliste, 1);
    m_summe = new QLabel(seite);
    m_summe->setObjectName(QStringLiteral("Summenzeile"));
    spalte->addWidget(m_summe);
    m_register->addTab(seite, QStringLiteral("Anträge"));

    // Deadlines.
    seite = new QWidget(m_register);
    spalte = new QVBoxLayout(seite);
    auto *fristZeile = new QHBoxLayout;
    m_frist = new QSpinBox(seite);
    m_frist->setObjectName(QStringLiteral("Antragsfrist"));
    m_frist->setRange(1, 240);
    m_frist->setSuffix(QStringLiteral(" Monate"));
    m_frist->setValue(Uebersicht::fristMonate());
    auto *fristLabel = new QLabel(QStringLiteral("Antrags&frist nach dem Rechnungsdatum:"), seite);
    fristLabel->setBuddy(m_frist);
    fristZeile->addWidget(fristLabel);
    fristZeile->addWidget(m_frist);
    fristZeile->addStretch(1);
    spalte->addLayout(fristZeile);
    m_fristen = new Uebersichtstabelle(this);
    auto *fristSortierung = new Uebersichtsfilter(-1, -1, this);
    fristSortierung->setSourceModel(m_fristen);
    QTableView *fristenliste = tabelle(QStringLiteral("Fristenliste"), fristSortierung);
    fristenliste->setSortingEnabled(true);
    fristenliste->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    spalte->addWidget(fristenliste, 1);
    m_fristZeile = new QLabel(QStringLiteral("Belege noch nicht eingereichter Anträge, deren Antragsfrist abgelaufen "
                                             "ist oder in %1 Tagen abläuft, und fällige Rechnungen ohne "
                                             "Zahlungsdatum.")
                                  .arg(Uebersicht::Vorwarnung),
                              seite);
    m_fristZeile->setWordWrap(true);
    spalte->addWidget(m_fristZeile);
    m_register->addTab(seite, QStringLiteral("Fristen"));
    connect(m_frist, &QSpinBox::valueChanged, this, [this](int monate) {
        Uebersicht::setFristMonate(monate);
        m_fristen->setInhalt(m_uebersicht.fristenInhalt(QDate::currentDate(), monate));
        fristenhinweisZeigen(m_hauptform, m_uebersicht);
    });

    // Years.
    auto *teiler = new QSplitter(Qt::Vertical, m_register);
    m_jahre = new Uebersichtstabelle(this);
    QTableView *jahresliste = tabelle(QStringLiteral("Jahresliste"), m_jahre);
    jahresliste->horizontalHeader()->setStretchLastSection(false);
    teiler->addWidget(jahresliste);
    m_diagramm = new Jahresdiagrammansicht(teiler);
    m_diagramm->setObjectName(QStringLiteral("Jahresdiagramm"));
    m_diagramm->setMinimumHeight(220);
    teiler->addWidget(m_diagramm);
    teiler->setStretchFactor(0, 1);
    teiler->setStretchFactor(1, 2);
    m_register->addTab(teiler, QStringLiteral("Jahre"));

    // Buttons.
    auto *knoepfe = new QHBoxLayout;
    auto *aktualisieren = new QPushButton(QStringLiteral("&Aktualisieren"), this);
    aktualisieren->setObjectName(QStringLiteral("Aktualisieren_Knopf"));
    auto *exportieren = new QPushButton(QStringLiteral("&Exportieren…"), this);
    exportieren->setObjectName(QStringLiteral("Exportieren_Knopf"));
    exportieren->setToolTip(QStringLiteral("Die sichtbare Tabelle als CSV-Datei speichern"));
    knoepfe->addStretch(1);
    knoepfe->addWidget(aktualisieren);
    knoepfe->addWidget(exportieren);
    layout->addLayout(knoepfe);

    connect(aktualisieren, &QPushButton::clicked, this, &Antragsuebersicht::aktualisieren);
    connect(exportieren, &QPushButton::clicked, this, &Antragsuebersicht::Exportieren_Knopf_Click);
    connect(m_status, &QComboBox::currentIndexChanged, this, &Antragsuebersicht::filterAnwenden);
    connect(m_jahr, &QComboBox::currentIndexChanged, this, &Antragsuebersicht::filterAnwenden);
    connect(m_antragsliste, &QTableView::doubleClicked, this, &Antragsuebersicht::laden);
}

void Antragsuebersicht::fristenhinweisZeigen(Hauptform &hauptform, const Uebersicht &uebersicht)
{
    const int n = uebersicht.baldAblaufend(QDate::currentDate(), Uebersicht::fristMonate());
    QStatusBar *zeile = hauptform.statusBar();
    if (n > 0)
        zeile->showMessage(Uebersicht::fristenhinweis(n));
    else if (zeile->currentMessage().contains(QStringLiteral("die Antragsfrist")))
        zeile->clearMessage();
}

void Antragsuebersicht::aktivieren()
{
    if (!std::exchange(m_ebenGelesen, false))
        aktualisieren();
}

void Antragsuebersicht::aktualisieren()
{
    const QDate heute = QDate::currentDate();
    QString fehler;
    const QString pfad = m_hauptform.datenverzeichnis() + Antragsdatenbank::Dateiname;
    const bool gelesen = Uebersicht::lesen(pfad, &m_uebersicht, &fehler);
    m_meldung->setText(fehler);
    m_meldung->setVisible(!gelesen);
    if (auto *a = qobject_cast<Aufwendungen *>(m_hauptform.maske(QStringLiteral("Aufwendungen")))) {
        const Antragskopf k = a->kopf();
        m_uebersicht.einbeziehen(Antragsdatenbank::kennung(k.Antragsdatum, k.Unternummer), k,
                                 a->rechnungspositionen().alle());
    }
    m_antraege->setInhalt(m_uebersicht.antragsInhalt(heute));
    m_fristen->setInhalt(m_uebersicht.fristenInhalt(heute, m_frist->value()));
    m_jahre->setInhalt(m_uebersicht.jahresInhalt());

    // The year filter offers the years that occur.
    const int gewaehlt = m_jahr->currentData().isValid() ? m_jahr->currentData().toInt() : Uebersichtsfilter::AlleJahre;
    QList<int> jahre;
    bool ohneDatum = false;
    for (const Uebersicht::Antrag &a : m_uebersicht.antraege()) {
        if (!a.antragsdatum.isValid())
            ohneDatum = true;
        else if (!jahre.contains(a.antragsdatum.year()))
            jahre.append(a.antragsdatum.year());
    }
    std::sort(jahre.begin(), jahre.end(), std::greater<>());
    m_jahr->blockSignals(true);
    m_jahr->clear();
    m_jahr->addItem(QStringLiteral("alle"), Uebersichtsfilter::AlleJahre);
    for (int j : jahre)
        m_jahr->addItem(QString::number(j), j);
    if (ohneDatum)
        m_jahr->addItem(QStringLiteral("ohne Datum"), Uebersichtsfilter::OhneDatum);
    m_jahr->setCurrentIndex(qMax(0, m_jahr->findData(gewaehlt)));
    m_jahr->blockSignals(false);
    filterAnwenden();

    // Columns as wide as their cells and heading; the header's own size hint
    // keeps room for a sort arrow in every column.
    for (QTableView *t : findChildren<QTableView *>()) {
        QHeaderView *kopf = t->horizontalHeader();
        const QFontMetrics fm(kopf->font());
        for (int c = 0; c < t->model()->columnCount(); ++c) {
            const int titel = fm.horizontalAdvance(t->model()->headerData(c, Qt::Horizontal).toString()) + 14
                              + (kopf->sortIndicatorSection() == c ? 16 : 0);
            kopf->resizeSection(c, qMax(static_cast<QAbstractItemView *>(t)->sizeHintForColumn(c), titel));
        }
    }
    jahreZeigen();
}

void Antragsuebersicht::filterAnwenden()
{
    m_filter->setStatus(m_status->currentData().toString());
    m_filter->setJahr(m_jahr->currentData().isValid() ? m_jahr->currentData().toInt() : Uebersichtsfilter::AlleJahre);
    summeZeigen();
}

void Antragsuebersicht::summeZeigen()
{
    // The rows show rounded amounts; the total adds what they show.
    qint64 offen = 0;
    for (int r = 0; r < m_filter->rowCount(); ++r)
        offen += Uebersicht::cent(
            m_filter->index(r, Uebersicht::OffenSpalte).data(Uebersichtstabelle::SortierRolle).toDouble());
    const int n = m_filter->rowCount();
    m_summe->setText(QStringLiteral("%1 %2, noch offen: %3 € (alle Beträge in Euro)")
                         .arg(n)
                         .arg(n == 1 ? QStringLiteral("Antrag") : QStringLiteral("Anträge"))
                         .arg(GermanMoney::format(double(offen) / 100)));
    m_summe->setToolTip(Uebersicht::offenErklaerung());
}

void Antragsuebersicht::jahreZeigen()
{
    m_diagramm->setJahre(m_uebersicht.jahre());
}

void Antragsuebersicht::laden(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QString kennung = m_filter->index(index.row(), 0).data().toString();
    auto *a = qobject_cast<Aufwendungen *>(m_hauptform.oeffnen(QStringLiteral("Aufwendungen")));
    if (a)
        a->antragOeffnen(kennung);
}

void Antragsuebersicht::Exportieren_Knopf_Click()
{
    const QStringList namen = {QStringLiteral("antraege.csv"), QStringLiteral("fristen.csv"), QStringLiteral("jahre.csv")};
    const int seite = m_register->currentIndex();
    const QString vorschlag = m_hauptform.datenverzeichnis() + namen.value(seite);
    const QString pfad = Dialoge::dateiSpeichern(this, QStringLiteral("Tabelle exportieren"), vorschlag);
    if (pfad.isEmpty())
        return;
    const QAbstractItemModel *modell = seite == 0   ? static_cast<QAbstractItemModel *>(m_filter)
                                       : seite == 1 ? findChild<QTableView *>(QStringLiteral("Fristenliste"))->model()
                                                    : m_jahre;
    QString fehler;
    if (!UebersichtCsv::schreiben(pfad, *modell, &fehler))
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"), fehler, QMessageBox::Ok);
}

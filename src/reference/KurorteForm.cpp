#include "reference/KurorteForm.h"

#include "reference/Bedienelemente.h"
#include "reference/Sanduhr.h"
#include "shell/Datenquelle.h"
#include "shell/Hauptform.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>

namespace {
// Names are stored without "Bad " or "Ostseebad "; the municipality keeps
// them, so "Bad Kissingen" finds "Kissingen".
const QStringList kSuchspalten = {QStringLiteral("Name"), QStringLiteral("AnerkenntnisHeilkurort"),
                                  QStringLiteral("Gemeinde")};
}

KurorteForm::KurorteForm(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("KurorteForm"), QStringLiteral("Kurorteverzeichnis"))
{
    m_suchleiste = new QWidget(this);
    auto *sl = new QHBoxLayout(m_suchleiste);
    sl->setContentsMargins(8, 4, 8, 4);
    auto *label = new QLabel(QStringLiteral("&Suchen:"), m_suchleiste);
    m_suchwort = new QLineEdit(m_suchleiste);
    m_suchwort->setObjectName(QStringLiteral("Suchwort"));
    m_suchwort->setToolTip(
        QStringLiteral("Wort im Namen, in der Gemeinde oder in der Anerkennung, z.B. \"Bad Ems\" oder einen Ortsteil"));
    m_suchwort->installEventFilter(this);
    label->setBuddy(m_suchwort);
    auto *zurueck = Bedienelemente::knopf(m_suchleiste, QStringLiteral("Such_Knopf"), 0, QStringLiteral("<"),
                                          QStringLiteral("rückwärts suchen"));
    auto *vor = Bedienelemente::knopf(m_suchleiste, QStringLiteral("Such_Knopf"), 1, QStringLiteral(">"),
                                      QStringLiteral("vorwärts suchen"));
    zurueck->setFixedWidth(36);
    vor->setFixedWidth(36);
    sl->addWidget(label);
    sl->addWidget(m_suchwort, 1);
    sl->addWidget(zurueck);
    sl->addWidget(vor);
    sl->addStretch(1);

    m_quelle = new Datenquelle(this);
    m_quelle->setDatenbankpfad(hauptform.programmverzeichnis() + QStringLiteral("infos.mdb"),
                               Datenbank::Modus::NurLesen);
    m_quelle->setAbfrage(QStringLiteral("select * from Kurorteverzeichnis"));
    m_quelle->setAnzeigespalten({{QStringLiteral("Name"), QStringLiteral("Name")},
                                 {QStringLiteral("PLZ"), QStringLiteral("PLZ")},
                                 {QStringLiteral("Gemeinde"), QStringLiteral("Gemeinde")},
                                 {QStringLiteral("ArtBezeichnung"), QStringLiteral("Art des Kurortes")},
                                 {QStringLiteral("AnerkenntnisHeilkurort"),
                                  QStringLiteral("Anerkenntnis als Heilkurort für")}});
    m_quelle->aktualisieren();
    m_bestand.uebernehmen(m_quelle->datensatz(), kSuchspalten);

    m_liste = new QTableView(this);
    m_liste->setObjectName(QStringLiteral("Liste"));
    m_liste->setAccessibleName(QStringLiteral("Kurorteverzeichnis"));
    m_liste->setModel(m_quelle);
    m_liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_liste->setSelectionMode(QAbstractItemView::SingleSelection);
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liste->setWordWrap(false);
    m_liste->verticalHeader()->setDefaultSectionSize(m_liste->fontMetrics().height() + 6);
    m_liste->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_liste->horizontalHeader()->setStretchLastSection(true);
    const QList<int> breiten = {150, 56, 150, 220};
    for (int c = 0; c < breiten.size(); ++c)
        m_liste->setColumnWidth(c, breiten.at(c));
    m_liste->installEventFilter(this);
    connect(m_liste->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &aktuell) {
                if (!m_waehlt && aktuell.isValid())
                    m_bestand.setzePosition(aktuell.row());
            });

    m_legende = new QLabel(QStringLiteral("Anerkenntnis: G = die ganze Gemeinde, K = nur der Kernort, "
                                          "B = nur der genannte Kurbetrieb; sonst die genannten Ortsteile."),
                           this);
    m_legende->setObjectName(QStringLiteral("Legende"));

    connect(zurueck, &QPushButton::clicked, this, [this] { weiterSuchen(false); });
    connect(vor, &QPushButton::clicked, this, [this] { weiterSuchen(true); });
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, this, [this] { m_hauptform.oeffnen(QStringLiteral("Beihilfeninfoform")); });
    zeileWaehlen();
    resize(sizeHint());
}

void KurorteForm::zeileWaehlen(bool rollen)
{
    const int z = m_bestand.position();
    if (z < 0)
        return;
    m_waehlt = true;
    const bool autoRollen = m_liste->hasAutoScroll();
    m_liste->setAutoScroll(rollen && autoRollen);
    const QModelIndex i = m_quelle->index(z, 0);
    m_liste->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (rollen)
        m_liste->scrollTo(i);
    m_liste->setAutoScroll(autoRollen);
    m_waehlt = false;
}

bool KurorteForm::buchstabeGetippt(const QString &text)
{
    const auto b = Textbestand::sprungbuchstabe(text);
    if (!b || !m_bestand.springeZuBuchstabe(QStringLiteral("Name"), *b))
        return false;
    zeileWaehlen();
    return true;
}

void KurorteForm::sucheAbAnfang(bool rollen)
{
    Sanduhr sanduhr;
    if (m_bestand.sucheErste(m_suchwort->text()))
        zeileWaehlen(rollen);
}

void KurorteForm::weiterSuchen(bool vorwaerts)
{
    Sanduhr sanduhr;
    if (m_bestand.suchen(m_suchwort->text(), vorwaerts))
        zeileWaehlen();
}

bool KurorteForm::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == m_suchwort && ereignis->type() == QEvent::FocusOut) {
        // Qt hands a click to the grid only after the box lost the focus: the
        // grid must not scroll before the click chooses the row under it.
        const QWidget *ziel = QApplication::focusWidget();
        const bool klickInListe = static_cast<QFocusEvent *>(ereignis)->reason() == Qt::MouseFocusReason && ziel
            && (ziel == m_liste || m_liste->isAncestorOf(ziel));
        sucheAbAnfang(!klickInListe);
    } else if (objekt == m_liste && ereignis->type() == QEvent::KeyPress) {
        const auto *taste = static_cast<QKeyEvent *>(ereignis);
        const QString text = taste->text();
        // Printable keys never start the grid's own incremental search:
        // letters jump, everything else does nothing.
        if (text.size() == 1 && text.at(0).isPrint() && !(taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            buchstabeGetippt(text);
            return true;
        }
    }
    return Maske::eventFilter(objekt, ereignis);
}

void KurorteForm::resizeEvent(QResizeEvent *event)
{
    Maske::resizeEvent(event);
    const int h = height();
    const int w = width();
    const int listenHoehe = qMax(0, h - Hauptform::twipsZuPixel(950, false));
    const int oben = qMax(0, (h - listenHoehe) * 5 / 9);
    m_suchleiste->setGeometry(0, 0, w, oben);
    m_liste->setGeometry(6, oben, w - 12, listenHoehe);
    m_legende->setGeometry(10, oben + listenHoehe, w - 20, h - oben - listenHoehe);
}

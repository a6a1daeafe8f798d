#include "ledger/LadenForm.h"

#include "ledger/Antragsdatenbank.h"
#include "shell/Datenquelle.h"
#include "shell/Dialoge.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

LadenForm::LadenForm(const QString &datenbankpfad, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("LadenForm"));
    setWindowTitle(QStringLiteral(" Anträge Laden"));
    setModal(true);

    m_daten = new Datenquelle(this);
    m_daten->setObjectName(QStringLiteral("Daten"));
    m_daten->setDatenbankpfad(datenbankpfad);
    m_daten->setAbfrage(Antragsdatenbank::listeNeuesteZuerst());
    m_daten->setAnzeigespalten({{QStringLiteral("Antragsdatum"), QStringLiteral("Antragsdatum")},
                                {QStringLiteral("Bemerkung"), QStringLiteral("Bemerkung")}});
    m_daten->setDatumsspalten({QStringLiteral("Antragsdatum"), QStringLiteral("eingereicht"), QStringLiteral("zurück"),
                               QStringLiteral("Bescheidvom")});

    m_liste = new QTableView(this);
    m_liste->setObjectName(QStringLiteral("Liste"));
    m_liste->setModel(m_daten);
    m_liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_liste->setSelectionMode(QAbstractItemView::SingleSelection);
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liste->horizontalHeader()->setStretchLastSection(true);
    m_liste->verticalHeader()->setDefaultSectionSize(m_liste->fontMetrics().height() + 6);
    m_liste->setColumnWidth(0, 110);
    m_liste->installEventFilter(this);
    connect(m_liste, &QTableView::doubleClicked, this, [this] { Ende_Knopf_Click(0); });

    auto *alle = new QPushButton(QStringLiteral("Alle"), this);
    alle->setObjectName(QStringLiteral("Alle_Knopf"));
    alle->setAutoDefault(false);
    connect(alle, &QPushButton::clicked, this, &LadenForm::Alle_Knopf_Click);

    auto *suchen = new QLabel(QStringLiteral("&Suchen"), this);
    m_suchbegriff = new QLineEdit(this);
    m_suchbegriff->setObjectName(QStringLiteral("Suchbegriff"));
    suchen->setBuddy(m_suchbegriff);
    m_suchbegriff->installEventFilter(this);

    auto *loeschen = new QPushButton(QStringLiteral("Löschen"), this);
    loeschen->setObjectName(QStringLiteral("Löschen_Knopf"));
    loeschen->setAutoDefault(false);
    connect(loeschen, &QPushButton::clicked, this, &LadenForm::Loeschen_Knopf_Click);

    m_hinzuladen = new QCheckBox(QStringLiteral("zum Antrag hinzuladen"), this);
    m_hinzuladen->setObjectName(QStringLiteral("Hinzuladen"));

    auto *knoepfe = new QHBoxLayout;
    const char *texte[] = {"&Laden", "&Abbrechen"};
    for (int i = 0; i < 2; ++i) {
        auto *b = new QPushButton(QString::fromUtf8(texte[i]), this);
        b->setObjectName(QStringLiteral("Ende_Knopf"));
        b->setProperty("index", i);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] { Ende_Knopf_Click(i); });
        knoepfe->addWidget(b);
    }

    auto *suchzeile = new QHBoxLayout;
    suchzeile->addWidget(suchen);
    suchzeile->addWidget(m_suchbegriff, 1);
    suchzeile->addWidget(alle);
    suchzeile->addWidget(loeschen);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_liste, 1);
    layout->addLayout(suchzeile);
    layout->addWidget(m_hinzuladen);
    layout->addLayout(knoepfe);
    resize(460, 400);
}

void LadenForm::showEvent(QShowEvent *event)
{
    // Every activation counts as cancel until a button says otherwise.
    m_was = QStringLiteral("1");
    aktualisieren();
    if (const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
    m_liste->setFocus();
}

void LadenForm::aktualisieren()
{
    m_daten->aktualisieren();
    if (m_daten->rowCount() > 0)
        m_liste->setCurrentIndex(m_daten->index(0, 0));
}

QString LadenForm::kennung() const
{
    const QModelIndex i = m_liste->currentIndex();
    if (!i.isValid())
        return {};
    const QVariant v = m_daten->datensatz().wert(i.row(), QStringLiteral("Kennung"));
    return v.isValid() ? v.toString() : QString();
}

bool LadenForm::hinzuladen() const
{
    return m_hinzuladen->isChecked();
}

void LadenForm::Alle_Knopf_Click()
{
    m_daten->setAbfrage(Antragsdatenbank::listeAlle());
    aktualisieren();
}

void LadenForm::Suchbegriff_LostFocus()
{
    m_daten->setAbfrage(Antragsdatenbank::listeSuche(), Antragsdatenbank::suchwert(m_suchbegriff->text()));
    aktualisieren();
}

void LadenForm::Loeschen_Knopf_Click()
{
    const auto antwort = Dialoge::meldung(this, QMessageBox::Question, QStringLiteral("Bitte bestätigen..."),
                                          QStringLiteral("Antrag komplett löschen ?"),
                                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (antwort != QMessageBox::Yes)
        return;
    const QString k = kennung();
    if (!k.isEmpty() && m_daten->datenbank().istOffen())
        Antragsdatenbank::loeschen(m_daten->datenbank(), k);
    aktualisieren();
}

void LadenForm::Ende_Knopf_Click(int index)
{
    m_was = QString::number(index);
    done(index == 0 ? QDialog::Accepted : QDialog::Rejected);
}

void LadenForm::reject()
{
    // Esc on the dialog or in the grid, or the close box.
    m_was = QStringLiteral("1");
    QDialog::reject();
}

bool LadenForm::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == m_suchbegriff && ereignis->type() == QEvent::FocusOut)
        Suchbegriff_LostFocus();
    if (objekt == m_liste && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(ereignis)->key();
        if (taste == Qt::Key_Escape) {
            Ende_Knopf_Click(1);
            return true;
        }
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            Ende_Knopf_Click(0);
            return true;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

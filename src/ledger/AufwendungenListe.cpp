#include "ledger/AufwendungenListe.h"

#include "ledger/Rechnungsliste.h"

#include <QHeaderView>
#include <QKeyEvent>

AufwendungenListe::AufwendungenListe(QWidget *parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("Liste"));
    m_modell = new Rechnungsliste(this);
    setModel(m_modell);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(true);
    const int spalten[] = {55, 85, 45, 60, 90, 110, 40};
    for (int i = 0; i < 7; ++i)
        setColumnWidth(i, spalten[i]);
    setColumnWidth(Rechnungsliste::Arzt, 200);
    connect(this, &QTableView::doubleClicked, this, [this] { Q_EMIT bearbeiten(false); });
}

void AufwendungenListe::setZeilen(QVector<QStringList> zeilen)
{
    m_modell->setZeilen(std::move(zeilen));
}

int AufwendungenListe::anzahl() const
{
    return m_modell->rowCount();
}

int AufwendungenListe::aktuelleZeile() const
{
    const QModelIndex i = currentIndex();
    if (!i.isValid() || i.row() >= anzahl())
        return 0;
    return i.row() + 1;
}

void AufwendungenListe::setzeAktuelleZeile(int p)
{
    if (p < 1 || p > anzahl())
        return;
    const QModelIndex i = m_modell->index(p - 1, 0);
    setCurrentIndex(i);
    scrollTo(i);
}

void AufwendungenListe::artAusblenden(bool an)
{
    setColumnHidden(Rechnungsliste::Art, an);
}

void AufwendungenListe::keyPressEvent(QKeyEvent *ereignis)
{
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) {
        Q_EMIT bearbeiten(true);
        ereignis->accept();
        return;
    }
    QTableView::keyPressEvent(ereignis);
}

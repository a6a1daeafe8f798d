#include "ledger/AufwendungenListe.h"

#include "ledger/Rechnungsliste.h"

#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

// The list's rows with the marks of receipts that keep a picture or have
// findings of the fee check.
class MarkierteRechnungsliste : public Rechnungsliste
{
public:
    using Rechnungsliste::Rechnungsliste;
    struct Marke
    {
        bool bild = false;
        QString befunde;
    };
    QVector<Marke> marken;

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (index.column() == 0 && index.row() < marken.size()) {
            const Marke &m = marken.at(index.row());
            if (role == Qt::DecorationRole && (m.bild || !m.befunde.isEmpty()))
                return symbol(m.bild, !m.befunde.isEmpty());
            if (role == Qt::ToolTipRole && (m.bild || !m.befunde.isEmpty())) {
                QString t = m.bild ? QStringLiteral("Bild des Belegs gespeichert (Doppelklick zeigt es)") : QString();
                if (!m.befunde.isEmpty())
                    t += (t.isEmpty() ? QString() : QStringLiteral("\n\n")) + QStringLiteral("Hinweise der Gebührenprüfung:\n")
                         + m.befunde;
                return t;
            }
        }
        return Rechnungsliste::data(index, role);
    }

    // A small sheet; with findings a red corner.
    static QIcon symbol(bool bild, bool befunde)
    {
        QPixmap p(14, 14);
        p.fill(Qt::transparent);
        QPainter m(&p);
        m.setRenderHint(QPainter::Antialiasing);
        m.setPen(QPen(QColor(60, 60, 60), 1));
        m.setBrush(bild ? QColor(255, 255, 255) : QColor(230, 230, 230));
        m.drawRect(QRectF(2.5, 1.5, 9, 11));
        if (bild)
            for (int y = 4; y <= 10; y += 3)
                m.drawLine(QPointF(4.5, y + 0.5), QPointF(9.5, y + 0.5));
        if (befunde) {
            m.setPen(Qt::NoPen);
            m.setBrush(QColor(200, 30, 30));
            m.drawEllipse(QRectF(7, 7, 7, 7));
        }
        return QIcon(p);
    }
};

AufwendungenListe::AufwendungenListe(QWidget *parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("Liste"));
    m_modell = new MarkierteRechnungsliste(this);
    setModel(m_modell);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(true);
    const int spalten[] = {55, 85, 45, 60, 90, 110, 40};
    for (int i = 0; i < 7; ++i)
        setColumnWidth(i, qMax(spalten[i], horizontalHeader()->sectionSizeHint(i)));
    setColumnWidth(Rechnungsliste::Arzt, 200);
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex &i) {
        if (i.column() == 0 && i.row() < m_modell->marken.size() && m_modell->marken.at(i.row()).bild)
            Q_EMIT bildZeigen(i.row() + 1);
        else
            Q_EMIT bearbeiten(false);
    });
}

void AufwendungenListe::setZeilen(QVector<QStringList> zeilen, const QVector<Rechnungsposition> &positionen)
{
    m_modell->marken.clear();
    for (const Rechnungsposition &r : positionen)
        m_modell->marken.append({!r.belegdatei.isEmpty(), r.befunde});
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

QSize AufwendungenListe::sizeHint() const
{
    const int zeilen = 12;
    return {QTableView::sizeHint().width(),
            horizontalHeader()->sizeHint().height() + zeilen * verticalHeader()->defaultSectionSize() + 2 * frameWidth()};
}

void AufwendungenListe::keyPressEvent(QKeyEvent *ereignis)
{
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) {
        Q_EMIT bearbeiten(true);
        ereignis->accept();
        return;
    }
    if (ereignis->key() == Qt::Key_Delete && (ereignis->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Q_EMIT loeschen();
        ereignis->accept();
        return;
    }
    QTableView::keyPressEvent(ereignis);
}

#include "shell/ZweispaltenCombo.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTreeView>

ZweispaltenCombo::ZweispaltenCombo(const QString &kopf1, const QString &kopf2, QWidget *parent)
    : QComboBox(parent)
    , m_modell(new QStandardItemModel(0, 2, this))
{
    m_modell->setHorizontalHeaderLabels({kopf1, kopf2});
    setModel(m_modell);
    // Editable through its own line edit: setEditable() would also build the
    // default list view and size the box, both wasted here, since the list
    // is made on first opening and the layout sizes the box. The visible
    // column is the first, the default.
    auto *eingabe = new QLineEdit(this);
    eingabe->setPalette(palette());
    setLineEdit(eingabe);
    setInsertPolicy(QComboBox::NoInsert);
}

QTreeView *ZweispaltenCombo::zweispaltigeAnsicht()
{
    // The two-column list is made when it first drops down: the main window
    // holds such a box, and most starts never open it.
    if (auto *ansicht = qobject_cast<QTreeView *>(view()))
        return ansicht;
    auto *ansicht = new QTreeView(this);
    ansicht->setRootIsDecorated(false);
    ansicht->setItemsExpandable(false);
    ansicht->setAllColumnsShowFocus(true);
    ansicht->header()->setStretchLastSection(true);
    ansicht->setSelectionBehavior(QAbstractItemView::SelectRows);
    setView(ansicht);
    return ansicht;
}

void ZweispaltenCombo::eintragHinzufuegen(const QString &eintrag)
{
    const int semi = eintrag.indexOf(u';');
    const QString a = semi < 0 ? eintrag : eintrag.left(semi);
    const QString b = semi < 0 ? QString() : eintrag.mid(semi + 1);
    m_modell->appendRow({new QStandardItem(a), new QStandardItem(b)});
}

void ZweispaltenCombo::leeren()
{
    const QString text = currentText();
    m_modell->removeRows(0, m_modell->rowCount());
    setEditText(text);
}

QString ZweispaltenCombo::spalte(int zeile, int spalte) const
{
    const QStandardItem *item = m_modell->item(zeile, spalte);
    return item ? item->text() : QString();
}

int ZweispaltenCombo::anzahl() const
{
    return m_modell->rowCount();
}

void ZweispaltenCombo::showPopup()
{
    // The list shows whole descriptions: as wide as both columns need,
    // within the screen; what is wider still scrolls sideways.
    QTreeView *ansicht = zweispaltigeAnsicht();
    ansicht->setTextElideMode(Qt::ElideNone);
    ansicht->header()->setStretchLastSection(false);
    ansicht->resizeColumnToContents(0);
    ansicht->resizeColumnToContents(1);
    const int rand = 2 * ansicht->frameWidth() + ansicht->verticalScrollBar()->sizeHint().width() + 8;
    int breite = ansicht->columnWidth(0) + ansicht->columnWidth(1) + rand;
    if (const QScreen *s = screen())
        breite = qMin(breite, s->availableGeometry().width() - 16);
    ansicht->setMinimumWidth(qMax(width(), breite));
    ansicht->header()->setStretchLastSection(true);
    QComboBox::showPopup();
}

#include "shell/SideBar.h"

#include <QKeyEvent>
#include <QListWidget>

SideBar::SideBar(QWidget *parent)
    : QToolBox(parent)
{
    setObjectName(QStringLiteral("SideBar"));
}

void SideBar::gruppeHinzufuegen(const QString &titel, const QList<QPair<QString, QString>> &eintraege)
{
    auto *liste = new QListWidget(this);
    liste->setObjectName(titel);
    liste->setWordWrap(true);
    liste->setTextElideMode(Qt::ElideNone);
    liste->setResizeMode(QListView::Adjust);
    liste->setSpacing(3);
    liste->setFrameShape(QFrame::NoFrame);
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste->setStyleSheet(QStringLiteral("QListWidget { background: #5a7fa8; color: white; }"
                                        "QListWidget::item { padding: 4px; }"
                                        "QListWidget::item:hover { background: #6f93bb; }"));
    for (const auto &[caption, name] : eintraege) {
        auto *item = new QListWidgetItem(caption, liste);
        item->setData(Qt::UserRole, name);
        item->setTextAlignment(Qt::AlignCenter);
    }
    // One action per click, whatever the desktop's activation setting: a
    // click runs the entry, and so does Enter (caught below), but never
    // "activated", which single-click desktops send in addition to the click.
    connect(liste, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { Q_EMIT eintragGewaehlt(item->data(Qt::UserRole).toString()); });
    liste->installEventFilter(this);
    m_listen.append(liste);
    addItem(liste, titel);
}

bool SideBar::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(ereignis)->key();
        auto *liste = qobject_cast<QListWidget *>(objekt);
        if (liste && (taste == Qt::Key_Return || taste == Qt::Key_Enter)) {
            if (QListWidgetItem *item = liste->currentItem())
                Q_EMIT eintragGewaehlt(item->data(Qt::UserRole).toString());
            return true;
        }
    }
    return QToolBox::eventFilter(objekt, ereignis);
}

QListWidgetItem *SideBar::eintrag(const QString &objektname) const
{
    for (QListWidget *l : m_listen)
        for (int i = 0; i < l->count(); ++i)
            if (l->item(i)->data(Qt::UserRole).toString() == objektname)
                return l->item(i);
    return nullptr;
}

QStringList SideBar::objektnamen() const
{
    QStringList out;
    for (QListWidget *l : m_listen)
        for (int i = 0; i < l->count(); ++i)
            out.append(l->item(i)->data(Qt::UserRole).toString());
    return out;
}

bool SideBar::klicken(const QString &objektname)
{
    QListWidgetItem *item = eintrag(objektname);
    if (!item)
        return false;
    Q_EMIT eintragGewaehlt(objektname);
    return true;
}

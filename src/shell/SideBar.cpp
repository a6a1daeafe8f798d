#include "shell/SideBar.h"

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
    connect(liste, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { Q_EMIT eintragGewaehlt(item->data(Qt::UserRole).toString()); });
    connect(liste, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { Q_EMIT eintragGewaehlt(item->data(Qt::UserRole).toString()); });
    m_listen.append(liste);
    addItem(liste, titel);
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

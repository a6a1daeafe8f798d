#pragma once

#include <QToolBox>

class QListWidget;
class QListWidgetItem;

// The navigation bar: groups of entries, each entry shown by its caption and
// identified by its object name.
class SideBar : public QToolBox
{
    Q_OBJECT
public:
    explicit SideBar(QWidget *parent = nullptr);

    void gruppeHinzufuegen(const QString &titel, const QList<QPair<QString, QString>> &eintraege);
    // The first entry with that object name (in any group), or nullptr.
    QListWidgetItem *eintrag(const QString &objektname) const;
    QStringList objektnamen() const;
    // Acts as a click on the entry.
    bool klicken(const QString &objektname);

Q_SIGNALS:
    void eintragGewaehlt(const QString &objektname);

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    QList<QListWidget *> m_listen;
};

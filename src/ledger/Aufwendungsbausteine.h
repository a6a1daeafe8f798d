#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// Small builders the ledger window and its panels share.
namespace Aufwendungsbausteine {
inline QLineEdit *textfeld(const QString &name, QWidget *eltern, int breite = 0)
{
    auto *e = new QLineEdit(eltern);
    e->setObjectName(name);
    if (breite > 0)
        e->setMinimumWidth(breite);
    return e;
}

inline QLabel *beschriftung(const QString &text, QWidget *eltern)
{
    auto *l = new QLabel(text, eltern);
    l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return l;
}

inline QPushButton *knopf(const QString &name, const QString &text, QWidget *eltern)
{
    auto *b = new QPushButton(text, eltern);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

inline void leeren(QComboBox *c)
{
    c->setCurrentIndex(-1);
    c->setEditText(QString());
}
} // namespace Aufwendungsbausteine

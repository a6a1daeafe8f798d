#include "reference/Bedienelemente.h"

#include "shell/Hauptform.h"

#include <QShortcut>

#include <QPushButton>
#include <QTextEdit>

QPushButton *Bedienelemente::knopf(QWidget *parent, const QString &name, int index, const QString &text,
                                   const QString &tipp)
{
    auto *k = new QPushButton(text, parent);
    k->setObjectName(name);
    if (index >= 0)
        k->setProperty("index", index);
    if (!tipp.isEmpty())
        k->setToolTip(tipp);
    k->setAutoDefault(false);
    return k;
}

QTextEdit *Bedienelemente::textfeld(QWidget *parent, const QString &name)
{
    auto *t = new QTextEdit(parent);
    t->setObjectName(name);
    t->setReadOnly(true);
    t->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return t;
}

void Bedienelemente::textSetzen(QTextEdit *feld, const QString &text)
{
    if (Qt::mightBeRichText(text))
        feld->setHtml(text);
    else
        feld->setPlainText(text);
}

void Bedienelemente::endeUndEsc(QWidget *viewer, QPushButton *ende)
{
    auto verbergen = [viewer] {
        Hauptform::fensterVon(viewer)->close();
    };
    QObject::connect(ende, &QPushButton::clicked, viewer, verbergen);
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), viewer);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(esc, &QShortcut::activated, viewer, verbergen);
}

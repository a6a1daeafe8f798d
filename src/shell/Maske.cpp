#include "shell/Maske.h"

#include "fields/FeldControls.h"
#include "shell/Hauptform.h"

#include <QApplication>
#include <QShortcut>

Maske::Maske(Hauptform &hauptform, const QString &name, const QString &titel, QWidget *parent)
    : QWidget(parent)
    , m_hauptform(hauptform)
{
    setObjectName(name);
    setWindowTitle(titel);
}

QString Maske::fokusTag() const
{
    for (QWidget *w = QApplication::focusWidget(); w && w != this; w = w->parentWidget()) {
        const QString t = FeldControls::tag(w);
        if (!t.isEmpty())
            return t;
    }
    return {};
}

void Maske::feldMarkierungAnbieten()
{
    auto *markieren = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F11), this);
    markieren->setContext(Qt::WidgetWithChildrenShortcut);
    connect(markieren, &QShortcut::activated, this, [this] {
        const QString t = fokusTag();
        if (!t.isEmpty())
            m_hauptform.Feld_markieren(t, true);
    });
    auto *zuruecknehmen = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F12), this);
    zuruecknehmen->setContext(Qt::WidgetWithChildrenShortcut);
    connect(zuruecknehmen, &QShortcut::activated, this, [this] {
        const QString t = fokusTag();
        if (!t.isEmpty())
            m_hauptform.Feld_markieren(t, false);
    });
}

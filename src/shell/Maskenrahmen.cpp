#include "shell/Maskenrahmen.h"

#include <QEvent>
#include <QScrollBar>

Maskenrahmen::Maskenrahmen(QWidget *maske, QWidget *parent)
    : QScrollArea(parent)
{
    setObjectName(maske->objectName() + QStringLiteral("Rahmen"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setBackgroundRole(QPalette::Window);
    setWidget(maske);
    setWindowTitle(maske->windowTitle());
    setWindowIcon(maske->windowIcon());
    // QScrollArea watches the screen already; eventFilter passes its title
    // and symbol on to the window around.
}

QSize Maskenrahmen::sizeHint() const
{
    const QWidget *m = widget();
    if (!m)
        return QScrollArea::sizeHint();
    const int rand = 2 * frameWidth();
    return m->sizeHint().expandedTo(m->minimumSizeHint()) + QSize(rand, rand);
}

bool Maskenrahmen::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == widget()) {
        if (ereignis->type() == QEvent::WindowTitleChange)
            setWindowTitle(widget()->windowTitle());
        else if (ereignis->type() == QEvent::WindowIconChange)
            setWindowIcon(widget()->windowIcon());
    }
    return QScrollArea::eventFilter(objekt, ereignis);
}

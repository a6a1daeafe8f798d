#include "shell/Infoform.h"

#include "shell/Hauptform.h"
#include "shell/Titelbild.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>

Infoform::Infoform(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("Infoform"), QStringLiteral("Programminformation V. 1.099"))
    , m_panel(new QFrame(this))
    , m_bild(new Titelbild(m_panel))
{
    m_panel->setObjectName(QStringLiteral("Panel"));
    m_panel->setFrameShape(QFrame::StyledPanel);
    m_panel->setAutoFillBackground(true);
    QPalette p = m_panel->palette();
    p.setColor(QPalette::Window, QColor(235, 240, 247));
    m_panel->setPalette(p);
    resize(560, 380);
}

void Infoform::aktivieren()
{
    if (auto *knopf = m_hauptform.findChild<QPushButton *>(QStringLiteral("Daten_Knopf")))
        knopf->setFocus();
}

void Infoform::resizeEvent(QResizeEvent *event)
{
    Maske::resizeEvent(event);
    m_bild->hide();
    const int rand = Hauptform::twipsZuPixel(400, false);
    m_panel->setGeometry(0, 0, width(), qMax(0, height() - rand));
    m_bild->move((width() - m_bild->width()) / 2, (height() - m_bild->height()) / 2);
    m_bild->show();
}

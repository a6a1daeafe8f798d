#include "reference/DBHinweis.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QPointer<DBHinweis> s_hinweis;
}

DBHinweis::DBHinweis()
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("DBHinweis"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto *text = new QLabel(QStringLiteral("Datenbanken werden geladen. Bitte warten..."), this);
    text->setObjectName(QStringLiteral("Hinweis"));
    text->setAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral("DBHinweis { background: #ffffe1; border: 1px solid #404040; }"));
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(24, 16, 24, 16);
    l->addWidget(text);
}

DBHinweis *DBHinweis::instanz()
{
    return s_hinweis;
}

void DBHinweis::zeigen()
{
    if (!s_hinweis)
        s_hinweis = new DBHinweis;
    s_hinweis->show();
    s_hinweis->raise();
    s_hinweis->repaint();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void DBHinweis::verbergen()
{
    if (s_hinweis)
        s_hinweis->hide();
    QGuiApplication::restoreOverrideCursor();
}

void DBHinweis::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    adjustSize();
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

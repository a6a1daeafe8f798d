#include "shell/Programmstil.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

namespace {
// Stands for a standard icon of a style and asks the style for it on first use.
class VerzoegertesSymbol : public QIconEngine
{
public:
    VerzoegertesSymbol(QStyle *stil, QStyle::StandardPixmap symbol, const QWidget *widget)
        : m_stil(stil)
        , m_symbol(symbol)
        , m_widget(const_cast<QWidget *>(widget))
        , m_icon(std::make_shared<std::optional<QIcon>>())
    {
    }

    void paint(QPainter *p, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(p, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString iconName() override { return icon().name(); }
    QString key() const override { return QStringLiteral("velmora-verzoegert"); }
    QIconEngine *clone() const override { return new VerzoegertesSymbol(*this); }

private:
    const QIcon &icon()
    {
        // Copies of the icon share what has been read.
        if (!m_icon->has_value()) {
            QStyle *stil = m_stil ? m_stil.data() : QApplication::style();
            *m_icon = stil->standardIcon(m_symbol, nullptr, m_widget.data());
        }
        return **m_icon;
    }

    QPointer<QStyle> m_stil;
    QStyle::StandardPixmap m_symbol;
    QPointer<QWidget> m_widget; // the style may look at the widget asking
    std::shared_ptr<std::optional<QIcon>> m_icon;
};
} // namespace

QIcon Programmstil::standardIcon(StandardPixmap symbol, const QStyleOption *option, const QWidget *widget) const
{
    // An option may shape the icon and lives only for this call: read right away.
    if (option)
        return QProxyStyle::standardIcon(symbol, option, widget);
    return QIcon(new VerzoegertesSymbol(baseStyle(), symbol, widget));
}

#pragma once

#include <QProxyStyle>

// The platform's style, except that its standard icons (menu-bar overflow
// arrow, the system menu of every screen, message-box symbols) are read
// only when one is first drawn or measured. Creating the menu bar and each
// screen no longer decodes a dozen images that are mostly never shown.
class Programmstil : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap symbol, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

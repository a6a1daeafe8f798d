#pragma once

#include <QWidget>

// The title picture of the start screen. At its own size on a screen of
// normal density it shows the pixels drawn when the program was built
// (three font sizes and their glyphs would otherwise be loaded at every
// start); otherwise it draws the picture itself.
class Titelbild : public QWidget
{
    Q_OBJECT
public:
    explicit Titelbild(QWidget *parent = nullptr);
    QSize sizeHint() const override;
    // The picture drawn at build time.
    static QImage gespeichert();

protected:
    void paintEvent(QPaintEvent *event) override;
};

#pragma once

#include <QWidget>

// The title picture of the start screen, drawn by the program itself each
// time it is shown.
class Titelbild : public QWidget
{
    Q_OBJECT
public:
    explicit Titelbild(QWidget *parent = nullptr);
    QSize sizeHint() const override { return {460, 260}; }
    static void zeichnen(QPainter &p, const QSize &size);

protected:
    void paintEvent(QPaintEvent *event) override;
};

#pragma once

#include <QScrollArea>

// What a screen sits in inside its window of the main window's area: the
// screen keeps its own layout and never gets smaller than that layout
// allows; when the window is smaller, the screen scrolls.
class Maskenrahmen : public QScrollArea
{
    Q_OBJECT
public:
    explicit Maskenrahmen(QWidget *maske, QWidget *parent = nullptr);

    QWidget *maske() const { return widget(); }
    // The screen's own size and the frame, not bounded as a scroll area's is.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
};

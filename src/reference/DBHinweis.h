#pragma once

#include <QWidget>

// The small notice shown while a reference database opens. It centres
// itself on the screen each time it is shown.
class DBHinweis : public QWidget
{
    Q_OBJECT
public:
    // Shows the notice (painted at once) and the hourglass.
    static void zeigen();
    // Hides the notice and restores the pointer.
    static void verbergen();
    static DBHinweis *instanz(); // nullptr until first shown

protected:
    void showEvent(QShowEvent *event) override;

private:
    DBHinweis();
};

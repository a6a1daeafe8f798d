#pragma once

#include "shell/Maske.h"

class QLabel;
class QFrame;

// The start screen with the title picture the program draws itself.
class Infoform : public Maske
{
    Q_OBJECT
public:
    explicit Infoform(Hauptform &hauptform);
    void aktivieren() override;
    static QPixmap titelbild(qreal dpr = 1.0);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QFrame *m_panel;
    QLabel *m_bild;
};

#pragma once

#include "shell/Maske.h"

class QFrame;
class Titelbild;

// The start screen with the title picture the program draws itself.
class Infoform : public Maske
{
    Q_OBJECT
public:
    explicit Infoform(Hauptform &hauptform);
    void aktivieren() override;
    QSize sizeHint() const override { return {560, 380}; }
    QSize minimumSizeHint() const override { return {480, 300}; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QFrame *m_panel;
    Titelbild *m_bild;
};

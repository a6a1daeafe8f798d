#pragma once

#include "forms/Nebenantragsmaske.h"

class QScrollBar;

// The application for an advance. The form is taller than the window: its
// controls lie on a canvas that the scroll bar VScroll moves.
class Vorschussform : public Nebenantragsmaske
{
    Q_OBJECT
public:
    explicit Vorschussform(Hauptform &hauptform);

    QWidget *Bild() const { return m_bild; }
    QScrollBar *VScroll() const { return m_vscroll; }

    QSize sizeHint() const override { return {780, 560}; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void anordnen();

    QWidget *m_bild = nullptr;
    QScrollBar *m_vscroll = nullptr;
};

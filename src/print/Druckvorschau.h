#pragma once

#include "print/Layoutinterpreter.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QScrollBar;
class Vorschaubild;
class Seitenflaeche;

// The preview window: one page on the screen instead of the printer. The
// print dialogs draw into its picture first and then show it modally; the
// user scrolls, zooms and closes it.
class Druckvorschau : public QDialog
{
    Q_OBJECT
public:
    enum Zoomstufe { GanzeSeite = 0, Seitenbreite = 1, Originalgroesse = 2 };

    explicit Druckvorschau(QWidget *parent = nullptr);

    QLineEdit *Bereich() const { return m_bereich; }
    Vorschaubild *Bild() const { return m_bild; }
    QScrollBar *HScroll() const { return m_hscroll; }
    QScrollBar *VScroll() const { return m_vscroll; }
    QComboBox *Zoom() const { return m_zoom; }

    // The surface of the picture, for the expense dialog's own preview run.
    Seitenflaeche &bildflaeche();
    // Draws the layout named in Bereich with the print dialog's preview
    // switches; the rest of the job (fields, Euro, complete form) comes
    // from the caller.
    Druckergebnis drucken(Druckauftrag auftrag);
    // The sheet's orientation, for fitting the page into the window.
    void setQuerformat(bool quer);
    // Call after drawing on bildflaeche() directly.
    void bildAktualisieren();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void anordnen();
    void zoomAnwenden();
    void bildVerschieben();

    Vorschaubild *m_bild = nullptr;
    QWidget *m_flaeche = nullptr;
    QScrollBar *m_hscroll = nullptr;
    QScrollBar *m_vscroll = nullptr;
    QLineEdit *m_bereich = nullptr;
    QComboBox *m_zoom = nullptr;
    bool m_querformat = false;
};

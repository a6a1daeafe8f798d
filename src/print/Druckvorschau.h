#pragma once

#include "print/Layoutinterpreter.h"

#include <QDialog>
#include <QVector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class Vorschaubild;
class Seitenflaeche;

// The preview window: the pages of a run on the screen instead of the
// printer. The print dialogs draw into its picture first and then show it
// modally; the user scrolls (wheel), zooms (Ctrl+wheel or the zoom box),
// turns the pages, prints or closes it.
class Druckvorschau : public QDialog
{
    Q_OBJECT
public:
    enum Zoomstufe { GanzeSeite = 0, Seitenbreite = 1, Originalgroesse = 2, Frei = 3 };
    // Result of the modal run when "Drucken" was pressed: the caller prints
    // the same job on the chosen printer.
    enum Ergebnis { Schliessen = QDialog::Rejected, Drucken = 2 };

    explicit Druckvorschau(QWidget *parent = nullptr);

    QLineEdit *Bereich() const { return m_bereich; }
    Vorschaubild *Bild() const { return m_bild; }
    QScrollBar *HScroll() const { return m_hscroll; }
    QScrollBar *VScroll() const { return m_vscroll; }
    QComboBox *Zoom() const { return m_zoom; }

    // The surface of the shown page, for the expense dialog's own preview run.
    Seitenflaeche &bildflaeche();
    // Adds a page after the last one; the next drawing goes there.
    Seitenflaeche &neueSeite();
    int seitenzahl() const;
    int seite() const; // the shown page, from 0
    void zeigeSeite(int seite);
    // Draws the layout named in Bereich with the print dialog's preview
    // switches; the rest of the job (fields, Euro, complete form) comes
    // from the caller.
    Druckergebnis drucken(Druckauftrag auftrag);
    // The shown sheet's orientation, for fitting the page into the window.
    void setQuerformat(bool quer);
    // Call after drawing on bildflaeche() directly.
    void bildAktualisieren();
    // Zoom by a factor (Ctrl+wheel); the zoom box then shows the percentage.
    void zoomen(double faktor);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void anordnen();
    void zoomAnwenden();
    void bildVerschieben();
    void knoepfeAnpassen();
    bool rad(QWheelEvent *event);

    Vorschaubild *m_bild = nullptr;
    QWidget *m_leiste = nullptr;
    QWidget *m_flaeche = nullptr;
    QScrollBar *m_hscroll = nullptr;
    QScrollBar *m_vscroll = nullptr;
    QLineEdit *m_bereich = nullptr;
    QComboBox *m_zoom = nullptr;
    QPushButton *m_zurueck = nullptr;
    QPushButton *m_weiter = nullptr;
    QLabel *m_seitenanzeige = nullptr;
    QVector<bool> m_querformat{false};
    double m_freierZoom = 1.0;
};

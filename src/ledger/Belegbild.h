#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;

// The pages of a receipt as pictures: one page at a time, zoom in and out,
// fit to the width.
class Belegbild : public QWidget
{
    Q_OBJECT
public:
    explicit Belegbild(QWidget *parent = nullptr);

    void setSeiten(QList<QImage> seiten, const QString &hinweis = {});
    int seite() const { return m_seite; }
    int seitenzahl() const { return int(m_seiten.size()); }
    double zoom() const { return m_zoom; }

public Q_SLOTS:
    void blaettern(int schritt);
    void zoomen(double faktor);
    void breiteAnpassen();

private:
    void zeigen();

    QList<QImage> m_seiten;
    int m_seite = 0;
    double m_zoom = 1.0;
    QScrollArea *m_bereich = nullptr;
    QLabel *m_bild = nullptr;
    QLabel *m_seitenzeile = nullptr;
    QPushButton *m_zurueck = nullptr;
    QPushButton *m_vor = nullptr;
};

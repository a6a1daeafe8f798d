#pragma once

#include "ledger/Jahresdiagramm.h"

#include <QWidget>

// Shows the bar chart of the years on the overview's tab "Jahre".
class Jahresdiagrammansicht : public QWidget
{
    Q_OBJECT
public:
    explicit Jahresdiagrammansicht(QWidget *parent = nullptr);

    void setJahre(const QVector<Uebersicht::Jahr> &jahre);
    const Jahresdiagramm &diagramm() const { return m_diagramm; }
    QSize sizeHint() const override { return {640, 320}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Jahresdiagramm m_diagramm;
};

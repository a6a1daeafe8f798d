#pragma once

#include "ledger/Rechnungsposition.h"

#include <QStringList>
#include <QTableView>
#include <QVector>

class MarkierteRechnungsliste;

// The ledger's list of receipts: one row per receipt as the totals build
// it; Enter or a double click asks to edit the current row (per Enter the
// typing then goes on in the entry panel), Entf to delete it.
class AufwendungenListe : public QTableView
{
    Q_OBJECT
public:
    explicit AufwendungenListe(QWidget *parent = nullptr);

    // The rows, and the receipts they show: one with a picture is marked
    // in its first cell, one with findings too (the findings as tool tip).
    void setZeilen(QVector<QStringList> zeilen, const QVector<Rechnungsposition> &positionen = {});
    int anzahl() const;
    // 1-based, 0 when the list has no cursor row.
    int aktuelleZeile() const;
    void setzeAktuelleZeile(int p);
    void artAusblenden(bool an);
    // Room for a dozen rows: the window opens tall enough to use the space
    // it gets; the list takes whatever height the window has.
    QSize sizeHint() const override;

Q_SIGNALS:
    void bearbeiten(bool perTaste);
    void loeschen();
    // A double click on the picture mark of receipt p (from 1).
    void bildZeigen(int p);

protected:
    void keyPressEvent(QKeyEvent *ereignis) override;

private:
    MarkierteRechnungsliste *m_modell = nullptr;
};

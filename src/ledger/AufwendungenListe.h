#pragma once

#include <QStringList>
#include <QTableView>
#include <QVector>

class Rechnungsliste;

// The ledger's list of receipts: one row per receipt as the totals build
// it; Enter or a double click asks to edit the current row (per Enter the
// typing then goes on in the entry panel).
class AufwendungenListe : public QTableView
{
    Q_OBJECT
public:
    explicit AufwendungenListe(QWidget *parent = nullptr);

    void setZeilen(QVector<QStringList> zeilen);
    int anzahl() const;
    // 1-based, 0 when the list has no cursor row.
    int aktuelleZeile() const;
    void setzeAktuelleZeile(int p);
    void artAusblenden(bool an);

Q_SIGNALS:
    void bearbeiten(bool perTaste);

protected:
    void keyPressEvent(QKeyEvent *ereignis) override;

private:
    Rechnungsliste *m_modell = nullptr;
};

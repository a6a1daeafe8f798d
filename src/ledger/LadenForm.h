#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QTableView;
class Datenquelle;

// The load dialog: the stored applications of anträge.mdb, with search and
// delete. was() reads "0" after "&Laden" and "1" after any kind of cancel.
class LadenForm : public QDialog
{
    Q_OBJECT
public:
    explicit LadenForm(const QString &datenbankpfad, QWidget *parent = nullptr);

    QString was() const { return m_was; }
    QString kennung() const; // of the current row, empty when there is none
    bool hinzuladen() const;
    Datenquelle *daten() const { return m_daten; }

    void Alle_Knopf_Click();
    void Suchbegriff_LostFocus();
    void Loeschen_Knopf_Click();
    void Ende_Knopf_Click(int index);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    void reject() override;

private:
    void aktualisieren();

    Datenquelle *m_daten = nullptr;
    QTableView *m_liste = nullptr;
    QLineEdit *m_suchbegriff = nullptr;
    QCheckBox *m_hinzuladen = nullptr;
    QString m_was = QStringLiteral("1");
};

#pragma once

#include <QComboBox>

class QStandardItemModel;
class QTreeView;

// A drop-down list with two columns. Entries are added as one text in which
// ";" separates the columns; the text of the box is the first column.
class ZweispaltenCombo : public QComboBox
{
    Q_OBJECT
public:
    explicit ZweispaltenCombo(const QString &kopf1, const QString &kopf2, QWidget *parent = nullptr);

    void eintragHinzufuegen(const QString &eintrag);
    void leeren();
    QString spalte(int zeile, int spalte) const;
    int anzahl() const;
    // The drop-down list, made on first use.
    QTreeView *zweispaltigeAnsicht();

protected:
    void showPopup() override;

private:
    QStandardItemModel *m_modell;
};

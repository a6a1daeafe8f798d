#pragma once

#include <QDialog>

class QLineEdit;

// Asks for the first receipt number. Kept for the whole run, so the last
// start number is offered again.
class Numerierenform : public QDialog
{
    Q_OBJECT
public:
    explicit Numerierenform(QWidget *parent = nullptr);

    QString was() const { return m_was; }
    QString nummer() const;
    void Ende_Knopf_Click(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    QLineEdit *m_nummer = nullptr;
    QString m_was = QStringLiteral("1");
};

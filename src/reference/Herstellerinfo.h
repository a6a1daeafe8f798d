#pragma once

#include <QDialog>

class QLabel;

// The modal maker information: the program's picture, name, version and
// licence, and the data directory in use.
class Herstellerinfo : public QDialog
{
    Q_OBJECT
public:
    Herstellerinfo(const QString &datenverzeichnis, QWidget *parent = nullptr);
    static QString version();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void zentrieren();
};

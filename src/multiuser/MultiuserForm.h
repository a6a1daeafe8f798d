#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

// Chooses or creates the data directory of one person below the program
// directory ("/multiuser"). The choice never leaves the base directory.
class MultiuserForm : public QDialog
{
    Q_OBJECT
public:
    enum Ergebnis { Beenden = 0, Auswaehlen = 1 };

    explicit MultiuserForm(const QString &basisverzeichnis, QWidget *parent = nullptr);

    // The chosen directory as shown in Verzeichnis.
    QString verzeichnis() const;
    QString aktuellesVerzeichnis() const { return m_aktuell; }
    // Opens a directory of the list, as the user does by double-clicking.
    void verzeichnisOeffnen(const QString &pfad);
    // "Anlegen": creates base + name with a copy of "_anträge.mdb".
    bool anlegen(const QString &name);
    static bool gueltigerName(const QString &name);

private:
    void listeFuellen();

    QString m_basis; // ends in "/"
    QString m_aktuell;
    QLabel *m_verzeichnis;
    QLabel *m_pfad;
    QListWidget *m_dir;
    QLineEdit *m_neuerUser;
};

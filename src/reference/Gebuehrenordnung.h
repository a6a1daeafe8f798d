#pragma once

#include "reference/Gebuehrenparameter.h"
#include "reference/Gebuehrenverzeichnis.h"
#include "shell/Maske.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTextEdit;

// The fee schedule browser: one fee number at a time with its amounts, the
// searches, the adding list and the ways to the provisions and laws.
class Gebuehrenordnung : public Maske
{
    Q_OBJECT
public:
    static constexpr const char *Name = "Gebührenordnung";

    explicit Gebuehrenordnung(Hauptform &hauptform, QWidget *parent = nullptr);

    // Opens the browser through the main window with the schedule of a code
    // ("Ä", "Z" or "Y").
    static Gebuehrenordnung *zeigen(Hauptform &hauptform, const QString &code);

    // The opener's settings, in this order: heading, code, point values.
    void setTitel(const QString &titel);
    void setCode(const QString &code); // a changed code re-selects the rows
    void setPunktwerte(const QString &inKraft, const QString &dm, const QString &euro);
    void setGebuehrenordnung(const Gebuehrenparameter &p);

    QString code() const { return m_code; }
    int position() const { return m_pos; }
    const Gebuehrenverzeichnis &verzeichnis() const { return m_verzeichnis; }

    void aktivieren() override { neuBerechnen(); }

    void blaettern(bool vorwaerts);
    void nummerSuchen();
    void volltextSuchen(bool vorwaerts);
    void addieren(int art); // 0 simple, 1 threshold, 2 manual amount
    void letztenLoeschen();
    void listeLeeren();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void aufbauen();
    void laden();
    void zeileZeigen(int pos);
    void neuBerechnen();
    void waehrungGewaehlt();
    void listeZeigen();
    void summeGeaendert();
    void bestimmungZeigen();
    void gesetzeZeigen();
    QLineEdit *anzeige(const QString &name);

    Gebuehrenverzeichnis m_verzeichnis;
    QString m_titel;
    QString m_code;
    double m_punktwert = 0.0;
    double m_punktwertDm = 0.0;
    double m_punktwertEuro = 0.0;
    int m_pos = -1;

    QLabel *m_goInfo = nullptr;
    QLabel *m_hinweis = nullptr;
    QList<QRadioButton *> m_waehrung;
    QLineEdit *m_sucheNummer = nullptr;
    QLineEdit *m_mFaktor = nullptr;
    QLineEdit *m_volltext = nullptr;
    QTextEdit *m_infotext = nullptr;
    QLineEdit *m_nummer = nullptr;
    QLineEdit *m_punkte = nullptr;
    QLineEdit *m_schluessel = nullptr;
    QLineEdit *m_einfachwert = nullptr;
    QLineEdit *m_faktor = nullptr;
    QLineEdit *m_schwellenwert = nullptr;
    QLineEdit *m_manuellwert = nullptr;
    QTableWidget *m_liste = nullptr;
    QLabel *m_summe = nullptr;
    QPushButton *m_bestimmung = nullptr;
};

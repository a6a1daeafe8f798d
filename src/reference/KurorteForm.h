#pragma once

#include "reference/Textbestand.h"
#include "shell/Maske.h"

class Datenquelle;
class QLabel;
class QLineEdit;
class QTableView;

// The directory of recognised spa and health resorts: a grid of all
// resorts, jumps by first letter and a word search over name and
// recognition.
class KurorteForm : public Maske
{
    Q_OBJECT
public:
    explicit KurorteForm(Hauptform &hauptform);

    const Textbestand &bestand() const { return m_bestand; }
    int aktuelleZeile() const { return m_bestand.position(); }
    // The first resort whose name begins with the typed letter; other
    // characters do nothing. True when the current row changed.
    bool buchstabeGetippt(const QString &text);
    // Leaving the search box. Left by a click into the grid, the grid is not
    // scrolled: the click then chooses the row under the pointer.
    void sucheAbAnfang(bool rollen = true);
    void weiterSuchen(bool vorwaerts); // Such_Knopf 1 / 0
    QSize sizeHint() const override { return {940, 560}; }
    QSize minimumSizeHint() const override { return {640, 300}; }

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void zeileWaehlen(bool rollen = true);

    Datenquelle *m_quelle;
    Textbestand m_bestand;
    QWidget *m_suchleiste;
    QLineEdit *m_suchwort;
    QTableView *m_liste;
    QLabel *m_legende;
    bool m_waehlt = false;
};

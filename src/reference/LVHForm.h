#pragma once

#include "reference/Textbestand.h"
#include "shell/Maske.h"

#include <QList>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QTextEdit;

// The remedies catalogue: one remedy at a time with its area and its
// maximum amount in euro or DM, number and full-text search and the notes.
class LVHForm : public Maske
{
    Q_OBJECT
public:
    explicit LVHForm(Hauptform &hauptform);

    const Textbestand &bestand() const { return m_bestand; }
    void blaettern(bool vorwaerts);
    void nummerSuchen();
    void volltextSuchen(bool vorwaerts);
    void hinweisZeigen(int nummer); // 1 to 3
    QSize sizeHint() const override { return {780, 560}; }
    QSize minimumSizeHint() const override { return {700, 440}; }

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void anzeigen();
    void betragZeigen();

    Textbestand m_bestand;
    QComboBox *m_bereich;
    QLineEdit *m_suchNummer;
    QLineEdit *m_betrag;
    QList<QRadioButton *> m_waehrung;
    QLineEdit *m_volltext;
    QTextEdit *m_information;
};

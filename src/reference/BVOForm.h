#pragma once

#include "reference/Textbestand.h"
#include "shell/Maske.h"

class QLabel;
class QLineEdit;
class QTextEdit;

// The text viewer of the regulation, its administrative rules, the advance
// rules and the notes on the fee law: one record of a text group at a time.
class BVOForm : public Maske
{
    Q_OBJECT
public:
    explicit BVOForm(Hauptform &hauptform);
    // Opens the viewer with the caption and the rows of a group code.
    static BVOForm *zeigen(Hauptform &hauptform, const QString &code);

    void setCode(const QString &code); // a changed code reloads the rows
    QString code() const { return m_code; }
    const Textbestand &bestand() const { return m_bestand; }

    void blaettern(bool vorwaerts);
    void volltextSuchen(bool vorwaerts);
    void kopieren();
    QSize sizeHint() const override { return {760, 560}; }
    QSize minimumSizeHint() const override { return {600, 300}; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void laden();
    void anzeigen();

    QString m_code;
    Textbestand m_bestand;
    QLabel *m_ueberschrift;
    QTextEdit *m_inhalt;
    QLineEdit *m_begriff;
    QWidget *m_panel;
};

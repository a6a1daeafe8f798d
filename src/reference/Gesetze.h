#pragma once

#include "reference/Textbestand.h"
#include "shell/Maske.h"

class QLineEdit;
class QTextEdit;

// The law viewer: the laws and provisions of one fee schedule, one record
// at a time. Areas: 1 doctors, 2 healing practitioners, 3 dentists.
class Gesetze : public Maske
{
    Q_OBJECT
public:
    explicit Gesetze(Hauptform &hauptform);
    // Opens the viewer through the main window with an area and a caption.
    static Gesetze *zeigen(Hauptform &hauptform, int bereich, const QString &titel);

    // A changed area reloads the rows of that area.
    Q_INVOKABLE void setBereich(int bereich);
    int bereich() const { return m_bereich; }
    const Textbestand &bestand() const { return m_bestand; }

    void blaettern(bool vorwaerts);
    void kopieren();
    QSize sizeHint() const override { return {720, 520}; }
    QSize minimumSizeHint() const override { return {480, 260}; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void laden(const QString &sql, const QVariantList &werte);
    void anzeigen();

    int m_bereich = 0;
    Textbestand m_bestand;
    QLineEdit *m_ueberschrift;
    QTextEdit *m_inhalt;
    QWidget *m_panel;
};

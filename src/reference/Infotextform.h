#pragma once

#include "reference/Textbestand.h"
#include "shell/Maske.h"

class QTextEdit;

// The note viewer: one row of the notes (Anmerkungen) chosen by its key,
// for the fee browser's general provisions and the remedies' notes.
class Infotextform : public Maske
{
    Q_OBJECT
public:
    explicit Infotextform(Hauptform &hauptform);
    // Opens the viewer through the main window on the note with the key.
    static Infotextform *zeigen(Hauptform &hauptform, const QString &nummer, const QString &titel);

    // Makes the note with the key current; false (and the text unchanged)
    // when there is none.
    Q_INVOKABLE bool anmerkungZeigen(const QString &nummer);
    QString nummer() const { return m_bestand.text(QStringLiteral("Nummer")); }
    const Textbestand &bestand() const { return m_bestand; }
    void kopieren();
    QSize sizeHint() const override { return {680, 480}; }
    QSize minimumSizeHint() const override { return {420, 220}; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    Textbestand m_bestand;
    QTextEdit *m_info;
    QWidget *m_panel;
};

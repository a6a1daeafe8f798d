#pragma once

#include "fields/Nebenantragsdatei.h"
#include "shell/Maske.h"

#include <QStringList>
#include <optional>

// A side application kept in a file of its own (advance, partial payment,
// accident report). While it is in front the main window shows the panel
// "Neu", "Drucken", "Laden", "Speichern", and FNr and Bereich2 name it, so
// the panel buttons and the print act on the form the user sees.
class Nebenantragsmaske : public Maske
{
    Q_OBJECT
public:
    struct Art
    {
        QString buchstabe;  // FNr: "U", "V", "A"
        QString code;       // Bereich2: "UB", "VS", "AB"
        QString dateititel; // title of the file dialogs
        QString datei;      // file name the dialogs propose
        QStringList seiten; // layouts printed, in page order
    };

    Nebenantragsmaske(Hauptform &hauptform, const QString &name, const QString &titel, Art art);

    const Art &art() const { return m_art; }
    void aktivieren() override;
    bool zeigtZusatzpanel() const override { return true; }

    // The tagged controls as file lines, in creation order.
    QList<Nebenantragsdatei::Zeile> zeilen() const;
    // Puts file lines into the controls: the first control of each tag; tags
    // the screen does not have are skipped, controls not named keep their
    // content.
    void zeilenSetzen(const QList<Nebenantragsdatei::Zeile> &zeilen);
    // Empties every text and clears every box.
    void leeren();

    // True when the controls hold something not in the file last saved or
    // loaded (something typed into the empty form when there is none).
    bool geaendert() const;
    // The file last saved or loaded, empty after "Neu" and before the first.
    QString datei() const { return m_datei; }
    // Stores unsaved changes as "Speichern" does: into the file last used,
    // or one the user names now. False when the user cancels the file
    // dialog or the file cannot be written (the user has been told).
    bool sichern();

    // The panel buttons.
    void Neu();
    void Speichern();
    void Laden();
    void Drucken();

private:
    // Writes the file; on success it becomes the screen's file and the
    // controls count as saved.
    bool speichernNach(const QString &pfad);

    Art m_art;
    QString m_datei;
    std::optional<QList<Nebenantragsdatei::Zeile>> m_stand; // as last saved or loaded
};

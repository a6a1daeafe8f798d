#pragma once

#include <QWidget>

class Hauptform;

// A child window of the main window: a data-entry, ledger or reference
// screen. The main window calls aktivieren() each time it comes to the front.
class Maske : public QWidget
{
    Q_OBJECT
public:
    Maske(Hauptform &hauptform, const QString &name, const QString &titel, QWidget *parent = nullptr);

    Hauptform &hauptform() const { return m_hauptform; }
    virtual void aktivieren() {}
    // Side applications kept in files of their own show the main window's
    // panel of file buttons while they are in front.
    virtual bool zeigtZusatzpanel() const { return false; }

    // The tag of the control that has the focus (a tagged control or the
    // tagged control around it), empty when it has none.
    QString fokusTag() const;

protected:
    // Ctrl+Shift+F11 marks the focused field as changed, Ctrl+Shift+F12 as
    // unchanged.
    void feldMarkierungAnbieten();

    Hauptform &m_hauptform;
};

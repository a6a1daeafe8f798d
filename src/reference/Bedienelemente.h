#pragma once

#include <QString>

class QPushButton;
class QTextEdit;
class QWidget;

// Controls the reference screens share: buttons of control arrays and the
// read-only text box of a viewer.
class Bedienelemente
{
public:
    // A button with objectName, caption and tool tip; index >= 0 sets the
    // dynamic property "index" of a control-array element.
    static QPushButton *knopf(QWidget *parent, const QString &name, int index, const QString &text,
                              const QString &tipp = {});
    static QTextEdit *textfeld(QWidget *parent, const QString &name);
    // Shows a stored text: rich text as such, anything else as plain text.
    static void textSetzen(QTextEdit *feld, const QString &text);
    // The end button and Esc hide the viewer (its child window, when it has
    // one); it keeps its place for the next opening.
    static void endeUndEsc(QWidget *viewer, QPushButton *ende);
};

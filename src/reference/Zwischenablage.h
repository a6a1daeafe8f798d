#pragma once

class QTextEdit;

// The copy buttons of the reference viewers: the marked text, or the whole
// text when nothing is marked, as rich text (RTF) and as plain text.
class Zwischenablage
{
public:
    static void kopieren(const QTextEdit *text);
};

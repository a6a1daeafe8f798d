#pragma once

#include <QByteArray>
#include <QString>

// Rich text for the clipboard: a plain text as an RTF document, one
// paragraph per line, every character outside ASCII as a Unicode escape.
class Rtf
{
public:
    static QByteArray ausText(const QString &text);
};

#include "reference/Rtf.h"

QByteArray Rtf::ausText(const QString &text)
{
    QByteArray rtf("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\uc1\\f0\\fs20 ");
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // QTextEdit hands over paragraph ends as U+2029.
    t.replace(QChar(0x2029), u'\n');
    t.replace(QChar(0x2028), u'\n');
    for (const QChar c : t) {
        const ushort u = c.unicode();
        if (c == u'\n')
            rtf += "\\par\n";
        else if (c == u'\\' || c == u'{' || c == u'}')
            rtf += '\\' + QByteArray(1, char(u));
        else if (c == u'\t')
            rtf += "\\tab ";
        else if (u < 0x20)
            continue;
        else if (u < 0x80)
            rtf += char(u);
        else
            rtf += "\\u" + QByteArray::number(qint16(u)) + '?';
    }
    rtf += '}';
    return rtf;
}

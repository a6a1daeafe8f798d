#include "shell/RegistryFile.h"

#include "shell/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kHeader = QStringLiteral("Velmora-Einstellungen 1");

QString escaped(const QString &s)
{
    QString out;
    for (const QChar c : s) {
        if (c == u'\\' || c == u'"')
            out.append(u'\\');
        out.append(c);
    }
    return out;
}

// Reads a quoted, backslash-escaped text starting at pos (at the quote).
bool readQuoted(const QString &line, int &pos, QString *out)
{
    if (pos >= line.size() || line.at(pos) != u'"')
        return false;
    ++pos;
    QString s;
    while (pos < line.size()) {
        const QChar c = line.at(pos++);
        if (c == u'\\' && pos < line.size()) {
            s.append(line.at(pos++));
        } else if (c == u'"') {
            *out = s;
            return true;
        } else {
            s.append(c);
        }
    }
    return false;
}

QString hexBytes(const QByteArray &b)
{
    QStringList parts;
    for (const char c : b)
        parts.append(QStringLiteral("%1").arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0')));
    return parts.join(u',');
}

bool parseHex(const QString &text, QByteArray *out)
{
    QByteArray b;
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        *out = b;
        return true;
    }
    for (const QString &part : t.split(u',')) {
        bool ok = false;
        const uint v = part.trimmed().toUInt(&ok, 16);
        if (!ok || v > 0xFF)
            return false;
        b.append(static_cast<char>(v));
    }
    *out = b;
    return true;
}

bool printableText(const QByteArray &b)
{
    if (!TextFile::isValidUtf8(b))
        return false;
    for (const QChar c : QString::fromUtf8(b))
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return true;
}
} // namespace

RegistryFile RegistryFile::parse(const QString &text)
{
    RegistryFile f;
    Schluessel *current = nullptr;
    for (const QString &raw : TextFile::lines(text)) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line == kHeader)
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            current = &f.anlegen(line.mid(1, line.size() - 2));
            continue;
        }
        if (!current)
            continue;
        int pos = 0;
        QString name;
        if (line.startsWith(u'@')) {
            pos = 1;
        } else if (!readQuoted(line, pos, &name)) {
            continue;
        }
        if (pos >= line.size() || line.at(pos) != u'=')
            continue;
        ++pos;
        const QString rest = line.mid(pos);
        Wert w;
        w.name = name;
        if (rest.startsWith(u'"')) {
            int p = 0;
            QString value;
            if (!readQuoted(rest, p, &value))
                continue;
            w.typ = 1;
            w.bytes = value.toUtf8();
        } else if (rest.startsWith(QLatin1String("dword:"))) {
            bool ok = false;
            const quint32 v = rest.mid(6).trimmed().toUInt(&ok, 16);
            if (!ok)
                continue;
            w.typ = 4;
            for (int i = 0; i < 4; ++i)
                w.bytes.append(static_cast<char>((v >> (8 * i)) & 0xFF));
        } else if (rest.startsWith(QLatin1String("hex:"))) {
            w.typ = 3;
            if (!parseHex(rest.mid(4), &w.bytes))
                continue;
        } else if (rest.startsWith(QLatin1String("hex("))) {
            const int close = rest.indexOf(QLatin1String("):"));
            bool ok = false;
            const int typ = rest.mid(4, close - 4).toInt(&ok, 16);
            if (close < 0 || !ok || !parseHex(rest.mid(close + 2), &w.bytes))
                continue;
            w.typ = typ;
        } else {
            continue;
        }
        if (Wert *existing = wert(*current, name))
            *existing = w;
        else
            current->werte.append(w);
    }
    return f;
}

QString RegistryFile::serialize() const
{
    QString out = kHeader + QStringLiteral("\n; Einstellungen von Velmora. Die Datei darf mit einem Texteditor "
                                          "bearbeitet werden.\n");
    for (const Schluessel &s : schluesselListe) {
        out += QStringLiteral("\n[") + s.pfad + QStringLiteral("]\n");
        for (const Wert &w : s.werte) {
            out += u'"' + escaped(w.name) + QStringLiteral("\"=");
            if (w.typ == 4 && w.bytes.size() == 4) {
                quint32 v = 0;
                for (int i = 0; i < 4; ++i)
                    v |= quint32(static_cast<unsigned char>(w.bytes.at(i))) << (8 * i);
                out += QStringLiteral("dword:%1").arg(v, 8, 16, QLatin1Char('0'));
            } else if (w.typ == 1 && printableText(w.bytes)) {
                out += u'"' + escaped(QString::fromUtf8(w.bytes)) + u'"';
            } else if (w.typ == 3) {
                out += QStringLiteral("hex:") + hexBytes(w.bytes);
            } else {
                out += QStringLiteral("hex(%1):").arg(w.typ, 0, 16) + hexBytes(w.bytes);
            }
            out += u'\n';
        }
    }
    return out;
}

bool RegistryFile::load(const QString &path)
{
    QString text;
    if (!TextFile::read(path, &text))
        return false;
    *this = parse(text);
    return true;
}

bool RegistryFile::save(const QString &path, QString *error) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return TextFile::write(path, serialize(), TextFile::Encoding::Utf8, error);
}

RegistryFile::Schluessel *RegistryFile::schluessel(const QString &pfad)
{
    for (Schluessel &s : schluesselListe)
        if (s.pfad.compare(pfad, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

RegistryFile::Schluessel &RegistryFile::anlegen(const QString &pfad)
{
    if (Schluessel *s = schluessel(pfad))
        return *s;
    schluesselListe.append(Schluessel{pfad, {}});
    return schluesselListe.last();
}

RegistryFile::Wert *RegistryFile::wert(Schluessel &s, const QString &name)
{
    for (Wert &w : s.werte)
        if (w.name.compare(name, Qt::CaseInsensitive) == 0)
            return &w;
    return nullptr;
}

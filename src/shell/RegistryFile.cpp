#include "shell/RegistryFile.h"

#include "base/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kHeader = QStringLiteral("Velmora-Einstellungen 1");
const QString kHinweis = QStringLiteral("; Einstellungen von Velmora. Die Datei darf mit einem Texteditor "
                                        "bearbeitet werden.");

void ohneLeereEnden(QList<RegistryFile::Zeile> &zeilen)
{
    while (!zeilen.isEmpty() && !zeilen.last().istWert && zeilen.last().text.trimmed().isEmpty())
        zeilen.removeLast();
}

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
        if (line == kHeader || line == kHinweis)
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            if (current)
                ohneLeereEnden(current->zeilen);
            current = &f.anlegen(line.mid(1, line.size() - 2));
            continue;
        }
        auto behalten = [&] {
            QString zeile = raw;
            while (!zeile.isEmpty() && zeile.back().isSpace())
                zeile.chop(1);
            if (current)
                current->zeilen.append(Zeile{false, zeile});
            else if (!zeile.isEmpty() || !f.kopf.isEmpty())
                f.kopf.append(zeile);
        };
        if (!current || line.isEmpty() || line.startsWith(u';')) {
            behalten();
            continue;
        }
        int pos = 0;
        QString name;
        if (line.startsWith(u'@')) {
            pos = 1;
        } else if (!readQuoted(line, pos, &name)) {
            behalten();
            continue;
        }
        if (pos >= line.size() || line.at(pos) != u'=') {
            behalten();
            continue;
        }
        ++pos;
        const QString rest = line.mid(pos);
        Wert w;
        w.name = name;
        bool gelesen = true;
        if (rest.startsWith(u'"')) {
            int p = 0;
            QString value;
            gelesen = readQuoted(rest, p, &value);
            w.typ = 1;
            w.bytes = value.toUtf8();
        } else if (rest.startsWith(QLatin1String("dword:"))) {
            const quint32 v = rest.mid(6).trimmed().toUInt(&gelesen, 16);
            w.typ = 4;
            for (int i = 0; i < 4; ++i)
                w.bytes.append(static_cast<char>((v >> (8 * i)) & 0xFF));
        } else if (rest.startsWith(QLatin1String("hex:"))) {
            w.typ = 3;
            gelesen = parseHex(rest.mid(4), &w.bytes);
        } else if (rest.startsWith(QLatin1String("hex("))) {
            const int close = rest.indexOf(QLatin1String("):"));
            bool ok = false;
            const int typ = rest.mid(4, close - 4).toInt(&ok, 16);
            gelesen = close >= 0 && ok && parseHex(rest.mid(close + 2), &w.bytes);
            w.typ = typ;
        } else {
            gelesen = false;
        }
        if (!gelesen) {
            behalten();
            continue;
        }
        if (Wert *existing = wert(*current, name)) {
            *existing = w;
        } else {
            current->werte.append(w);
            current->zeilen.append(Zeile{true, name});
        }
    }
    if (current)
        ohneLeereEnden(current->zeilen);
    while (!f.kopf.isEmpty() && f.kopf.last().trimmed().isEmpty())
        f.kopf.removeLast();
    return f;
}

namespace {
QString wertZeile(const RegistryFile::Wert &w)
{
    QString out = u'"' + escaped(w.name) + QStringLiteral("\"=");
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
    return out + u'\n';
}
} // namespace

QString RegistryFile::serialize() const
{
    QString out = kHeader + u'\n' + kHinweis + u'\n';
    for (const QString &z : kopf)
        out += z + u'\n';
    for (const Schluessel &s : schluesselListe) {
        out += QStringLiteral("\n[") + s.pfad + QStringLiteral("]\n");
        QList<bool> geschrieben(s.werte.size(), false);
        auto schreiben = [&](const QString &name) {
            for (int i = 0; i < s.werte.size(); ++i) {
                if (!geschrieben.at(i) && s.werte.at(i).name.compare(name, Qt::CaseInsensitive) == 0) {
                    geschrieben[i] = true;
                    out += wertZeile(s.werte.at(i));
                    return;
                }
            }
        };
        for (const Zeile &z : s.zeilen) {
            if (z.istWert)
                schreiben(z.text);
            else
                out += z.text + u'\n';
        }
        // Values set since the file was read come after the key's lines.
        for (int i = 0; i < s.werte.size(); ++i)
            if (!geschrieben.at(i))
                out += wertZeile(s.werte.at(i));
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

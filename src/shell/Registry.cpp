#include "shell/Registry.h"

#include "shell/RegistryFile.h"

#include <QStandardPaths>

namespace {
QString &dateiPfad()
{
    static QString path;
    return path;
}

QString hiveName(int hive)
{
    static const char *names[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE",
                                  "HKEY_USERS",        "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG",
                                  "HKEY_DYN_DATA"};
    if (hive < 0 || hive > 6)
        return {};
    return QString::fromLatin1(names[hive]);
}

QString vollerPfad(int hive, const QString &schluessel)
{
    const QString h = hiveName(hive);
    if (h.isEmpty())
        return {};
    QString s = schluessel;
    while (s.startsWith(u'\\'))
        s.remove(0, 1);
    while (s.endsWith(u'\\'))
        s.chop(1);
    return s.isEmpty() ? h : h + u'\\' + s;
}
} // namespace

void Registry::setDatei(const QString &path)
{
    dateiPfad() = path;
}

QString Registry::datei()
{
    if (dateiPfad().isEmpty())
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
               + QStringLiteral("/Velmora/velmora.reg");
    return dateiPfad();
}

QString Registry::Wert_lesen(int hive, const QString &schluessel, const QString &name)
{
    const auto roh = rohwert(hive, schluessel, name);
    if (!roh)
        return {};
    const auto &[typ, bytes] = *roh;
    switch (typ) {
    case Text: {
        const int nul = bytes.indexOf('\0');
        const QByteArray b = nul < 0 ? bytes : bytes.left(nul);
        return QString::fromUtf8(b);
    }
    case Bytes: {
        QString s;
        for (const char c : bytes)
            s.append(QChar(static_cast<unsigned char>(c)));
        return s;
    }
    case Zahl: {
        if (bytes.size() < 4)
            return {};
        quint32 v = 0;
        for (int i = 0; i < 4; ++i)
            v |= quint32(static_cast<unsigned char>(bytes.at(i))) << (8 * i);
        return QString::number(static_cast<qint32>(v));
    }
    default:
        return {};
    }
}

std::optional<std::pair<int, QByteArray>> Registry::rohwert(int hive, const QString &schluessel,
                                                           const QString &name)
{
    const QString pfad = vollerPfad(hive, schluessel);
    if (pfad.isEmpty())
        return std::nullopt;
    RegistryFile f;
    if (!f.load(datei()))
        return std::nullopt;
    RegistryFile::Schluessel *s = f.schluessel(pfad);
    if (!s)
        return std::nullopt;
    const RegistryFile::Wert *w = RegistryFile::wert(*s, name);
    if (!w)
        return std::nullopt;
    return std::make_pair(w->typ, w->bytes);
}

void Registry::Zahl_schreiben(int hive, const QString &schluessel, const QString &name, qint32 zahl)
{
    Schluessel_anlegen(hive, schluessel);
    QByteArray bytes;
    const auto v = static_cast<quint32>(zahl);
    for (int i = 0; i < 4; ++i)
        bytes.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    Wert_setzen(hive, schluessel, name, Zahl, bytes, 4);
}

void Registry::Wert_setzen(int hive, const QString &schluessel, const QString &name, int typ,
                           const QByteArray &bytes, int laenge)
{
    const QString pfad = vollerPfad(hive, schluessel);
    if (pfad.isEmpty())
        return;
    RegistryFile f;
    f.load(datei());
    RegistryFile::Schluessel *s = f.schluessel(pfad);
    if (!s)
        return;
    RegistryFile::Wert w{name, typ, bytes.left(qMax(0, laenge))};
    if (RegistryFile::Wert *existing = RegistryFile::wert(*s, name))
        *existing = w;
    else
        s->werte.append(w);
    f.save(datei());
}

void Registry::Schluessel_anlegen(int hive, const QString &schluessel)
{
    const QString h = hiveName(hive);
    if (h.isEmpty())
        return;
    RegistryFile f;
    f.load(datei());
    QString rest = schluessel;
    QString pfad = h;
    bool changed = false;
    while (!rest.isEmpty()) {
        const QString teil = Teil_abtrennen(rest, QStringLiteral("\\"));
        if (teil.isEmpty())
            continue;
        pfad += u'\\' + teil;
        if (!f.schluessel(pfad)) {
            f.anlegen(pfad);
            changed = true;
        }
    }
    if (changed)
        f.save(datei());
}

QString Registry::Teil_abtrennen(QString &text, const QString &trenner)
{
    const int pos = trenner.isEmpty() ? -1 : text.indexOf(trenner);
    if (pos < 0) {
        const QString all = text;
        text.clear();
        return all;
    }
    const QString teil = text.left(pos);
    text.remove(0, pos + trenner.size());
    return teil;
}

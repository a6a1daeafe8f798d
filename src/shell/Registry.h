#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The settings store. Keeps registry-style keys and typed values in a text
// file ("velmora.reg" in $XDG_CONFIG_HOME/Velmora/) that a person can read
// and edit. Values keep their type: text (1), raw bytes (3), 32-bit number (4).
// It knows nothing of what the settings mean.
class Registry
{
public:
    enum Typ { Text = 1, Bytes = 3, Zahl = 4 };
    static constexpr int HKEY_LOCAL_MACHINE = 2;

    // The file used; defaults to the per-user configuration directory.
    static void setDatei(const QString &path);
    static QString datei();

    // The value as text: a text up to its first NUL, raw bytes one character
    // per byte, a number in decimal. Empty when the key or value is missing,
    // has another type, or the file cannot be read.
    static QString Wert_lesen(int hive, const QString &schluessel, const QString &name);
    // Creates the key path if needed and stores the number as four bytes,
    // least significant first (type 4).
    static void Zahl_schreiben(int hive, const QString &schluessel, const QString &name, qint32 zahl);
    // Stores the first `laenge` bytes under the name with the given type;
    // does nothing when the key does not exist.
    static void Wert_setzen(int hive, const QString &schluessel, const QString &name, int typ,
                            const QByteArray &bytes, int laenge);
    // Creates every level of the path that does not exist yet.
    static void Schluessel_anlegen(int hive, const QString &schluessel);
    // Returns the part of text before the first separator and removes it
    // (with the separator) from text; without a separator returns all of it.
    static QString Teil_abtrennen(QString &text, const QString &trenner);

    // The stored type and bytes of a value, for tests and diagnostics.
    static std::optional<std::pair<int, QByteArray>> rohwert(int hive, const QString &schluessel,
                                                             const QString &name);
};

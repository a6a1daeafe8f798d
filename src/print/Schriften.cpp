#include "print/Schriften.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <vector>
#include <memory>

namespace {
struct Zustand
{
    bool versucht = false;
    QString familie;
};

Zustand &zustand()
{
    static Zustand z;
    return z;
}
} // namespace

bool Schriften::einrichten()
{
    Zustand &z = zustand();
    if (z.versucht)
        return !z.familie.isEmpty();
    if (!QGuiApplication::instance())
        return false;
    z.versucht = true;
    const QStringList verzeichnisse = {QStringLiteral("/usr/share/fonts/truetype/liberation2/"),
                                       QStringLiteral("/usr/share/fonts/truetype/liberation/"),
                                       QStringLiteral("/usr/share/fonts/liberation-sans/"),
                                       QStringLiteral("/usr/share/fonts/TTF/")};
    const QStringList dateien = {QStringLiteral("LiberationSans-Regular.ttf"), QStringLiteral("LiberationSans-Bold.ttf"),
                                 QStringLiteral("LiberationSans-Italic.ttf"),
                                 QStringLiteral("LiberationSans-BoldItalic.ttf")};
    for (const QString &verzeichnis : verzeichnisse) {
        if (!QFile::exists(verzeichnis + dateien.first()))
            continue;
        for (const QString &datei : dateien) {
            const int id = QFontDatabase::addApplicationFont(verzeichnis + datei);
            if (id < 0)
                continue;
            const QStringList familien = QFontDatabase::applicationFontFamilies(id);
            if (z.familie.isEmpty() && !familien.isEmpty())
                z.familie = familien.first();
        }
        if (!z.familie.isEmpty())
            break;
    }
    if (z.familie.isEmpty())
        return false;
    QFont::insertSubstitution(QStringLiteral("Arial"), z.familie);
    return true;
}

QString Schriften::familie(const QString &fontName)
{
    if (fontName.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0 && einrichten())
        return zustand().familie;
    return fontName;
}

QFont Schriften::schrift(const QString &fontName, double punkte, bool fett)
{
    QFont f(familie(fontName));
    f.setPointSizeF(punkte);
    f.setBold(fett);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

QFont Schriften::twipsSchrift(const QString &fontName, double punkte, bool fett)
{
    QFont f = schrift(fontName, punkte, fett);
    f.setPixelSize(std::max(1, qRound(punkte * 20)));
    return f;
}

const Schriften::Twips &Schriften::twips(const QString &fontName, double punkte, bool fett)
{
    // A page uses a handful of fonts: a short list beats hashing a key.
    struct Eintrag
    {
        QString name;
        double punkte;
        bool fett;
        std::unique_ptr<Twips> twips;
    };
    static std::vector<Eintrag> vorrat;
    for (const Eintrag &e : vorrat)
        if (e.punkte == punkte && e.fett == fett && e.name == fontName)
            return *e.twips;
    if (vorrat.size() >= 256)
        vorrat.clear();
    const QFont f = twipsSchrift(fontName, punkte, fett);
    vorrat.push_back(Eintrag{fontName, punkte, fett, std::make_unique<Twips>(Twips{f, QFontMetricsF(f)})});
    return *vorrat.back().twips;
}

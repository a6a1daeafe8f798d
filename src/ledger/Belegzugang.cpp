#include "ledger/Belegzugang.h"

#include "base/Modulpfad.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLibrary>

namespace Belegzugang {

bool istBelegdatei(const QString &datei)
{
    static const QStringList endungen = {QStringLiteral("pdf"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                         QStringLiteral("png"), QStringLiteral("tif"), QStringLiteral("tiff")};
    return endungen.contains(QFileInfo(datei).suffix().toLower());
}

namespace {
using Leser = bool (*)(const QString &, const Optionen &, receipts::Beleg *, QString *);
using Seiten = QList<QImage> (*)(const QString &, int, QString *);

struct Modul
{
    Leser lesen = nullptr;
    Seiten seiten = nullptr;
    QString fehler;
};

// The reader (poppler, Tesseract, zxing) is a module of its own, loaded
// when the first invoice is read or shown and kept for the program's life.
const Modul &modul()
{
    static const Modul geladen = [] {
        Modul m;
#ifdef VELMORA_BELEGLESER
        QLibrary bibliothek(modulpfad());
        m.lesen = reinterpret_cast<Leser>(bibliothek.resolve("velmora_beleg_lesen"));
        m.seiten = reinterpret_cast<Seiten>(bibliothek.resolve("velmora_beleg_seiten"));
        if (!m.lesen || !m.seiten) {
            m.lesen = nullptr;
            m.seiten = nullptr;
            m.fehler = QStringLiteral("Der Rechnungsleser lässt sich nicht laden: %1").arg(bibliothek.errorString());
            qWarning("Velmora: %s", qUtf8Printable(m.fehler));
        }
#else
        m.fehler = QStringLiteral("Das Lesen von Rechnungen ist in dieser Ausgabe nicht enthalten.");
#endif
        return m;
    }();
    return geladen;
}

// Without the reader pictures are still shown, PDF files are not.
QList<QImage> bilderLesen(const QString &datei, QString *fehler)
{
    QImageReader leser(datei);
    leser.setAutoTransform(true);
    QList<QImage> out;
    do {
        QImage bild = leser.read();
        if (bild.isNull())
            break;
        out.append(bild);
    } while (leser.jumpToNextImage());
    if (out.isEmpty() && fehler)
        *fehler = leser.errorString();
    return out;
}
} // namespace

QString modulpfad()
{
    return ::modulpfad(QStringLiteral("velmora_leser"));
}

bool lesen(const QString &datei, const Optionen &optionen, receipts::Beleg *beleg, QString *fehler)
{
    if (const Modul &m = modul(); m.lesen)
        return m.lesen(datei, optionen, beleg, fehler);
    *beleg = receipts::Beleg();
    beleg->datei = datei;
    if (fehler)
        *fehler = modul().fehler;
    return false;
}

QList<QImage> seiten(const QString &datei, int dpi, QString *fehler)
{
    if (const Modul &m = modul(); m.seiten)
        return m.seiten(datei, dpi, fehler);
    return bilderLesen(datei, fehler);
}

} // namespace Belegzugang

#include "ledger/Belegzugang.h"

#include <QFileInfo>
#include <QImageReader>

#ifdef VELMORA_BELEGLESER
#include "receipts/Belegleser.h"
#include "receipts/Gebuehrenpruefung.h"

#include <QMutex>
#include <map>
#include <memory>
#endif

namespace Belegzugang {

bool istBelegdatei(const QString &datei)
{
    static const QStringList endungen = {QStringLiteral("pdf"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                         QStringLiteral("png"), QStringLiteral("tif"), QStringLiteral("tiff")};
    return endungen.contains(QFileInfo(datei).suffix().toLower());
}

#ifdef VELMORA_BELEGLESER
namespace {
// One loaded fee check per tarvik.mdb, shared by the reading threads (it
// is only read once loaded).
const receipts::Gebuehrenpruefung *pruefung(const QString &pfad)
{
    static QMutex schutz;
    static std::map<QString, std::unique_ptr<receipts::Gebuehrenpruefung>> geladen;
    if (pfad.isEmpty() || !QFileInfo(pfad).isFile())
        return nullptr;
    QMutexLocker sperre(&schutz);
    auto &p = geladen[pfad];
    if (!p) {
        auto neu = std::make_unique<receipts::Gebuehrenpruefung>();
        QString fehler;
        if (!neu->laden(pfad, &fehler))
            return nullptr;
        p = std::move(neu);
    }
    return p.get();
}
} // namespace

bool lesen(const QString &datei, const Optionen &optionen, receipts::Beleg *beleg, QString *fehler)
{
    receipts::Belegleser::Optionen o;
    o.abbrechen = optionen.abbrechen;
    o.fortschritt = optionen.fortschritt;
    o.pruefung = pruefung(optionen.tarvikPfad);
    return receipts::Belegleser::lesen(datei, o, beleg, fehler);
}

QList<QImage> seiten(const QString &datei, int dpi, QString *fehler)
{
    return receipts::Belegleser::seiten(datei, dpi, fehler);
}
#else
// Without the reader: pictures are shown, nothing is read.
bool lesen(const QString &datei, const Optionen &, receipts::Beleg *beleg, QString *fehler)
{
    *beleg = receipts::Beleg();
    beleg->datei = datei;
    if (fehler)
        *fehler = QStringLiteral("Das Lesen von Rechnungen ist in dieser Ausgabe nicht enthalten.");
    return false;
}

QList<QImage> seiten(const QString &datei, int, QString *fehler)
{
    QImageReader leser(datei);
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
#endif

} // namespace Belegzugang

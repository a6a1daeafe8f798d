// The invoice-reader module: poppler, Tesseract and zxing behind the
// ledger's door to them. The program loads it when the first invoice is
// read or shown, so that none of these libraries slows its start.
#include "ledger/Belegzugang.h"
#include "receipts/Belegleser.h"
#include "receipts/Gebuehrenpruefung.h"

#include <QFileInfo>
#include <QMutex>
#include <map>
#include <memory>

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

extern "C" Q_DECL_EXPORT bool velmora_beleg_lesen(const QString &datei, const Belegzugang::Optionen &optionen,
                                                  receipts::Beleg *beleg, QString *fehler)
{
    receipts::Belegleser::Optionen o;
    o.abbrechen = optionen.abbrechen;
    o.fortschritt = optionen.fortschritt;
    o.pruefung = pruefung(optionen.tarvikPfad);
    return receipts::Belegleser::lesen(datei, o, beleg, fehler);
}

extern "C" Q_DECL_EXPORT QList<QImage> velmora_beleg_seiten(const QString &datei, int dpi, QString *fehler)
{
    return receipts::Belegleser::seiten(datei, dpi, fehler);
}

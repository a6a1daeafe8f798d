// velmora-beleg: reads invoices (PDF, scans, photos) and checks their fees.
#include "base/Kommandozeile.h"
#include "receipts/beleg/Belegkommando.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    kommandozeileVorbereiten();
    // The pages are shared out among threads; the engine should not spread
    // each page over all cores as well.
    if (qEnvironmentVariableIsEmpty("OMP_THREAD_LIMIT"))
        qputenv("OMP_THREAD_LIMIT", "1");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Velmora"));
    QByteArray ausgabe, meldung;
    const int code = Belegkommando::ausfuehren(QGuiApplication::arguments().mid(1), &ausgabe, &meldung);
    std::fwrite(ausgabe.constData(), 1, size_t(ausgabe.size()), stdout);
    std::fwrite(meldung.constData(), 1, size_t(meldung.size()), stderr);
    return code;
}

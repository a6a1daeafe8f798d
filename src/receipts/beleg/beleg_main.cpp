// velmora-beleg: reads invoices (PDF, scans, photos) and checks their fees.
#include "receipts/beleg/Belegkommando.h"

#include <QGuiApplication>
#include <cstdio>

namespace {
// Scripts read stderr: only the program's own messages and Qt's serious
// ones go there.
void meldungFiltern(QtMsgType typ, const QMessageLogContext &, const QString &text)
{
    if (typ == QtCriticalMsg || typ == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("VELMORA_QT_MELDUNGEN"))
        qInstallMessageHandler(meldungFiltern);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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

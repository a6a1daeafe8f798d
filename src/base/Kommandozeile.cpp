#include "base/Kommandozeile.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace {
void meldungFiltern(QtMsgType typ, const QMessageLogContext &, const QString &text)
{
    if (typ == QtCriticalMsg || typ == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}
} // namespace

void kommandozeileVorbereiten()
{
    if (qEnvironmentVariableIsEmpty("VELMORA_QT_MELDUNGEN"))
        qInstallMessageHandler(meldungFiltern);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

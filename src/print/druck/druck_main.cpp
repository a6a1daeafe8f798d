// velmora-druck: prints a page of the application into a PDF or PNG file.
#include "app/QtUebersetzung.h"
#include "print/Schriften.h"
#include "print/druck/Druckkommando.h"

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
    // No display needed: draw offscreen unless a platform is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Velmora"));
    QtUebersetzung::laden(&app);
    Schriften::einrichten();
    QString meldung;
    const int code = Druckkommando::ausfuehren(QGuiApplication::arguments().mid(1), &meldung);
    if (!meldung.isEmpty())
        std::fputs(meldung.toLocal8Bit().constData(), code == 0 ? stdout : stderr);
    return code;
}

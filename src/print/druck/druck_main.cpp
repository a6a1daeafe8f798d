// velmora-druck: prints a page of the application into a PDF or PNG file.
#include "base/Kommandozeile.h"
#include "app/QtUebersetzung.h"
#include "print/Schriften.h"
#include "print/druck/Druckkommando.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    kommandozeileVorbereiten();
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

// velmora-druck: prints a page of the application into a PDF or PNG file.
#include "base/Kommandozeile.h"
#include "app/QtUebersetzung.h"
#include "print/Schriften.h"
#include "print/druck/Druckkommando.h"
#ifdef VELMORA_BELEGLESER
#include "receipts/Belegleser.h"
#endif

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
    Einreichungspaket::Bildquelle bilder;
#ifdef VELMORA_BELEGLESER
    bilder = &receipts::Belegleser::seiten;
#endif
    const int code = Druckkommando::ausfuehren(QGuiApplication::arguments().mid(1), &meldung, bilder);
    if (!meldung.isEmpty())
        std::fputs(meldung.toLocal8Bit().constData(), code == 0 ? stdout : stderr);
    return code;
}

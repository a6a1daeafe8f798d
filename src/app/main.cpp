#include "app/MaskenAnmeldung.h"
#include "app/QtUebersetzung.h"
#include "shell/Hauptform.h"
#include "shell/Programmstil.h"
#include "shell/Programmsymbol.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Wraps the style Qt chose (platform, -style or QT_STYLE_OVERRIDE).
    QApplication::setStyle(new Programmstil(QApplication::style()));
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    // The desktop entry the window belongs to (icon, name in task bars).
    QGuiApplication::setDesktopFileName(QStringLiteral("de.velmora.Velmora"));
    // Every window, the screens inside the main window included, carries the program's symbol.
    QApplication::setWindowIcon(Programmsymbol::icon());
    QtUebersetzung::laden(&app);
    // The command line is one string, compared exactly.
    const QStringList args = QApplication::arguments().mid(1);
    Hauptform hauptform(velmoraMaskenAnmelden);
    // exit(), not quit(): quit() would ask the main window to close, which
    // runs the exit prompt again.
    QObject::connect(&hauptform, &Hauptform::programmEnde, &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    hauptform.show();
    hauptform.starten(args.join(u' '));
    if (hauptform.istBeendet())
        return 0;
    // For start-up measurements: end as soon as the window is idle.
    if (qEnvironmentVariableIsSet("VELMORA_ENDE_NACH_START"))
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}

#include "shell/Hauptform.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    // The command line is one string, compared exactly.
    const QStringList args = QApplication::arguments().mid(1);
    Hauptform hauptform;
    QObject::connect(&hauptform, &Hauptform::programmEnde, &app, &QApplication::quit, Qt::QueuedConnection);
    hauptform.show();
    hauptform.starten(args.join(u' '));
    if (hauptform.istBeendet())
        return 0;
    return QApplication::exec();
}

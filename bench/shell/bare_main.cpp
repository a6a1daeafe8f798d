// The yardstick for start-up: a bare main window with an MDI area, started
// and ended the same way as Velmora.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setCentralWidget(new QMdiArea(&w));
    w.resize(1100, 760);
    w.show();
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}

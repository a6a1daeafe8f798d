// The yardstick for start-up: a bare Qt Widgets program with a menu, a combo
// box and a column of labelled buttons, started and ended the same way as
// Velmora (offscreen, ended as soon as its window is idle).
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow w;
    QMenu *menu = w.menuBar()->addMenu(QStringLiteral("&Programm"));
    for (const char *eintrag : {"Daten speichern", "Antrag drucken", "Beenden"})
        menu->addAction(QString::fromLatin1(eintrag));
    auto *zentral = new QWidget(&w);
    auto *spalte = new QVBoxLayout(zentral);
    spalte->addWidget(new QLabel(QStringLiteral("Beihilfestelle"), zentral));
    auto *combo = new QComboBox(zentral);
    combo->addItems({QStringLiteral("Standardantrag"), QStringLiteral("LBV"), QStringLiteral("Bezirksregierung")});
    spalte->addWidget(combo);
    for (int i = 1; i <= 10; ++i) {
        spalte->addWidget(new QLabel(QStringLiteral("Maske %1").arg(i), zentral));
        spalte->addWidget(new QPushButton(QStringLiteral("Öffnen %1").arg(i), zentral));
    }
    spalte->addStretch(1);
    w.setCentralWidget(zentral);
    w.resize(1100, 760);
    w.show();
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}

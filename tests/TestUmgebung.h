#pragma once

#include <QSize>
#include <QString>
#include <QTest>

#include <memory>

class Hauptform;
class QWidget;

// Every test process works in a temporary home of its own: HOME and the XDG
// directories point there, the settings file lives there, and message boxes
// and file dialogs never block.
class TestUmgebung
{
public:
    static void einrichten();
    static QString basis();
    // A new, empty directory below the temporary home.
    static QString neuesVerzeichnis(const QString &name);
    // A file under tests/data.
    static QString testdaten(const QString &relativ);
    // Where the build put the shipped databases (ends in "/").
    static QString mitgeliefert();
    // A program directory with copies of the shipped databases (ends in "/").
    static QString programmverzeichnis(const QString &name);
    // Points the setting "Pfad" at a directory (trailing "/" optional).
    static void setzeProgrammpfad(const QString &verzeichnis);
    // Saves a picture of the widget when VELMORA_BILDER names a folder
    // (for looking at screens; GUI tests only).
    static void bild(QWidget *w, const QString &name);
    // With VELMORA_BILDER set: a guide's picture, <= 800 px wide, into VELMORA_HILFEBILDER.
    static void hilfebild(QWidget *w, const QString &name);
    // GUI tests: a main window with every screen registered, as the program
    // builds it, not yet started.
    static std::unique_ptr<Hauptform> hauptform();
    // GUI tests: a main window on the program directory (setting "Pfad"),
    // at the given size if any, shown and started.
    static std::unique_ptr<Hauptform> hauptfenster(const QString &programmverzeichnis, QSize groesse = {});
};

#define VELMORA_TEST_MAIN(Klasse)                                                                                   \
    int main(int argc, char **argv)                                                                                 \
    {                                                                                                               \
        TestUmgebung::einrichten();                                                                                 \
        QApplication app(argc, argv);                                                                               \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                    \
        Klasse tc;                                                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                  \
        return QTest::qExec(&tc, argc, argv);                                                                       \
    }

#define VELMORA_TEST_MAIN_CORE(Klasse)                                                                              \
    int main(int argc, char **argv)                                                                                 \
    {                                                                                                               \
        TestUmgebung::einrichten();                                                                                 \
        QGuiApplication app(argc, argv);                                                                            \
        Klasse tc;                                                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                  \
        return QTest::qExec(&tc, argc, argv);                                                                       \
    }

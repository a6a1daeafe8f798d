// What an installed program needs beyond its windows: Qt's German standard
// dialogs and the upgrade of the shipped read-only databases.
#include "TestUmgebung.h"

#include "app/QtUebersetzung.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

class TestInstallation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void endeFrageKnoepfe_data();
    void endeFrageKnoepfe();
};

void TestInstallation::endeFrageKnoepfe_data()
{
    QTest::addColumn<QString>("verzeichnis");
    QTest::addColumn<QStringList>("knoepfe");
    QTest::newRow("deutsch") << QString() << QStringList{QStringLiteral("Ja"), QStringLiteral("Nein"),
                                                          QStringLiteral("Abbrechen")};
    // A machine without Qt's translations: the program still asks, in Qt's English.
    QTest::newRow("ohne Übersetzungen") << TestUmgebung::neuesVerzeichnis(QStringLiteral("leer"))
                                        << QStringList{QStringLiteral("Yes"), QStringLiteral("No"),
                                                       QStringLiteral("Cancel")};
}

// The exit prompt is shown for real and its buttons are read while it is up.
void TestInstallation::endeFrageKnoepfe()
{
    QFETCH(QString, verzeichnis);
    QFETCH(QStringList, knoepfe);
    QTranslator *uebersetzer = QtUebersetzung::laden(qApp, verzeichnis);
    QCOMPARE(uebersetzer != nullptr, verzeichnis.isEmpty());

    Hauptform h;
    h.show();
    QStringList gelesen;
    bool gesehen = false;
    QTimer suche;
    suche.setInterval(20);
    connect(&suche, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        suche.stop();
        gesehen = true;
        for (QMessageBox::StandardButton b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
            QAbstractButton *knopf = box->button(b);
            gelesen << (knopf ? knopf->text().remove(u'&') : QString());
        }
        box->button(QMessageBox::Cancel)->click();
    });
    suche.start();
    QTimer::singleShot(5000, qApp, [&] {
        // Never hang the suite: close whatever is still open.
        if (QWidget *w = QApplication::activeModalWidget())
            w->close();
    });
    Dialoge::setTestbetrieb(false);
    const bool beendet = h.Ende_Knopf_Click();
    Dialoge::setTestbetrieb(true);
    if (uebersetzer)
        QCoreApplication::removeTranslator(uebersetzer);
    delete uebersetzer;

    QVERIFY(gesehen);
    QCOMPARE(gelesen, knoepfe);
    QVERIFY(!beendet);
}

VELMORA_TEST_MAIN(TestInstallation)
#include "TestInstallation.moc"

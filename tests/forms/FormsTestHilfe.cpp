#include "FormsTestHilfe.h"

#include "TestUmgebung.h"
#include "fields/FeldControls.h"
#include "shell/Hauptform.h"
#include "shell/Registry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

namespace testhilfe {

QString verzeichnis(const QString &formularart, const QStringList &zeilen)
{
    const QString dir = TestUmgebung::programmverzeichnis(QStringLiteral("p"));
    QFile f(dir + QStringLiteral("beihilfe.txt"));
    if (f.open(QIODevice::WriteOnly)) {
        QString text = formularart + QStringLiteral("\r\n");
        for (const QString &z : zeilen)
            text += z + QStringLiteral("\r\n");
        text += QStringLiteral("---Ende---\r\n");
        f.write(text.toUtf8());
    }
    return dir;
}

std::unique_ptr<Hauptform> starten(const QString &dir)
{
    auto h = TestUmgebung::hauptfenster(dir, {1280, 800});
    QApplication::setActiveWindow(h.get());
    if (!QTest::qWaitForWindowActive(h.get()))
        qWarning("main window not active");
    return h;
}

QStringList felddatei(const QString &dir)
{
    QFile f(dir + QStringLiteral("beihilfe.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList zeilen = text.split(u'\n');
    if (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();
    return zeilen;
}

void fokus(QWidget *nach)
{
    nach->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

int ausfuellen(QWidget *maske)
{
    int n = 0;
    for (QWidget *w : FeldControls::tagged(maske)) {
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            QString v = QStringLiteral("Wä%1").arg(n);
            if (e->maxLength() < v.size())
                v = QString::number(n % 1000).right(e->maxLength());
            e->setText(v);
            ++n;
        } else if (auto *c = qobject_cast<QCheckBox *>(w)) {
            c->setChecked(true);
            ++n;
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            c->setCurrentIndex(c->count() - 1);
            ++n;
        }
    }
    return n;
}

QMap<QString, QString> werte(const QWidget *maske)
{
    QMap<QString, QString> m;
    for (QWidget *w : FeldControls::tagged(maske))
        m.insert(FeldControls::tag(w), FeldControls::wert(w));
    return m;
}

void bild(QWidget *w, const QString &name)
{
    TestUmgebung::bild(w, name);
}

} // namespace testhilfe

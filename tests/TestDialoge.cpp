// Linked into GUI tests: message boxes and dialogs answer without blocking.
#include "TestUmgebung.h"
#include "shell/Dialoge.h"

#include <QDir>
#include <QWidget>

void velmoraTestDialogeEinrichten()
{
    Dialoge::setTestbetrieb(true);
}

void TestUmgebung::bild(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("VELMORA_BILDER");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w->grab().save(dir + u'/' + name + QStringLiteral(".png"));
}

// Linked into GUI tests: message boxes and dialogs answer without blocking.
#include "TestUmgebung.h"
#include "app/MaskenAnmeldung.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QDir>
#include <QImage>
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

void TestUmgebung::hilfebild(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("VELMORA_HILFEBILDER");
    if (qEnvironmentVariableIsEmpty("VELMORA_BILDER") || dir.isEmpty())
        return;
    QImage b = w->grab().toImage().scaledToWidth(std::min(800, w->width()), Qt::SmoothTransformation);
    b.convertTo(QImage::Format_Indexed8, Qt::ThresholdDither);
    b.save(dir + u'/' + name + QStringLiteral(".png"));
}

std::unique_ptr<Hauptform> TestUmgebung::hauptform()
{
    return std::make_unique<Hauptform>(velmoraMaskenAnmelden);
}

std::unique_ptr<Hauptform> TestUmgebung::hauptfenster(const QString &programmverzeichnis, QSize groesse)
{
    setzeProgrammpfad(programmverzeichnis);
    auto h = hauptform();
    if (groesse.isValid())
        h->resize(groesse);
    h->show();
    h->starten(QString());
    return h;
}

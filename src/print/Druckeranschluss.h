#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QPagedPaintDevice;

// The print system: the installed printers and one printer object that jobs
// paint on. It lives in a module of its own, loaded on first need, so that
// starting the program does not load Qt PrintSupport; the program itself
// only sees this interface and paints on a QPagedPaintDevice.
class Druckeranschluss
{
public:
    virtual ~Druckeranschluss() = default;

    // Names of the installed printers and of the default one.
    virtual QStringList druckernamen() const = 0;
    virtual QString standarddrucker() const = 0;

    // The printer object (high resolution), made on first call. It keeps
    // its settings, orientation included, from one job to the next.
    virtual QPagedPaintDevice *drucker() = 0;
    virtual QString druckername() const = 0;
    virtual void setDruckername(const QString &name) = 0;
    virtual void setAuftragsname(const QString &name) = 0;
    // The whole sheet is drawable, origin at its top-left corner.
    virtual void setGanzeSeite() = 0;
    // The print system refused the last job.
    virtual bool fehlgeschlagen() const = 0;

    // A new connection from the module; nullptr when the module cannot be
    // loaded, with the reason in *fehler.
    static std::unique_ptr<Druckeranschluss> neu(QString *fehler = nullptr);
    // Where the module is looked for.
    static QString modulpfad();
};

// The module's entry point; the caller owns the result.
extern "C" Druckeranschluss *velmora_druckeranschluss_neu();

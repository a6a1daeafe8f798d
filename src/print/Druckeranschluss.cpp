#include "print/Druckeranschluss.h"

#include "base/Modulpfad.h"

#include <QLibrary>
#include <QtGlobal>

namespace {
using Fabrik = Druckeranschluss *(*)();

struct Modul
{
    Fabrik fabrik = nullptr;
    QString fehler;
};

// Loaded once and kept for the program's life: the objects it made must
// not outlive their code.
const Modul &modul()
{
    static const Modul geladen = [] {
        Modul m;
        QLibrary bibliothek(Druckeranschluss::modulpfad());
        m.fabrik = reinterpret_cast<Fabrik>(bibliothek.resolve("velmora_druckeranschluss_neu"));
        if (!m.fabrik) {
            // Printing still works into PDF files; the console says why
            // no printer is offered.
            m.fehler = bibliothek.errorString();
            qWarning("Velmora: Drucksystem nicht geladen: %s", qUtf8Printable(m.fehler));
        }
        return m;
    }();
    return geladen;
}
} // namespace

QString Druckeranschluss::modulpfad()
{
    return ::modulpfad(QStringLiteral("velmora_drucker"));
}

std::unique_ptr<Druckeranschluss> Druckeranschluss::neu(QString *fehler)
{
    const Modul &m = modul();
    if (!m.fabrik) {
        if (fehler)
            *fehler = m.fehler;
        return nullptr;
    }
    return std::unique_ptr<Druckeranschluss>(m.fabrik());
}

#include "base/Modulpfad.h"

#include <QCoreApplication>
#include <QDir>

QString modulpfad(const QString &name)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/velmora/lib") + name
                           + QStringLiteral(".so"));
}

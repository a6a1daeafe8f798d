#include "app/QtUebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QTranslator *QtUebersetzung::laden(QCoreApplication *app, const QString &verzeichnis)
{
    const QString ort = verzeichnis.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : verzeichnis;
    auto *uebersetzer = new QTranslator(app);
    // qtbase only: the catalogue "qt" would also pull in the modules the
    // program does not use.
    if (!uebersetzer->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                           QStringLiteral("_"), ort)) {
        delete uebersetzer;
        return nullptr;
    }
    QCoreApplication::installTranslator(uebersetzer);
    return uebersetzer;
}

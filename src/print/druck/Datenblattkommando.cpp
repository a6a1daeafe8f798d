#include "print/druck/Datenblattkommando.h"

#include "fields/Felddatei.h"
#include "print/BildFlaeche.h"
#include "print/PdfFlaeche.h"
#include "print/druck/MehrseitenPdf.h"
#include "privatekv/Datenblatt.h"
#include "privatekv/Memodateien.h"
#include "privatekv/Versicherungsdaten.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

int Datenblattkommando::ausfuehren(const QString &datenverzeichnis, const QString &person, const QString &pdf,
                                   const QString &png, int dpi, QString *meldung)
{
    auto fehler = [meldung](int code, const QString &text) {
        if (meldung)
            *meldung = text;
        return code;
    };
    bool ok = false;
    const int n = person.trimmed().toInt(&ok);
    if (person.isEmpty())
        return fehler(2, QStringLiteral("Zu --seite datenblatt gehört --person N (0 bis 6).\n"));
    if (!ok || n < 0 || n >= Versicherungsdaten::Personen)
        return fehler(2, QStringLiteral("Die Person \"%1\" gibt es nicht: 0 Antragsteller, 1 Ehegatte, 2 bis 6 "
                                        "Kind 1 bis Kind 5.\n")
                             .arg(person));
    const QString felddatei = datenverzeichnis + Felddatei::Dateiname;
    Felddatei::Inhalt inhalt;
    if (!Felddatei::lesen(felddatei, &inhalt))
        return fehler(1, QStringLiteral("Die Felddatei %1 fehlt.\n").arg(QDir::toNativeSeparators(felddatei)));

    Datenblatt blatt(Versicherungsdaten::aus(inhalt.tabelle, n),
                     Memodateien::lesen(datenverzeichnis + Memodateien::dateiname(n)));
    const QString titel = QStringLiteral("Datenblatt ") + Versicherungsdaten::knopftext(n);
    if (!pdf.isEmpty()) {
        MehrseitenPdf datei(pdf, titel);
        do
            blatt.seiteZeichnen(datei);
        while (blatt.weiter());
        if (!datei.fertig())
            return fehler(1, datei.fehler() + u'\n');
        return fehler(0, QString());
    }
    QStringList dateien;
    do {
        const QFileInfo info(png);
        const int seite = blatt.gezeichneteSeiten() + 1;
        const QString name = seite == 1 ? png
                                        : info.path() + u'/' + info.completeBaseName() + u'-' + QString::number(seite)
                                              + QStringLiteral(".png");
        BildFlaeche bild(dpi, name, PdfFlaeche::Aufloesung);
        if (!blatt.seiteZeichnen(bild))
            return fehler(1, bild.fehler() + u'\n');
        dateien << QDir::toNativeSeparators(name);
    } while (blatt.weiter());
    return fehler(0, dateien.size() > 1 ? dateien.join(u'\n') + u'\n' : QString());
}

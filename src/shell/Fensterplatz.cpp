#include "shell/Fensterplatz.h"

#include <algorithm>

namespace Fensterplatz {

QRect einpassen(const QRect &fenster, const QMargins &rahmen, const QRect &verfuegbar)
{
    const int rahmenBreite = rahmen.left() + rahmen.right();
    const int rahmenHoehe = rahmen.top() + rahmen.bottom();
    const int breite = std::max(1, std::min(fenster.width(), verfuegbar.width() - rahmenBreite));
    const int hoehe = std::max(1, std::min(fenster.height(), verfuegbar.height() - rahmenHoehe));
    // The outer rectangle, pushed back inside from the right and bottom
    // first, so that a window larger than the area keeps its title bar.
    int links = fenster.x() - rahmen.left();
    int oben = fenster.y() - rahmen.top();
    links = std::max(verfuegbar.left(), std::min(links, verfuegbar.left() + verfuegbar.width() - breite - rahmenBreite));
    oben = std::max(verfuegbar.top(), std::min(oben, verfuegbar.top() + verfuegbar.height() - hoehe - rahmenHoehe));
    return QRect(links + rahmen.left(), oben + rahmen.top(), breite, hoehe);
}

QStringList zuletzt(const QStringList &bisher, const QString &neu, int hoechstens)
{
    QStringList liste{neu};
    for (const QString &s : bisher)
        if (!s.isEmpty() && s != neu)
            liste.append(s);
    return liste.mid(0, hoechstens);
}

} // namespace Fensterplatz

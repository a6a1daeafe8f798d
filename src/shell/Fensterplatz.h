#pragma once

#include <QMargins>
#include <QRect>
#include <QStringList>

// Placement rules of the main window, without widgets.
namespace Fensterplatz {

// The window's inner rectangle moved and, if need be, shrunk so that the
// window with its frame lies within the available area of the screen.
QRect einpassen(const QRect &fenster, const QMargins &rahmen, const QRect &verfuegbar);

// The list of the last opened entries with `neu` in front, each once, at
// most `hoechstens` long.
QStringList zuletzt(const QStringList &bisher, const QString &neu, int hoechstens);

} // namespace Fensterplatz

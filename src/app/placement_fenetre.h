#pragma once
// Where the main window starts on the screen.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace quillon {

// Where a window of outer size `fenetre` goes, centred on a screen of size
// `ecran` (the halves truncated toward zero).
QPoint position_centree(const QSize& ecran, const QSize& fenetre);
// Where it starts: centred on the screen within the available area; at the
// area's top-left when it does not fit there, so that its title bar and
// menus show.
QPoint position_depart(const QRect& ecran, const QRect& disponible, const QSize& fenetre);

} // namespace quillon

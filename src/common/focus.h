#pragma once
// The keyboard focus of the controls whose style draws none.
#include <QColor>

class QPainter;
class QWidget;

namespace quillon {

// Black or white, whichever stands out better from the colour.
QColor couleur_contrastee(const QColor& fond);

// A dotted frame one pixel inside the rectangle (x1, y1)-(x2, y2), ends
// excluded: the keyboard focus as the controls below draw it.
void cadre_focus(QPainter& p, int x1, int y1, int x2, int y2, const QColor& couleur);

// Shows the keyboard focus of a control whose style draws none (a scroll
// bar): a dotted frame one pixel inside its edge while it has the focus.
void montrer_focus(QWidget* controle);

} // namespace quillon

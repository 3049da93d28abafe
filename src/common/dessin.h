#pragma once
// Drawing on pictures with the raster rules that every figure of the
// program is measured in: a rectangle or an ellipse given by (x1, y1)-(x2, y2)
// covers the pixels x1..x2-1 and y1..y2-1, and a line from (x1, y1) to
// (x2, y2) stops one pixel short of its end point. Pens are one pixel wide.
#include <QBrush>
#include <QColor>
#include <QPen>

class QImage;
class QPainter;

namespace quillon::dessin {

// Rectangle: interior painted with the brush, border (the outermost pixels
// of the area) with the pen; either may be Qt::NoPen / Qt::NoBrush.
void rectangle(QPainter& p, int x1, int y1, int x2, int y2, const QPen& trait, const QBrush& fond);

// Ellipse inscribed in the same area.
void ellipse(QPainter& p, int x1, int y1, int x2, int y2, const QPen& trait, const QBrush& fond);

// Line of the pen's colour from (x1, y1) toward (x2, y2), end point excluded.
// A wider pen puts a square of that side on each pixel of the thin line,
// reaching one pixel more to the right and below than to the left and above.
void ligne(QPainter& p, int x1, int y1, int x2, int y2, const QColor& couleur, int epaisseur = 1);

// Border fill: from (x, y), every 4-connected pixel that is neither of the
// border colour nor already of the fill colour takes the fill colour.
// Nothing happens on a pixel of either colour or outside the picture.
void remplir(QImage& image, int x, int y, const QColor& bordure, const QColor& couleur);

} // namespace quillon::dessin

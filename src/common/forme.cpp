#include "forme.h"

#include "common/dessin.h"
#include "common/focus.h"

#include <QPainter>

#include <algorithm>

namespace quillon {

Forme::Forme(QWidget* parent) : QWidget(parent) {}

void Forme::setType(Type t)
{
    type_ = t;
    update();
}

void Forme::setPinceau(const QColor& c)
{
    pinceau_ = c;
    update();
}

void Forme::setTrait(const QColor& c)
{
    trait_ = c;
    update();
}

void Forme::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    int x1 = 0;
    int y1 = 0;
    int x2 = width();
    int y2 = height();
    if (type_ == Cercle) {
        // A circle fits the smaller side, centred.
        const int d = std::min(width(), height());
        x1 = (width() - d) / 2;
        y1 = (height() - d) / 2;
        x2 = x1 + d;
        y2 = y1 + d;
    }
    if (type_ == Rectangle)
        dessin::rectangle(p, x1, y1, x2, y2, QPen(trait_), QBrush(pinceau_));
    else
        dessin::ellipse(p, x1, y1, x2, y2, QPen(trait_), QBrush(pinceau_));
    if (hasFocus())
        cadre_focus(p, x1, y1, x2, y2, couleur_contrastee(pinceau_));
}

} // namespace quillon

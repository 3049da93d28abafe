#include "placement_fenetre.h"

#include <algorithm>

namespace quillon {

QPoint position_centree(const QSize& ecran, const QSize& fenetre)
{
    return QPoint((ecran.width() - fenetre.width()) / 2, (ecran.height() - fenetre.height()) / 2);
}

QPoint position_depart(const QRect& ecran, const QRect& disponible, const QSize& fenetre)
{
    if (fenetre.width() > disponible.width() || fenetre.height() > disponible.height())
        return disponible.topLeft();
    const QPoint p = ecran.topLeft() + position_centree(ecran.size(), fenetre);
    return {std::clamp(p.x(), disponible.left(), disponible.right() + 1 - fenetre.width()),
            std::clamp(p.y(), disponible.top(), disponible.bottom() + 1 - fenetre.height())};
}

} // namespace quillon

#include "polices.h"

#include <QWidget>
#include <cmath>

namespace quillon {

int pixels_de_points(double points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

void polices_en_pixels(QWidget* racine)
{
    if (racine == nullptr)
        return;
    if (racine->testAttribute(Qt::WA_SetFont)) {
        QFont f = racine->font();
        if ((f.resolveMask() & QFont::SizeResolved) && f.pointSizeF() > 0) {
            f.setPixelSize(pixels_de_points(f.pointSizeF()));
            racine->setFont(f);
        }
    }
    for (QObject* enfant : racine->children()) {
        if (auto* w = qobject_cast<QWidget*>(enfant))
            polices_en_pixels(w);
    }
}

} // namespace quillon

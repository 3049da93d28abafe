#include "visionneuse.h"

namespace quillon {

GeometrieImage geometrie_image(const QSize& image, const QMargins& cadre, int largeur_titre)
{
    GeometrieImage g;
    g.exterieur = QSize(image.width() + 15, image.height() + 40);
    g.client = QSize(g.exterieur.width() - cadre.left() - cadre.right(),
                     g.exterieur.height() - cadre.top() - cadre.bottom());
    g.titre = QPoint((g.client.width() - largeur_titre) / 2, g.client.height() - 25);
    return g;
}

} // namespace quillon

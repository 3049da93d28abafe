#include "pas_a_pas.h"

namespace quillon {

std::optional<EtapeLecture> PasAPas::bas_haut(int d, const QStringList& lignes, const QString& texte)
{
    if ((d < 0 && ligne_doc == -1) || lignes.isEmpty())
        return std::nullopt;
    EtapeLecture e;
    const int derniere = static_cast<int>(lignes.size()) - 1;
    if (ligne_doc != -1) {
        const QString ancienne = lignes.value(std::min(ligne_doc, derniere));
        e.couleur_rendue = ancienne.left(3).contains(QLatin1Char(')')) ? QColor(192, 192, 192) : QColor(Qt::white);
    }
    ligne_doc += d;
    if (ligne_doc < 0)
        ligne_doc = 0;
    if (ligne_doc > derniere)
        ligne_doc = derniere;
    const QString ligne = lignes[ligne_doc];
    e.debut = static_cast<int>(texte.indexOf(ligne, 0, Qt::CaseSensitive));
    e.longueur = static_cast<int>(ligne.size());
    return e;
}

} // namespace quillon

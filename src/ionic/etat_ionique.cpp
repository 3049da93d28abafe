#include "etat_ionique.h"

#include "common/nombres.h"

#include <cmath>

namespace quillon {

void EtatIonique::concentrations_depart()
{
    na_ext = 144;
    na_int = 8;
    k_ext = 6;
    k_int = 150;
}

void EtatIonique::calcul_pot_eq()
{
    if (k_ext == 0)
        k_ext = concentration_plancher;
    if (k_int == 0)
        k_int = concentration_plancher;
    e_k = facteur_nernst * std::log(k_int / k_ext);
    if (na_ext == 0)
        na_ext = concentration_plancher;
    if (na_int == 0)
        na_int = concentration_plancher;
    e_na = facteur_nernst * std::log(na_int / na_ext);
}

void EtatIonique::calcul_em()
{
    const int s = perm_k + perm_na;
    if (s != 0) {
        em_cible = (perm_na * e_na + perm_k * e_k) / s;
        em = em + (em_cible - em) * (s / 200.0);
    } else {
        em = 0;
        em_cible = 0;
    }
}

QSize EtatIonique::taille_image(double aire, double rapport)
{
    // Before the ratios are taken from the design, the pictures have no size.
    if (!(rapport > 0) || !(aire > 0))
        return QSize(0, 0);
    const long long hauteur = arrondi(std::sqrt(rapport * aire));
    const long long largeur = arrondi(static_cast<double>(hauteur) / rapport);
    return QSize(static_cast<int>(largeur), static_cast<int>(hauteur));
}

} // namespace quillon

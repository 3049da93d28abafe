#pragma once
// State of the ionic-equilibria page: concentrations (0 to 300),
// permeabilities (0 to 100), potentials in millivolts and the shape ratios
// of the ion pictures, with the Nernst and membrane-potential formulas.
// Everything is zero until the start-up sequence.
#include <QSize>

namespace quillon {

struct EtatIonique {
    // Nernst factor at 61 mV per tenfold ratio, with ln 10 taken as 2.3: -610 / 23.
    static constexpr double facteur_nernst = -26.521739130434783;
    // A concentration of exactly 0 is taken as this in the logarithm.
    static constexpr double concentration_plancher = 0.1;
    // Square pixels of an ion picture per unit of concentration.
    static constexpr double pixels_par_unite = 13;

    double k_int = 0;
    double k_ext = 0;
    double na_int = 0;
    double na_ext = 0;
    int perm_k = 0;
    int perm_na = 0;
    double e_k = 0;
    double e_na = 0;
    double em_cible = 0; // the potential the permeabilities call for
    double em = 0;       // the potential shown, moving toward em_cible
    // Height / width ratios of the ion pictures, taken from their design sizes.
    double rapport_k = 0;
    double rapport_na = 0;
    double rapport_an = 0;

    // Start-up concentrations, outside and inside, of Na+ and K+.
    void concentrations_depart();

    // Equilibrium potentials; a concentration of exactly 0 becomes 0.1 and stays so.
    void calcul_pot_eq();

    // One relaxation step of em toward the permeability-weighted mean of the
    // equilibrium potentials: the fraction (perm_k + perm_na) / 200 of the
    // distance; both permeabilities 0 put em and its target at 0.
    void calcul_em();

    // Size of a picture of area `aire` square pixels (13 per unit of
    // concentration) and of shape `rapport`: the height first, rounded, then
    // the width from the rounded height.
    static QSize taille_image(double aire, double rapport);
};

} // namespace quillon

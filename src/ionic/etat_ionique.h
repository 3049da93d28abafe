#pragma once
// State of the ionic-equilibria page: concentrations (0 to 300),
// permeabilities (0 to 100), potentials in millivolts and the shape ratios
// of the ion pictures. Everything is zero until the start-up sequence.

namespace quillon {

struct EtatIonique {
    double k_int = 0;
    double k_ext = 0;
    double na_int = 0;
    double na_ext = 0;
    int perm_k = 0;
    int perm_na = 0;
    double e_k = 0;
    double e_na = 0;
    double em = 0;
    // Height / width ratios of the ion pictures, taken from their design sizes.
    double rapport_k = 0;
    double rapport_na = 0;
    double rapport_an = 0;

    // Start-up concentrations, outside and inside, of Na+ and K+.
    void concentrations_depart()
    {
        na_ext = 144;
        na_int = 8;
        k_ext = 6;
        k_int = 150;
    }
};

} // namespace quillon

#pragma once
// The ionic-equilibria page as the start-up sequence leaves it, and a bar
// moved to a value as the pupil would.
#include "ionic/equilibres.h"

namespace quillon::essais {

inline EquilibresIoniques page_ionique_au_demarrage()
{
    EquilibresIoniques m;
    m.barre_changee(Barre::gk);
    m.barre_changee(Barre::gna);
    m.etat.rapport_k = 18.0 / 21;
    m.etat.rapport_na = 18.0 / 32;
    m.etat.rapport_an = 17.0 / 20;
    m.etat.concentrations_depart();
    m.calcul_images();
    return m;
}

inline void regler(EquilibresIoniques& m, Barre b, int valeur)
{
    m.changer_position(b, EquilibresIoniques::max_barre(b) - valeur);
}

} // namespace quillon::essais

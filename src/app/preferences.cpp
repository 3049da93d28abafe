#include "preferences.h"

#include "common/dossiers_utilisateur.h"

namespace quillon {

namespace {

const char* const cle_curseurs = "mesure/curseurs";
const char* const cle_vitesse = "animation/vitesse";

} // namespace

bool curseurs_mesure_retenus()
{
    return reglages_utilisateur().value(QLatin1String(cle_curseurs), false).toBool();
}

void retenir_curseurs_mesure(bool actifs)
{
    reglages_utilisateur().setValue(QLatin1String(cle_curseurs), actifs);
}

Vitesse vitesse_retenue()
{
    return vitesse_nommee(reglages_utilisateur().value(QLatin1String(cle_vitesse)).toString())
        .value_or(Vitesse::rapide);
}

void retenir_vitesse(Vitesse v)
{
    reglages_utilisateur().setValue(QLatin1String(cle_vitesse), nom_vitesse(v));
}

} // namespace quillon

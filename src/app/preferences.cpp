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

Enregistrement retenir_curseurs_mesure(bool actifs)
{
    return garder_reglage(QLatin1String(cle_curseurs), actifs);
}

Vitesse vitesse_retenue()
{
    return vitesse_nommee(reglages_utilisateur().value(QLatin1String(cle_vitesse)).toString())
        .value_or(Vitesse::rapide);
}

Enregistrement retenir_vitesse(Vitesse v)
{
    return garder_reglage(QLatin1String(cle_vitesse), nom_vitesse(v));
}

} // namespace quillon

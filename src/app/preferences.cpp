#include "preferences.h"

#include "common/dossiers_utilisateur.h"
#include "common/langue.h"

namespace quillon {

namespace {

const char* const cle_curseurs = "mesure/curseurs";
const char* const cle_vitesse = "animation/vitesse";
const char* const cle_langue = "affichage/langue";

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

QString langue_retenue(const QString& dossier_prog)
{
    return langue_de_depart(reglages_utilisateur().value(QLatin1String(cle_langue)), QLocale::system(),
                            langues_disponibles(dossier_prog));
}

Enregistrement retenir_langue(const QString& code)
{
    return garder_reglage(QLatin1String(cle_langue), code);
}

} // namespace quillon

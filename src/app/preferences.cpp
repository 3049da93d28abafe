#include "preferences.h"

#include "common/dossiers_utilisateur.h"
#include "common/langue.h"

namespace quillon {

bool curseurs_mesure_retenus()
{
    return lire_reglage(reglages::curseurs_mesure);
}

Enregistrement retenir_curseurs_mesure(bool actifs)
{
    return garder_reglage(reglages::curseurs_mesure, actifs);
}

Vitesse vitesse_retenue()
{
    const auto defaut = vitesse_nommee(QLatin1String(reglages::vitesse_animation.defaut));
    return vitesse_nommee(lire_reglage(reglages::vitesse_animation)).value_or(defaut.value_or(Vitesse::rapide));
}

Enregistrement retenir_vitesse(Vitesse v)
{
    return garder_reglage(reglages::vitesse_animation, nom_vitesse(v));
}

QString langue_retenue(const QString& dossier_prog)
{
    // The language the desktop speaks (Windows' display language; LANGUAGE,
    // LC_MESSAGES or LANG elsewhere), which may not be that of its number formats.
    const QLocale systeme = QLocale::system();
    const QStringList parlees = systeme.uiLanguages();
    return langue_de_depart(lire_reglage(reglages::langue), parlees.isEmpty() ? systeme : QLocale(parlees.constFirst()),
                            langues_disponibles(dossier_prog));
}

Enregistrement retenir_langue(const QString& code)
{
    return garder_reglage(reglages::langue, code);
}

} // namespace quillon

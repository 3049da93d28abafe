#pragma once
// The teacher's choices of tools kept in the user's settings from one run to
// the next: the measuring cursors (off unless chosen) and the animation's
// pace ("rapide" unless chosen).
#include "common/enregistrement.h"
#include "ionic/vitesse_animation.h"

#include <QString>

namespace quillon {

bool curseurs_mesure_retenus();
Enregistrement retenir_curseurs_mesure(bool actifs);

// An unknown or missing setting gives "rapide".
Vitesse vitesse_retenue();
Enregistrement retenir_vitesse(Vitesse v);

// The language of the texts (see common/langue.h): the one kept, else the
// system's when translated, else French.
QString langue_retenue(const QString& dossier_prog);
Enregistrement retenir_langue(const QString& code);

} // namespace quillon

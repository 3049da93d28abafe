#include "vitesse_animation.h"

namespace quillon {

QString nom_vitesse(Vitesse v)
{
    switch (v) {
    case Vitesse::lente: return QStringLiteral("lente");
    case Vitesse::moyenne: return QStringLiteral("moyenne");
    case Vitesse::rapide: return QStringLiteral("rapide");
    }
    return QString();
}

std::optional<Vitesse> vitesse_nommee(const QString& nom)
{
    for (Vitesse v : vitesses)
        if (nom == nom_vitesse(v))
            return v;
    return std::nullopt;
}

} // namespace quillon

#include "stimulation/ess0.h"

#include "workfiles/fichiers_travail.h"

#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cstddef>
#include <optional>

namespace quillon {

bool lec_fic_ess0(QTextStream& flux, PotentielEss0& pot)
{
    QString ligne;
    if (!ligne_travail(flux, ligne))
        return false;
    const std::optional<long long> compte = lire_compte_travail(ligne);
    if (!compte)
        return false;
    if (*compte <= 0)
        return true;
    const long long n = *compte;

    // Nothing is reserved from the count: a short text announcing a huge one
    // costs only its own lines, read one at a time.
    for (long long i = 0; i < 6 * n; ++i) {
        if (!ligne_travail(flux, ligne))
            return true;
    }
    const long long stockes = std::min<long long>(n, static_cast<long long>(pot.size()) - 1);
    for (long long k = 1; k <= stockes; ++k) {
        if (!ligne_travail(flux, ligne))
            return true;
        pot[static_cast<std::size_t>(k)] = lire_reel_travail(ligne);
    }
    return true;
}

bool lec_fic_ess0(const QString& chemin, PotentielEss0& pot)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return false;
    // Only ASCII matters in this file: Latin-1 reads it as Windows-1252 does.
    QTextStream flux(&fichier);
    flux.setEncoding(QStringConverter::Latin1);
    flux.setAutoDetectUnicode(false);
    return lec_fic_ess0(flux, pot);
}

} // namespace quillon

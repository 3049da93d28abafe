// Fuzz target for the readings of text the program takes from outside:
// whole numbers typed or read from files, the command line, the score format.
#include "app/dossier.h"
#include "common/nombres.h"

#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <limits>

namespace {

void verifier(bool condition)
{
    if (!condition)
        std::abort();
}

// The reading done the slow way, to compare with.
long long reference_entier(const QString& t)
{
    qsizetype i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t'))
        ++i;
    bool negatif = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negatif = t[i++] == '-';
    long long v = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        v = std::min<long long>(v * 10 + (t[i].unicode() - '0'), 1LL << 40);
        ++i;
    }
    v = negatif ? -v : v;
    return std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QString texte = QString::fromUtf8(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));

    verifier(quillon::lire_entier(texte) == reference_entier(texte));

    const QString dossier = quillon::dossier_depuis_ligne_commande(texte);
    verifier(dossier.endsWith('\\'));
    verifier(!dossier.contains('"'));
    for (QChar c : dossier)
        verifier(!(c >= 'A' && c <= 'Z'));

    if (taille >= sizeof(double)) {
        double x;
        std::memcpy(&x, donnees, sizeof x);
        const QString g = quillon::format_general(x, QStringLiteral("fr_FR"));
        // Fifteen digits of the largest doubles round beyond the range.
        if (std::isfinite(x) && std::abs(x) < 1e300) {
            QString lu = g;
            lu.replace(',', '.');
            bool ok = false;
            const double y = lu.toDouble(&ok);
            verifier(ok);
            verifier(x == 0 ? y == 0 : std::abs(y - x) <= std::abs(x) * 1e-14);
        }
    }
    return 0;
}

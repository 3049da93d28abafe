#include "questions.h"

#include "common/nombres.h"

#include <QStringList>

namespace quillon {

std::array<bool, 7> BitBtn19Click(const ReponsesEleve& r)
{
    const int lpr = lire_entier(r.fib_lpr);
    const int cpr = lire_entier(r.fib_cpr);
    const int vitesse = lire_entier(r.vit_influx);
    // The threshold is compared as text, character by character.
    const QString& seuil = r.Edit_seuil;
    return {
        r.pref_rel >= 19 && r.pref_rel <= 21,
        r.pref_abs >= 14 && r.pref_abs <= 16,
        460 < lpr && lpr < 530,
        620 < cpr && cpr < 710,
        35 <= vitesse && vitesse <= 45,
        r.combo_electrode == 1,
        !(seuil < QLatin1String("0.19")) && !(seuil > QLatin1String("0.21")),
    };
}

QStringList temps_refractaires()
{
    QStringList t;
    for (int i = 0; i <= 40; ++i)
        t << (i % 10 == 0 ? QString::number(i / 10) : QStringLiteral("%1.%2").arg(i / 10).arg(i % 10));
    return t;
}

} // namespace quillon

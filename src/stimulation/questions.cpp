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
    // Each refractory period and frequency has two accepted ranges: the
    // textbook values (2 and 1.5 ms, 500 and 667 Hz) and what the page's
    // model shows when measured with care (a full second response from
    // 3.33 ms, none up to 1.67 ms, hence 300 and 600 Hz).
    const auto entre = [](int v, int de, int a) { return de <= v && v <= a; };
    return {
        entre(r.pref_rel, 19, 21) || entre(r.pref_rel, 32, 33),
        entre(r.pref_abs, 14, 16) || entre(r.pref_abs, 17, 18),
        entre(lpr, 461, 529) || entre(lpr, 290, 320),
        entre(cpr, 621, 709) || entre(cpr, 540, 610),
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

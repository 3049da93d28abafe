#include "questions.h"

#include "common/nombres.h"

#include <QStringList>
#include <cmath>
#include <optional>

namespace quillon {

namespace {

// A whole-number answer is right when the number read the old way (its
// leading digits) is in range, or when the text is a number as a pupil
// writes it (decimal comma, blanks, its unit) whose whole part is.
template <typename Juge>
bool juger_entier(const QString& texte, const QString& unite, Juge dans_les_bornes)
{
    if (dans_les_bornes(lire_entier(texte)))
        return true;
    const std::optional<double> v = lire_reel_eleve(texte, unite);
    return v && std::abs(*v) < 1e9 && dans_les_bornes(static_cast<int>(std::trunc(*v)));
}

} // namespace

int item_refractaire(const QString& texte)
{
    const std::optional<double> v = lire_reel_eleve(texte, QStringLiteral("ms"));
    if (!v || !(*v >= 0 && *v <= 4))
        return -1;
    const double dixiemes = *v * 10;
    const double item = std::round(dixiemes);
    return std::abs(dixiemes - item) < 1e-6 ? static_cast<int>(item) : -1;
}

std::array<bool, 7> BitBtn19Click(const ReponsesEleve& r)
{
    // Each refractory period and frequency has two accepted ranges: the
    // textbook values (2 and 1.5 ms, 500 and 667 Hz) and what the page's
    // model shows when measured with care (a full second response from
    // 3.33 ms, none up to 1.67 ms, hence 300 and 600 Hz).
    const auto entre = [](int v, int de, int a) { return de <= v && v <= a; };
    const QString hz = QStringLiteral("Hz");
    // The threshold was compared as text, character by character; what that
    // accepted stays right, and so does any number from 0.19 to 0.21 V.
    const QString& seuil = r.Edit_seuil;
    const std::optional<double> volts = lire_reel_eleve(seuil, QStringLiteral("V"));
    const bool seuil_juste = (!(seuil < QLatin1String("0.19")) && !(seuil > QLatin1String("0.21")))
                             || (volts && 0.19 <= *volts && *volts <= 0.21);
    return {
        entre(r.pref_rel, 19, 21) || entre(r.pref_rel, 32, 33),
        entre(r.pref_abs, 14, 16) || entre(r.pref_abs, 17, 18),
        juger_entier(r.fib_lpr, hz, [&](int n) { return entre(n, 461, 529) || entre(n, 290, 320); }),
        juger_entier(r.fib_cpr, hz, [&](int n) { return entre(n, 621, 709) || entre(n, 540, 610); }),
        // The onset latency from the cathode (35 to 45 m/s) and the delay
        // between the two recording electrodes (the model's 48 m/s).
        juger_entier(r.vit_influx, QStringLiteral("m/s"), [&](int n) { return entre(n, 35, 45) || entre(n, 46, 50); }),
        r.combo_electrode == 1,
        seuil_juste,
    };
}

QStringList temps_refractaires()
{
    QStringList t;
    for (int i = 0; i <= 40; ++i)
        t << (i % 10 == 0 ? QString::number(i / 10) : QStringLiteral("%1.%2").arg(i / 10).arg(i % 10));
    return t;
}

void CorrectionFeuille::corriger(const Textes& textes, const std::array<bool, 7>& justes)
{
    jugees_ = textes;
    justes_ = justes;
}

EtatReponse CorrectionFeuille::etat(std::size_t question, const QString& texte) const
{
    if (!jugees_ || question >= justes_.size())
        return EtatReponse::non_corrigee;
    if ((*jugees_)[question].trimmed() != texte.trimmed())
        return EtatReponse::modifiee;
    return justes_[question] ? EtatReponse::juste : EtatReponse::fausse;
}

} // namespace quillon

#include "questions.h"

#include "common/nombres.h"
#include "stimulation/unites.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace quillon {

namespace {

// A whole-number answer is right when the measurement, converted to the
// box's unit, has its whole part in range.
template <typename Juge>
bool juger_entier(const std::optional<Mesure>& m, Juge dans_les_bornes)
{
    return m && std::abs(m->valeur) < 1e9 && dans_les_bornes(static_cast<int>(std::trunc(m->valeur)));
}

// The threshold: any number from 0.19 to 0.21 V.
bool seuil_juste(const QString& seuil)
{
    const std::optional<Mesure> volts = lire_mesure(seuil, Grandeur::tension);
    return volts && 0.19 - 1e-12 <= volts->valeur && volts->valeur <= 0.21 + 1e-12;
}

} // namespace

int item_refractaire(const QString& texte)
{
    // Read at the box's own precision: the nearest tenth (a careful pupil
    // reads 3.33 or 1.67 ms, the interval moving by 1/6 ms).
    const std::optional<Mesure> v = lire_mesure(texte, Grandeur::temps);
    if (!v)
        return -1;
    const double dixiemes = std::floor(v->valeur * 10 + 0.5 + 1e-9);
    return dixiemes >= 0 && dixiemes <= 40 ? static_cast<int>(dixiemes) : -1;
}

namespace {

// Lower case, no accent, no surrounding blank or final punctuation, no
// article ("la", "l'", "the").
QString sans_article(const QString& texte)
{
    QString t;
    for (const QChar c : texte.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            t += c.toLower();
    t = t.simplified().replace(u'\u2019', u'\'');
    while (!t.isEmpty() && (t.back() == u'.' || t.back() == u'!' || t.back() == u' '))
        t.chop(1);
    for (const QLatin1String article : {QLatin1String("la "), QLatin1String("l'"), QLatin1String("l "), QLatin1String("the ")})
        if (t.startsWith(article))
            return t.mid(article.size()).trimmed();
    return t;
}

} // namespace

int item_nomme(const QString& texte, const QStringList& items)
{
    const QString cherche = sans_article(texte);
    for (int i = 0; i < items.size(); ++i)
        if (!cherche.isEmpty() && sans_article(items[i]) == cherche)
            return i;
    return -1;
}

BandeVitesses vitesses_mesurables()
{
    // A sample (1/6 ms) is 6 pixels of nerve, a centimetre 7.5 pixels. A
    // careful pupil reads a distance of 4 to 14 cm to the half-centimetre and
    // a delay to the sample, as the model makes it: the onset latency from
    // the cathode is truncated to the sample (the onset read on the last
    // resting sample or the first raised one), a moved electrode shifts the
    // onset by the difference of two truncated latencies, and the delay
    // between the two recording electrodes is rounded.
    constexpr int px_echantillon = 6;
    constexpr double px_cm = 7.5;
    double bas = 1e9;
    double haut = 0;
    const auto lire = [&](double cm, int echantillons) {
        if (echantillons <= 0)
            return;
        const double v = cm * 10 / (echantillons / 6.0); // cm/ms to m/s
        bas = std::min(bas, v);
        haut = std::max(haut, v);
    };
    for (int px = 30; px <= 105; ++px) {
        const double cm = std::floor(px / px_cm * 2 + 0.5) / 2;
        lire(cm, px / px_echantillon);
        lire(cm, px / px_echantillon + 1);
        for (int phase = 0; phase < px_echantillon; ++phase)
            lire(cm, (phase + px) / px_echantillon - phase / px_echantillon);
        lire(cm, static_cast<int>(arrondi(px / static_cast<double>(px_echantillon))));
    }
    return {static_cast<int>(std::floor(bas)), static_cast<int>(std::floor(haut))};
}

std::array<bool, 7> corriger_reponses(const ReponsesEleve& r)
{
    // Each refractory period has two accepted ranges: the textbook values (2
    // and 1.5 ms) and what the page's model shows when measured with care (a
    // full second response from 3.33 ms, none up to 1.67 ms, the second
    // stimulation's mark read on a ruler graduated every 0.5 ms). A maximal
    // frequency is right when the period it gives is one its box accepts,
    // besides the ranges it always had (461 to 529, 290 to 320, 540 to 610
    // and 621 to 709 Hz).
    const auto entre = [](int v, int de, int a) { return de <= v && v <= a; };
    // A frequency is the period's when 1000 / T rounds to it at the
    // precision typed, never coarser than the hertz (3.5 ms: 285.7 Hz as
    // well as 286 Hz; "1 kHz" is not 500 Hz).
    const auto periode_entre = [](const std::optional<Mesure>& f, double de, double a) {
        const double ecart = f ? std::min(f->demi_pas, 0.5) : 0;
        return f && f->valeur > 0 && f->valeur + ecart >= 1000.0 / a - 1e-9 && f->valeur - ecart <= 1000.0 / de + 1e-9;
    };
    const std::optional<Mesure> relative = lire_mesure(r.frequence_relative, Grandeur::frequence);
    const std::optional<Mesure> absolue = lire_mesure(r.frequence_absolue, Grandeur::frequence);
    static const BandeVitesses vitesses = vitesses_mesurables();
    return {
        entre(r.periode_relative, 19, 21) || entre(r.periode_relative, 32, 35),
        entre(r.periode_absolue, 14, 18),
        juger_entier(relative, [&](int n) { return entre(n, 461, 529) || entre(n, 290, 320); })
            || periode_entre(relative, 1.9, 2.1) || periode_entre(relative, 3.2, 3.5),
        juger_entier(absolue, [&](int n) { return entre(n, 621, 709) || entre(n, 540, 610); })
            || periode_entre(absolue, 1.4, 1.8),
        // Every velocity a careful measurement gives on the model, and the
        // textbook's 35 to 50 m/s.
        juger_entier(lire_mesure(r.vitesse, Grandeur::vitesse),
                     [&](int n) { return entre(n, std::min(35, vitesses.de), std::max(50, vitesses.a)); }),
        r.electrode == 1,
        seuil_juste(r.seuil),
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

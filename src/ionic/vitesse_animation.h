#pragma once
// The pace of the ion-flux animation, chosen by the teacher: only the
// interval between two ticks changes, never what a tick does.
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <optional>

namespace quillon {

enum class Vitesse { lente, moyenne, rapide };
inline constexpr std::array<Vitesse, 3> vitesses{Vitesse::lente, Vitesse::moyenne, Vitesse::rapide};

// Milliseconds between two ticks: "rapide" is the design's 1 ms timer;
// "moyenne" about 60 ticks a second, one a frame of a common display;
// "lente" about 15, slow enough to follow one ion crossing.
constexpr int intervalle_animation(Vitesse v)
{
    switch (v) {
    case Vitesse::lente: return 67;
    case Vitesse::moyenne: return 16;
    case Vitesse::rapide: return 1;
    }
    return 1;
}

// Whether a tick `ecoule_ms` after the last picture shown brings a new one on
// a screen refreshed every `periode_ms`, the ticks `intervalle_ms` apart:
// at most one picture a refresh, and every tick of a pace near the refresh
// rate or slower.
constexpr bool image_due(double ecoule_ms, int intervalle_ms, double periode_ms)
{
    return ecoule_ms + intervalle_ms / 2.0 >= periode_ms;
}

// Milliseconds between two wake-ups of the animation's timer on a screen
// refreshed every `periode_ms`: a pace of two ticks or more a refresh wakes
// once a refresh and makes up the ticks due since (a wake-up a millisecond
// costs more than the ticks themselves); the others wake for each tick.
constexpr int intervalle_reveil(int intervalle_tick_ms, double periode_ms)
{
    const int rafraichissement = std::max(1, static_cast<int>(periode_ms));
    return 2 * intervalle_tick_ms <= rafraichissement ? rafraichissement : intervalle_tick_ms;
}

// The ticks each wake-up makes up: one every tick interval of the time since
// the start, so the ticks keep their pace however the wake-ups fall. After a
// pause of the machine the lag beyond `rattrapage_max` is dropped, not run in
// a burst.
class CadenceTicks {
public:
    static constexpr int rattrapage_max = 100;

    void demarrer(int intervalle_tick_ms)
    {
        intervalle_ns_ = std::max<qint64>(1, qint64(intervalle_tick_ms) * 1'000'000);
        faits_ = 0;
    }
    // The ticks due at `ecoule_ns` after the start that have not been made.
    int ticks_dus(qint64 ecoule_ns)
    {
        const qint64 dus = ecoule_ns / intervalle_ns_;
        faits_ = std::max(faits_, dus - rattrapage_max);
        const auto n = static_cast<int>(std::max<qint64>(0, dus - faits_));
        faits_ += n;
        return n;
    }

private:
    qint64 intervalle_ns_ = 1'000'000;
    qint64 faits_ = 0;
};

// "lente", "moyenne", "rapide": as the menu says them and the settings keep them.
QString nom_vitesse(Vitesse v);
std::optional<Vitesse> vitesse_nommee(const QString& nom);

} // namespace quillon

#pragma once
// The pace of the ion-flux animation, chosen by the teacher: only the
// interval between two ticks changes, never what a tick does.
#include <QString>
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

// "lente", "moyenne", "rapide": as the menu says them and the settings keep them.
QString nom_vitesse(Vitesse v);
std::optional<Vitesse> vitesse_nommee(const QString& nom);

} // namespace quillon

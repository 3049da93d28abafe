#pragma once
// Vertical scroll bars read from the top: the top of a bar is its largest
// value. The value of a vertical bar is its Max minus its Position.

namespace quillon {

constexpr int valeur_barre_verticale(int max, int position) { return max - position; }
constexpr int position_barre_verticale(int max, int valeur) { return max - valeur; }

} // namespace quillon

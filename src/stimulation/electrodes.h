#pragma once
// The four electrodes dragged along the nerve: which moves are allowed, and
// where the wires and sign labels follow. Lefts in the group box's pixels.
#include <optional>

namespace quillon {

enum class Electrode { anode, cathode, enr1, enr2 };

struct PlaceElectrodes {
    int anode = 64;
    int cathode = 80;
    int enr1 = 208;
    int enr2 = 224;
    int largeur = 5;       // every electrode is 5 pixels wide
    int gauche_stimulateur = 331; // the stimulator box's left edge bounds the drags

    int& left(Electrode e);
    int left(Electrode e) const;
};

// The new Left of an electrode dragged with the mouse at x in its own
// coordinates, grabbed at prise_x; nothing when the move is refused (the
// electrode then stays where it is: no clamping to the limit).
std::optional<int> deplace_shape(const PlaceElectrodes& p, Electrode e, int x, int prise_x);

// The wire of an electrode runs from its Left into the stimulator box (to
// x 398) or into the recorder box (to x 371): its width.
int largeur_fil(Electrode e, int left, int droite_nerf = 401);

} // namespace quillon

#include "electrodes.h"

namespace quillon {

int& PlaceElectrodes::left(Electrode e)
{
    switch (e) {
    case Electrode::anode: return anode;
    case Electrode::cathode: return cathode;
    case Electrode::enr1: return enr1;
    case Electrode::enr2: return enr2;
    }
    return anode;
}

int PlaceElectrodes::left(Electrode e) const
{
    return const_cast<PlaceElectrodes*>(this)->left(e);
}

std::optional<int> deplace_shape(const PlaceElectrodes& p, Electrode e, int x, int prise_x)
{
    const int l = p.left(e) + x - prise_x;
    if (l >= p.gauche_stimulateur - 10 || l + p.largeur <= 15)
        return std::nullopt;
    if (e == Electrode::anode || e == Electrode::cathode) {
        // A stimulating electrode stays strictly left of both recording ones.
        if (!(l + p.largeur < p.enr1 && l + p.largeur < p.enr2))
            return std::nullopt;
    } else if (!(l > p.cathode + p.largeur && l > p.anode + p.largeur)) {
        return std::nullopt;
    }
    return l;
}

int largeur_fil(Electrode e, int left, int droite_nerf)
{
    const bool stimulation = e == Electrode::anode || e == Electrode::cathode;
    return droite_nerf - left - (stimulation ? 3 : 30);
}

} // namespace quillon

#pragma once
// The display size a teacher chooses for projecting the program: the whole
// window drawn larger, by Qt's scale factor, which takes effect at start-up.
#include "common/enregistrement.h"

#include <QByteArray>
#include <QSize>
#include <array>

namespace quillon {

// The sizes offered, in percent.
inline constexpr std::array<int, 4> tailles_affichage{100, 125, 150, 200};

// The size kept in the user's settings: 100 when none, or when the setting
// is not one of the sizes offered.
int taille_affichage_retenue();
Enregistrement retenir_taille_affichage(int taille);

// Whether a window of outer size `fenetre` at 100 % still fits, at `taille`,
// in the screen's available area `ecran` measured at 100 %. 100 % always does.
bool taille_possible(int taille, QSize fenetre, QSize ecran);

// The next size up (sens > 0) or down (sens < 0) that fits, else `taille`.
int taille_voisine(int taille, int sens, QSize fenetre, QSize ecran);

// The factor a QT_SCALE_FACTOR text asks for: 1 when empty, unreadable or
// not a positive number.
double facteur_ecrit(const QByteArray& texte);

// The scale factor to start Qt with: the one already asked for (the value of
// QT_SCALE_FACTOR, empty or unreadable for 1) times the size; empty when
// both are 1.
QByteArray facteur_echelle(const QByteArray& existant, int taille);

// What a run shows at: Qt's scale factor is `base` times `taille` / 100.
struct TailleDepart {
    double base = 1; // the user's own factor, or 1 / the desktop's ratio (the screen's own pixels)
    int taille = 100; // always one of tailles_affichage
    bool tient = true; // false: no size fits, the smallest is taken
    bool operator==(const TailleDepart&) const = default;
};

// The size a window of outer size `fenetre` (at ratio 1) starts at on a
// screen whose available area is `ecran` device pixels, on a desktop of
// ratio `bureau`, for the user's own factor `utilisateur` and the size kept:
// the kept size on the user's factor when it fits, else the largest smaller
// size that does; when even 100 % on the user's factor is too large, the
// largest size of the screen's own pixels that fits; when none does, 100 %
// of the screen's own pixels.
TailleDepart taille_de_depart(QSize fenetre, QSize ecran, double bureau, double utilisateur, int retenue);

} // namespace quillon

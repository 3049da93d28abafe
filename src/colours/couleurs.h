#pragma once
// The colours of the pages' group boxes: the integer colour form
// 0x00BBGGRR, the mixing sliders' scale, and the settings file "couleurs.clr"
// (its lines listed in common/reglages.h).
#include "common/reglages.h"

#include <QByteArray>
#include <QColor>
#include <array>
#include <cstdint>

namespace quillon {

// The system button-face colour in its integer form.
inline constexpr std::int32_t clBtnFace = reglages::face_boutons;

// The lines of the file, in the order of reglages::lignes_couleurs.
enum class LigneCouleur { champs_recepteurs, discrimination, stimulation, activite_reflexe, ionique };
using CouleursPages = std::array<std::int32_t, reglages::lignes_couleurs.size()>;
static_assert(static_cast<std::size_t>(LigneCouleur::ionique) + 1 == reglages::lignes_couleurs.size());

// Every line's default: each box in the button-face colour, as designed.
CouleursPages couleurs_de_depart();

// The RGB colour of an integer colour; a system colour (negative) is the face colour given.
QColor couleur_rgb(std::int32_t valeur, const QColor& face);
// The integer colour of an RGB colour.
std::int32_t valeur_couleur(const QColor& c);

struct Composantes {
    int rouge = 0;
    int vert = 0;
    int bleu = 0;
};

// The split of an integer colour into its three components (blue, then green, then red).
Composantes decomposer(std::int32_t valeur);
// Slider position of a component: full intensity at the top (position 0);
// a component 0 lands at the top too.
int position_curseur(int composante);
// The mixed colour of three slider positions (components 255 - position: 1 to 255).
std::int32_t melange(int position_rouge, int position_vert, int position_bleu);

// The settings file's text.
QByteArray ecrire_couleurs(const CouleursPages& c);
// Reads the five lines: each whole number read leniently (leading digits,
// a missing or empty line gives 0).
CouleursPages lire_couleurs(const QByteArray& texte);

} // namespace quillon

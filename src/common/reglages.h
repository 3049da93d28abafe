#pragma once
// Everything Quillon keeps from one run to the next, listed once: each
// setting's key in the user's settings file, its type and the value it gives
// when absent or unreadable, and what it is for; then the colours file and
// its lines. The names on disk never change: the settings a teacher kept with
// an older copy keep working.
#include <array>
#include <cstdint>
#include <tuple>

namespace quillon {

// One setting: its key ("group/name") and its default, of type bool, int or
// text (const char*). Read and kept through common/dossiers_utilisateur.h.
template <typename T>
struct Reglage {
    const char* cle;
    T defaut;
};

namespace reglages {

// The settings file, in the user's configuration folder.
inline constexpr const char* fichier = "reglages.ini";

// The measuring cursors of the ionic page, shown at start: off unless chosen.
inline constexpr Reglage<bool> curseurs_mesure{"mesure/curseurs", false};
// The pace of the ionic animation, by its name (ionic/vitesse_animation.h);
// a name not known gives the default.
inline constexpr Reglage<const char*> vitesse_animation{"animation/vitesse", "rapide"};
// The language of the texts, by its code (common/langue.h); empty or not
// translated: the system's language when translated, else French.
inline constexpr Reglage<const char*> langue{"affichage/langue", ""};
// The display size, in percent (app/taille_affichage.h); a size not offered
// gives the default.
inline constexpr Reglage<int> taille_affichage{"affichage/taille", 100};
// The folder last used for work files; empty or gone: the documents folder.
inline constexpr Reglage<const char*> dossier_travail{"fichiers/dossier", ""};

// Every setting, for what goes over all of them.
inline constexpr std::tuple tous{curseurs_mesure, vitesse_animation, langue, taille_affichage, dossier_travail};

// The colours of the pages' group boxes (colours/couleurs.h), beside the
// settings file: one signed whole number a line, CR LF, in this order.
inline constexpr const char* fichier_couleurs = "couleurs.clr";

// The system button-face colour in the file's integer form: a box as designed.
inline constexpr std::int32_t face_boutons = -2147483633;

struct LigneCouleurs {
    const char* boites; // whose group boxes take this line's colour
    std::int32_t defaut; // before any file is read
};

inline constexpr std::array<LigneCouleurs, 5> lignes_couleurs{{
    {"champs récepteurs", face_boutons},
    {"discrimination de poids", face_boutons},
    {"stimulation (ses deux boîtes)", face_boutons},
    {"activité réflexe", face_boutons},
    {"équilibres ioniques", face_boutons},
}};

} // namespace reglages

} // namespace quillon

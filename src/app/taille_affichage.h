#pragma once
// The display size a teacher chooses for projecting the program: the whole
// window drawn larger, by Qt's scale factor, which takes effect at start-up.
#include <QByteArray>
#include <QSize>
#include <array>

namespace quillon {

// The sizes offered, in percent.
inline constexpr std::array<int, 4> tailles_affichage{100, 125, 150, 200};

// The size kept in the user's settings: 100 when none, or when the setting
// is not one of the sizes offered.
int taille_affichage_retenue();
void retenir_taille_affichage(int taille);

// Whether a window of outer size `fenetre` at 100 % still fits, at `taille`,
// in the screen's available area `ecran` measured at 100 %. 100 % always does.
bool taille_possible(int taille, QSize fenetre, QSize ecran);

// The next size up (sens > 0) or down (sens < 0) that fits, else `taille`.
int taille_voisine(int taille, int sens, QSize fenetre, QSize ecran);

// The scale factor to start Qt with: the one already asked for (the value of
// QT_SCALE_FACTOR, empty or unreadable for 1) times the size; empty when
// both are 1.
QByteArray facteur_echelle(const QByteArray& existant, int taille);

// Before the application starts: sets QT_SCALE_FACTOR for the size kept in
// the settings and notes it as the size in effect.
void appliquer_taille_affichage();
// The size this run was started with (100 until appliquer_taille_affichage).
int taille_affichage_en_cours();

} // namespace quillon

#pragma once
// The display size a teacher chooses for projecting the program: the whole
// window drawn larger, by Qt's scale factor, which takes effect at start-up.
#include <QByteArray>
#include <QSize>
#include <QStringList>
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
// the settings, applied once to the user's own factor (the one the program
// was started with, or none), and notes it as the size in effect.
void appliquer_taille_affichage();
// The size this run was started with (100 until appliquer_taille_affichage).
int taille_affichage_en_cours();
// Gives QT_SCALE_FACTOR back as the user had it, before the program starts
// itself again: the new run applies its size to it once more.
void rendre_facteur_utilisateur();

// The largest size in `tailles` (in percent of the screen's own pixels) at
// which a window of `fenetre` pixels at ratio 1 fits `ecran` (device
// pixels); the smallest size when none does.
int plus_grande_taille_qui_tient(QSize fenetre, QSize ecran);

// Once the application exists and before any window shows: when a window of
// outer size `fenetre` (at 100 %) would not fit the primary screen's
// available area at the scale in effect (the desktop's and QT_SCALE_FACTOR),
// the program starts again, once, at the largest size that fits; true when
// this run must then end at once.
bool redemarrer_si_trop_grande(QSize fenetre, const QStringList& arguments);

} // namespace quillon

#pragma once
// The display size at start-up, from the screen the program shows on: Qt's
// scale factor is set before the application exists, measured against the
// screen once it does, and the application made again, in this same run,
// when the window would not fit. The restart asked from the menu gives the
// new run the factor the sizes apply to.
#include "app/taille_affichage.h"

#include <QApplication>
#include <QSize>
#include <memory>

namespace quillon {

// Before the application exists: sets QT_SCALE_FACTOR for the size kept in
// the settings on top of the user's own factor (the one the program was
// started with, or none), and notes it as the size in effect.
void appliquer_taille_affichage();
// The size this run shows at: always one of tailles_affichage.
int taille_affichage_en_cours();

// Once the application exists: the size a window of outer size `fenetre` (at
// 100 %) starts at on a screen whose available area is `ecran` device pixels
// at ratio `ratio`; notes it as the size in effect and sets QT_SCALE_FACTOR
// for it. True when that factor is not the one the application was made
// with, which must then be made again.
bool ajuster_taille_de_depart(QSize fenetre, QSize ecran, double ratio);

// The application at a size whose window fits the primary screen, made at
// most twice, never in a second process; QT_SCALE_FACTOR then as it was
// given, for what the program opens or starts.
std::unique_ptr<QApplication> application_a_la_taille(int& argc, char** argv, QSize fenetre);

// QT_SCALE_FACTOR for a new run of the program: the factor its sizes apply
// to, so that it applies the size kept once. Gives back the present value.
QByteArray facteur_pour_relancer();
// Puts QT_SCALE_FACTOR back as facteur_pour_relancer found it.
void remettre_facteur(const QByteArray& avant);

} // namespace quillon

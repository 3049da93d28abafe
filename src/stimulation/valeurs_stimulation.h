#pragma once
// The recording screen's values for a spreadsheet: the settings that drew
// it, one "name;value" line each, a blank line, then one line per shown
// sample with its time and the potentials under the two recording
// electrodes, as recruited, and their difference, which the screen plots.
#include "common/curseurs.h"
#include "stimulation/reponse.h"

#include <QByteArray>

namespace quillon {

// Time of sample j on the millisecond ruler: j sixths of a millisecond
// after the first stimulation's mark.
double temps_ms(int j);
// An electrode's place on the centimetre ruler, from its Left: its middle
// column (Left + 2.5, 5 pixels wide) against the ruler's "0" tick (columns
// 12 and 13), 7.5 pixels per centimetre.
double position_cm(int left);

QByteArray valeurs_stimulation(const ReglagesStimulation& r, const ReponseStimulation& rep);

// The value the screen plots at sample j (1..80), in its arbitrary units:
// the difference between the two electrodes times the recruited fraction.
double valeur_ecran(const ReglagesStimulation& r, const ReponseStimulation& rep, int j);

// The measuring cursors' readings on the screen: each cursor's time (ms, one
// decimal, as the ruler reads) and value, and with two, "Δt = … ms".
LecturesCurseurs lectures_ecran(const CurseursMesure& c, const ReglagesStimulation& r,
                                const ReponseStimulation& rep);

} // namespace quillon

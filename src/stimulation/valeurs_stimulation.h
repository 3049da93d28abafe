#pragma once
// The recording screen's values for a spreadsheet: the settings that drew
// it, one "name;value" line each, a blank line, then one line per shown
// sample with its time and the potentials under the two recording
// electrodes, as recruited, and their difference, which the screen plots.
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

} // namespace quillon

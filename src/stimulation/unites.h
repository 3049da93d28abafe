#pragma once
// The units a pupil may type after a number in an answer box, in French and
// English spellings and abbreviations, and the reading of such an answer.
#include <QString>
#include <optional>

namespace quillon {

// What a box measures, each in the unit its caption prints: milliseconds,
// hertz, metres per second, volts.
enum class Grandeur { temps, frequence, vitesse, tension };

// A typed measurement in its box's unit, and half the step of its last typed
// digit in that unit (0,3 kHz: 300 Hz to within 50 Hz).
struct Mesure {
    double valeur = 0;
    double demi_pas = 0;
};

// A number as a pupil types it (decimal comma or point, an optional sign,
// blanks around it) followed by an optional unit of the quantity, with or
// without a blank, in any case, with or without accents and a final full
// stop ("3,3 millisecondes", "0.3 kHz", "40 m.s-1", "200 mV", "0,2 V.").
// Nothing for any other text: no number, another quantity's unit, an unknown
// word.
std::optional<Mesure> lire_mesure(const QString& texte, Grandeur grandeur);

} // namespace quillon

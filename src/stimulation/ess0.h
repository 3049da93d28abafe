#pragma once
// The recorded action potential that the stimulation page draws: the file
// "ess0.nst" beside the program, laid out as a ".nst" work file (a count N,
// six whole numbers per step, then N reals).
#include <QString>
#include <array>

class QTextStream;

namespace quillon {

// pot_ess0[1..84]; element 0 unused.
using PotentielEss0 = std::array<double, 85>;

// Reads the recorded action potential: line 1 a count N; then 6 N lines
// skipped (the six integers per step of the work-file layout); then N lines,
// line k a real stored in pot[k] for k <= 84 (values beyond the 84th are not
// stored).
// The count line is read as the ".nst" count (blanks, a sign, digits, blanks,
// nothing else). A negative N reads nothing more. A text ending early leaves
// the entries not reached as they were. A real line is a number in C notation
// ("-70", "1e3", " -7.0E+0001 "); any other line, empty ones included, stores
// 0, as the ".nst" reader does: the step still counts, so the following
// samples keep their places. Lines end with LF or CR LF.
// Returns false when nothing could be read (file cannot be opened, or the
// first line is not a whole number); then pot is untouched.
bool lec_fic_ess0(QTextStream& flux, PotentielEss0& pot);
bool lec_fic_ess0(const QString& chemin, PotentielEss0& pot);

} // namespace quillon

#pragma once
// The work files of the ionic-equilibria page (".nst") and of the
// weight-discrimination page (".fch"): plain text, one value per line, lines
// ended by CR LF, Windows-1252, no header. No dialog here: these read and
// write streams and files that the caller chose.
#include "common/enregistrement.h"
#include "common/windows_1252.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <vector>

class QByteArray;
class QIODevice;
class QTextStream;

namespace quillon {

// One programmed step of the membrane-potential recorder.
struct EtapeNernst {
    int gk = 0;
    int gna = 0;
    int k_int = 0;
    int k_ext = 0;
    int na_int = 0;
    int na_ext = 0;
    double em = 0; // membrane potential recorded at this step in the last trial run
    friend bool operator==(const EtapeNernst&, const EtapeNernst&) = default;
};

// Steps 1..N of a sequence, in order: etapes[0] is step 1.
struct SequenceNernst {
    std::vector<EtapeNernst> etapes;
    friend bool operator==(const SequenceNernst&, const SequenceNernst&) = default;
};

// The line reading every work-file reader shares.
// The next line of the text without its end: LF or CR LF, and the CRs left
// before it (a last line ending with CR alone, a doubled CR); false at the
// end of the text.
bool ligne_travail(QTextStream& flux, QString& ligne);
// A count line: blanks, a sign, digits, blanks, and nothing else (empty when
// the line is anything else). Counts too large for any file are kept as a
// large value (2^40), for the caller to refuse or to read up to the end.
std::optional<long long> lire_compte_travail(const QString& ligne);
// A real in C notation ("-70", "1e3", " 7.0E+0001 "), blanks around allowed;
// 0 for anything else, infinities and NaN included.
double lire_reel_travail(const QString& ligne);

// The recorder holds steps 1 to 83.
inline constexpr int nernst_etapes_maxi = 83;

enum class LectureNernst {
    Lue,               // the whole file was read
    Illisible,         // the file cannot be opened
    PremiereLigne,     // the first line is not a whole number: nothing read
    HorsLimites,       // the count is below 0 or above the maximum: nothing read
    Incomplete,        // the file ends before the lines its count announces
};

// The values a step of the recorder can hold: concentrations 0 to 300,
// permeabilities 0 to 100, a finite potential within 1000 mV either way.
bool etape_possible(const EtapeNernst& etape);

struct ResultatNernst {
    LectureNernst etat = LectureNernst::Illisible;
    // The steps read, only when etat is Lue. Whatever the other states leave
    // here (nothing, as it is) is not a sequence and must not be used.
    SequenceNernst sequence;
    // Every step within etape_possible, its potential written as such a
    // number (not "Nan" nor "1e9"): else no recorder file, though its layout is.
    bool possible = true;
};

// A real in the 23-character layout: a blank or "-", one digit, ".", 14
// digits, "E", the exponent's sign and 4 digits (" 7.00000000000000E+0001").
// Fifteen significant digits, rounded to nearest; magnitudes whose rounding
// would go past the largest double are written as 1.79769313486231E+0308 so
// that the text always reads back as a finite number. NaN and infinities,
// which no page produces, give "Nan", "+Inf" or "-Inf" right-aligned.
QString reel_23(double x);

// Reads a ".nst" text: the count N (0..maxi), 6 N integer lines, N reals.
// Lines end with LF or CR LF, the last one may lack it; lines past the 1 + 7 N
// announced are ignored. The first line must be a whole number alone (blanks
// and a sign allowed). Integer lines after the first are read leniently
// (blanks, a sign, the leading digits; anything else gives 0); a real that is
// not a finite number in C notation ("-70", "1e3", " 7.0E+0001") gives 0.
// The maximum is 83 for a recorder file; a data file of 84 samples is read
// with 84.
ResultatNernst lire_nernst(QTextStream& flux, int maxi = nernst_etapes_maxi);
ResultatNernst lire_nernst(const QString& chemin, int maxi = nernst_etapes_maxi);

// Writes a ".nst" text; false when the device refused a write.
bool ecrire_nernst(QIODevice& sortie, const SequenceNernst& sequence);
// Writes a ".nst" file whole (see enregistrer_entier): an existing file is
// replaced only when everything was written; the reason when it could not be.
Enregistrement enregistrer_nernst(const QString& chemin, const SequenceNernst& sequence);

// No work file is larger: a larger file is not one, and is not read.
inline constexpr qint64 taille_maxi_travail = 1 << 20;
// Whether these bytes can be a work file at all: not empty, no larger than
// taille_maxi_travail, and text: no control character but tab, CR, LF and
// the old end-of-file mark (0x1A).
bool octets_texte_travail(const QByteArray& octets);
// The same test on what a device holds from its current position (at most
// one byte more than the limit is read); false when nothing can be read.
bool texte_travail(QIODevice& fichier);

// The hidden weight-discrimination table: 51 rows of 12 cells.
inline constexpr int fechner_lignes = 51;
inline constexpr int fechner_colonnes = 12;
using TableFechner = std::array<std::array<QString, fechner_colonnes>, fechner_lignes>;

// Reads a ".fch" text 12 lines per row, row 0 first; lines past the end of
// the text are empty cells, lines after the 612th are ignored.
TableFechner lire_fechner(QTextStream& flux);
// Reads a ".fch" file, decoded as Windows-1252. False when the file cannot
// be opened (the table is then untouched).
bool lire_fechner(const QString& chemin, TableFechner& table);

} // namespace quillon

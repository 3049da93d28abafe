#pragma once
// Number display and reading used by every page of the program.
#include <QString>
#include <optional>

namespace quillon {

// x in fixed notation with d decimals and a point as decimal separator,
// whatever the locale, left-padded with blanks to at least w characters.
QString fixed(double x, int w, int d);

// General floating-point format: up to 15 significant digits, no decimals
// for a whole number, the decimal separator of the given locale's name
// (the system locale when empty), scientific notation ("1,5E-6") only for
// very small or very large magnitudes.
QString format_general(double x, const QString& nom_locale = QString());

// Whole-number reading: leading blanks skipped, optional sign, the leading
// decimal digits, stopping silently at the first other character; an empty
// text (or no digit) gives 0. Values beyond the 32-bit range saturate.
int lire_entier(const QString& texte);

// Rounding to the nearest whole number, ties to the even one.
long long arrondi(double x);

// Whole-number division truncating toward zero (the language's own / on int).
constexpr int div_entiere(int a, int b) { return a / b; }

} // namespace quillon

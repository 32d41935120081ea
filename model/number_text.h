// The two number texts of the program: TalTilTekst, the plain text of a number, and
// TreDecimaler, the grouped "#,##0.000" format. The model keeps no locale state: the
// windows pass the user's regional separators at the moment of formatting.
//
// Rounding is decided on the exact binary value of the argument, never on an intermediate
// decimal approximation: a formatter that first writes 17 significant digits, or that
// rounds exact ties to even as printf does, gets some values wrong.
//
// The program formats only finite values from 0 up to a few hundred million. Anything else
// still gives a sensible text and never overflows a buffer:
// - a negative value: "-" followed by the text of its magnitude, the same rounding rules
//   applied to the magnitude (so a half goes away from zero); a value that rounds to zero
//   has no sign ("0", "0,000"), and -0 reads as 0;
// - any magnitude: always positional, never an exponent form; the largest double gives 309
//   integer digits (TalTilTekst: 15 significant digits followed by zeros; TreDecimaler: all
//   309 exact digits, grouped), the smallest subnormal gives "0," with 323 zeros and 15
//   digits in TalTilTekst and "0,000" in TreDecimaler;
// - NaN gives "NaN", the infinities "∞" and "-∞", in both functions.
#pragma once

#include <string>

namespace vesparo {

// Any UTF-8 text, several bytes (a no-break space) or none at all (no grouping).
struct Separators {
  std::string decimal;  // e.g. "," on a Danish system
  std::string group;    // e.g. "." on a Danish system
};

// Danish separators, as on the systems the program is written for.
inline const Separators& DanskeSeparatorer() {
  static const Separators s{",", "."};
  return s;
}

// 15 (double) or 7 (single) significant digits, half away from zero, in positional
// notation: no group separators, no trailing zeros, no decimal separator for a whole
// number ("5", "5,5", "0,01", "1066,667"). sep.group is not used.
std::string TalTilTekst(double x, const Separators& sep);
std::string TalTilTekst(float x, const Separators& sep);

// The nearest multiple of 0.001, an exact half going up; the integer part grouped in
// threes, always three decimals ("0,000", "131.400,014", "371.655.362,428").
std::string TreDecimaler(double x, const Separators& sep);

}  // namespace vesparo

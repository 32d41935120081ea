// The two number texts of the program: TalTilTekst, the plain text of a number, and
// TreDecimaler, the grouped "#,##0.000" format. The model keeps no locale state: the
// windows pass the user's regional separators at the moment of formatting.
//
// Rounding is decided on the exact binary value of the argument, never on an intermediate
// decimal approximation.
#pragma once

#include <string>

namespace vesparo {

struct Separators {
  std::string decimal;  // UTF-8, e.g. "," on a Danish system
  std::string group;    // UTF-8, e.g. "." on a Danish system
};

// Danish separators, as on the systems the program is written for.
inline const Separators& DanskeSeparatorer() {
  static const Separators s{",", "."};
  return s;
}

// 15 (double) or 7 (single) significant digits, half away from zero, in positional
// notation: no group separators, no trailing zeros, no decimal separator for a whole
// number ("5", "5,5", "0,01", "1066,667").
std::string TalTilTekst(double x, const Separators& sep);
std::string TalTilTekst(float x, const Separators& sep);

// The nearest multiple of 0.001, an exact half going up; the integer part grouped in
// threes, always three decimals ("0,000", "131.400,014", "371.655.362,428").
std::string TreDecimaler(double x, const Separators& sep);

}  // namespace vesparo

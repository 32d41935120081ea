// The outflow and loss model: from the three slider positions to the hole's area, the
// outflow and what it costs per second, minute, hour, day, month and year, and the size
// at which the hole is drawn. Plain standard C++, no state, no Qt.
//
// Every formula is evaluated left to right as written, one IEEE double operation per step,
// never fused or reordered (this target is built with -ffp-contract=off): the yearly
// figures are shown to three decimals, and a different order of operations changes the
// last digit.
#pragma once

#include <cstdint>

namespace vesparo {

// Orifice formula in practical units, Q [l/s] = K · A [cm²] · √h [cm]. K is a
// single-precision constant; the value that enters the arithmetic is that single widened
// to double (0.02971486933529376983642578125), not the double nearest 0.02971487.
inline constexpr float kKFaktor = 0.02971487f;
inline constexpr double kK = static_cast<double>(kKFaktor);

// One recalculation. Units: mm, bar, kr/m³, mm², cm of water column, cm², l/s, kr/s,
// l/min, kr/min, m³/h, kr/h, m³/day, kr/day, m³/month, kr/month, m³/year, kr/year.
struct TabResultat {
  double Diameter;
  double Bar;
  double KrPerKubik;
  double Areal;
  double Trykhoejde;
  double ArealCm2;
  double LSek;
  double KrSek;
  double LMin;
  double KrMin;
  double MH;
  double KrH;
  double MD;
  double KrD;
  double MM;
  double KrMd;
  double MAr;
  double KrAr;
};

// d: diameter position in 0.1 mm (0..1000), b: pressure position in 0.1 bar (0..100),
// p: price position in øre per m³ (0..5000). The inputs are not clamped:
// - std::overflow_error when the 16-bit product b × 102 overflows (|b| > 321);
// - std::domain_error when b is negative (the square root of a negative head).
// In both cases no record is produced.
TabResultat BeregnTab(std::int16_t d, std::int16_t b, std::int16_t p);

// The drawn diameter of the hole in twips: d × (c / 1000), the quotient formed first in
// double precision, the product then rounded to single precision. c is the calibration
// value, the number of twips that measure 100 mm on the screen.
float CirkelDiameter(std::int16_t d, double c);

}  // namespace vesparo

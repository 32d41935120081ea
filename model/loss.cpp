#include "model/loss.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace vesparo {

namespace {

constexpr double kPi = 3.141592653589793;  // the double nearest π, which is 4·atan(1)

// b × 102 as a 16-bit signed multiplication: an overflow is an error, not a wrap.
std::int16_t Trykhoejde16(std::int16_t b) {
  const int product = static_cast<int>(b) * 102;
  if (product > std::numeric_limits<std::int16_t>::max() ||
      product < std::numeric_limits<std::int16_t>::min()) {
    throw std::overflow_error("BeregnTab: trykposition " + std::to_string(b) +
                              " × 102 er uden for 16-bit-området");
  }
  return static_cast<std::int16_t>(product);
}

}  // namespace

TabResultat BeregnTab(std::int16_t d, std::int16_t b, std::int16_t p) {
  // Decide on the errors before anything is computed, in the order the steps meet them:
  // the product (step 3) comes before the square root (step 5).
  const std::int16_t head = Trykhoejde16(b);
  if (head < 0) {
    throw std::domain_error("BeregnTab: negativ trykposition " + std::to_string(b));
  }

  TabResultat r{};
  const double dd = d;
  const double dp = p;

  r.Diameter = dd / 10;
  r.Bar = static_cast<double>(b) / 10;
  r.KrPerKubik = dp / 100;

  const double r20 = dd / 20;
  r.Areal = r20 * r20 * kPi;

  r.Trykhoejde = head;

  const double r200 = dd / 200;
  r.ArealCm2 = r200 * r200 * kPi;

  r.LSek = std::sqrt(r.Trykhoejde) * r.ArealCm2 * kK;

  r.KrSek = dp / 100000 * r.LSek;
  r.LMin = r.LSek * 60;
  r.KrMin = dp / 100000 * r.LSek * 60;
  r.MH = r.LSek * 3.6;
  r.KrH = dp / 1000 * r.LSek * 36;
  r.MD = r.LSek * 86.4;
  r.KrD = dp / 1000 * r.LSek * 36 * 24;
  r.MM = r.LSek * 31536 / 12;
  r.KrMd = dp / 1000 * r.LSek * 36 * 24 * 365 / 12;
  r.MAr = r.LSek * 31536;
  r.KrAr = dp / 1000 * r.LSek * 36 * 24 * 365;
  return r;
}

float CirkelDiameter(std::int16_t d, double c) {
  const double scale = c / 1000;
  return static_cast<float>(static_cast<double>(d) * scale);
}

}  // namespace vesparo

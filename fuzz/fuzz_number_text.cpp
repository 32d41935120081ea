// Fuzzes the two number texts with any double and any float bit pattern.
//
// Every finite binary number m × 2^e has a finite decimal expansion, so the rounding the
// texts promise can be checked against the whole expansion written out digit by digit:
// this target computes it with a small base-10^9 big integer (m × 2^e, or m × 5^-e shifted
// -e places), rounds the digit string by hand and builds the expected text. That shares
// nothing with the formatter, which works on 128-bit quotients. Besides, every text must
// parse back, separators undone, to the rounded value, and a double's 15-digit text and a
// three-decimal text of a modest value must come out the same when formatted again.
#include "model/number_text.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vesparo::Separators;

// Danish and English, and two more that make the separators' lengths differ: a group sign
// of several bytes (a narrow no-break space), and none at all.
const Separators kSeparators[] = {
    {",", "."}, {".", ","}, {",", "\u202f"}, {".", ""},
};

// A non-negative integer in base 10^9, least significant limb first.
class BigDecimal {
 public:
  explicit BigDecimal(std::uint64_t v) {
    do {
      limbs_.push_back(static_cast<std::uint32_t>(v % kBase));
      v /= kBase;
    } while (v != 0);
  }

  void MultiplyBy(std::uint32_t k) {  // k < 2^32, limb < 10^9: the product fits 64 bits
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t p = std::uint64_t{limb} * k + carry;
      limb = static_cast<std::uint32_t>(p % kBase);
      carry = p / kBase;
    }
    while (carry != 0) {
      limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
      carry /= kBase;
    }
  }

  std::string Digits() const {
    std::string s = std::to_string(limbs_.back());
    char buf[16];
    for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
      std::snprintf(buf, sizeof buf, "%09u", limbs_[i]);
      s += buf;
    }
    return s;
  }

 private:
  static constexpr std::uint64_t kBase = 1'000'000'000;
  std::vector<std::uint32_t> limbs_;
};

// The exact value of a finite non-negative double as a digit string with the position of
// the decimal point (digits[0, point) is the integer part). Always begins with a '0', so
// that rounding up never needs a new digit in front.
struct Expansion {
  std::string digits;
  std::size_t point;
};

Expansion Exact(double x) {
  const auto bits = std::bit_cast<std::uint64_t>(x);
  const int biased = static_cast<int>((bits >> 52) & 0x7ff);
  std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
  int e = -1074;
  if (biased != 0) {
    m |= std::uint64_t{1} << 52;
    e = biased - 1075;
  }
  BigDecimal n(m);
  std::size_t fraction = 0;
  if (e >= 0) {
    for (int i = 0; i < e; i += 16) n.MultiplyBy(1u << std::min(16, e - i));
  } else {
    fraction = static_cast<std::size_t>(-e);
    for (std::size_t i = 0; i < fraction; i += 13) {  // 5^13 < 2^32
      std::uint32_t p = 1;
      for (std::size_t j = i; j < std::min(fraction, i + 13); ++j) p *= 5;
      n.MultiplyBy(p);
    }
  }
  std::string d = n.Digits();
  if (d.size() < fraction + 1) d.insert(0, fraction + 1 - d.size(), '0');
  return {"0" + d, d.size() - fraction + 1};
}

// Cuts the expansion after `keep` digits (counted from its start), rounding up when the
// first digit cut off is 5 or more: on the exact expansion that is "a half or more", which
// is both "half away from zero" and "half up" for a non-negative number.
void RoundAt(Expansion& x, std::size_t keep) {
  if (x.digits.size() < keep + 1) x.digits.append(keep + 1 - x.digits.size(), '0');
  const bool up = x.digits[keep] >= '5';
  x.digits.resize(keep);
  if (up) {
    std::size_t i = keep;
    while (i-- > 0) {
      if (x.digits[i] == '9') {
        x.digits[i] = '0';
      } else {
        ++x.digits[i];
        break;
      }
    }
  }
}

std::string IntegerPart(const Expansion& x) {
  std::string s = x.digits.substr(0, std::min(x.point, x.digits.size()));
  if (x.digits.size() < x.point) s.append(x.point - x.digits.size(), '0');
  const std::size_t first = s.find_first_not_of('0');
  return first == std::string::npos ? "0" : s.substr(first);
}

std::string ExpectedPlain(double magnitude, int significant, const Separators& sep) {
  if (magnitude == 0) return "0";
  Expansion x = Exact(magnitude);
  const std::size_t lead = x.digits.find_first_not_of('0');
  RoundAt(x, lead + static_cast<std::size_t>(significant));
  std::string text = IntegerPart(x);
  std::string fraction = x.digits.size() > x.point ? x.digits.substr(x.point) : "";
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += sep.decimal + fraction;
  return text;
}

std::string ExpectedThreeDecimals(double magnitude, const Separators& sep) {
  Expansion x = Exact(magnitude);
  RoundAt(x, x.point + 3);
  const std::string digits = IntegerPart(x);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (digits.size() - i) % 3 == 0) text += sep.group;
    text += digits[i];
  }
  return text + sep.decimal + x.digits.substr(x.point, 3);
}

bool IsZeroText(const std::string& t) { return t.find_first_of("123456789") == std::string::npos; }

std::string WithSign(bool negative, std::string magnitudeText) {
  return negative && !IsZeroText(magnitudeText) ? "-" + magnitudeText : magnitudeText;
}

// The text with its separators undone, as a C locale number.
std::string Plain(std::string text, const Separators& sep) {
  if (!sep.group.empty())
    for (std::size_t p; (p = text.find(sep.group)) != std::string::npos;) text.erase(p, sep.group.size());
  if (const std::size_t p = text.find(sep.decimal); p != std::string::npos)
    text.replace(p, sep.decimal.size(), ".");
  return text;
}

double Parse(const std::string& plain) {
  double v = 0;
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), v);
  if (end != plain.data() + plain.size()) return std::nan("");
  // Fifteen digits of the largest doubles round up beyond the largest double.
  if (ec == std::errc::result_out_of_range) return plain[0] == '-' ? -HUGE_VAL : HUGE_VAL;
  if (ec != std::errc()) return std::nan("");
  return v;
}

[[noreturn]] void Fail(const char* what, double x, const std::string& got, const std::string& want) {
  std::fprintf(stderr, "%s: x = %a (%.17g)\n  got  \"%s\"\n  want \"%s\"\n", what, x, x, got.c_str(),
               want.c_str());
  std::abort();
}

void CheckSpecial(const char* what, double x, const std::string& got) {
  const std::string want = std::isnan(x) ? "NaN" : (x < 0 ? "-\u221e" : "\u221e");
  if (got != want) Fail(what, x, got, want);
}

// The text is the expected one and parses back to the rounded value.
void CheckText(const char* what, double x, const std::string& got, const std::string& want,
               const Separators& sep) {
  if (got != want) Fail(what, x, got, want);
  const double back = Parse(Plain(got, sep));
  const double rounded = Parse(Plain(want, sep));
  if (std::isnan(back) || back != rounded) Fail("text does not parse back", x, got, want);
}

void CheckDouble(double x, const Separators& sep) {
  const std::string plain = vesparo::TalTilTekst(x, sep);
  const std::string three = vesparo::TreDecimaler(x, sep);
  if (!std::isfinite(x)) {
    CheckSpecial("TalTilTekst(double)", x, plain);
    CheckSpecial("TreDecimaler", x, three);
    return;
  }
  const bool negative = std::signbit(x);
  const double magnitude = std::fabs(x);
  CheckText("TalTilTekst(double)", x, plain, WithSign(negative, ExpectedPlain(magnitude, 15, sep)), sep);
  CheckText("TreDecimaler", x, three, WithSign(negative, ExpectedThreeDecimals(magnitude, sep)), sep);

  // Fifteen digits survive a trip through a double (normal range), and so do three
  // decimals of a value well inside 2^53 thousandths: formatting the parsed text again
  // gives the same text.
  if (magnitude >= 0x1p-1022 && std::isfinite(Parse(Plain(plain, sep)))) {
    const std::string again = vesparo::TalTilTekst(Parse(Plain(plain, sep)), sep);
    if (again != plain) Fail("TalTilTekst(double) not stable", x, again, plain);
  }
  if (magnitude < 1e12) {
    const std::string again = vesparo::TreDecimaler(Parse(Plain(three, sep)), sep);
    if (again != three) Fail("TreDecimaler not stable", x, again, three);
  }
}

void CheckFloat(float f, const Separators& sep) {
  const std::string plain = vesparo::TalTilTekst(f, sep);
  const double x = f;  // exact
  if (!std::isfinite(x)) return CheckSpecial("TalTilTekst(float)", x, plain);
  CheckText("TalTilTekst(float)", x, plain,
            WithSign(std::signbit(x), ExpectedPlain(std::fabs(x), 7, sep)), sep);
}

void SelfTest() {
  // The expected texts themselves, on values whose texts are known.
  const Separators& dk = kSeparators[0];
  struct Case { double x; int sig; const char* want; };
  const Case plain[] = {{5, 15, "5"}, {5.5, 15, "5,5"}, {0.1, 15, "0,1"}, {0.01, 15, "0,01"},
                        {12.34, 15, "12,34"}, {100, 15, "100"}, {1000000000000005.0, 15, "1000000000000010"},
                        {double(1066.6666f), 7, "1066,667"}, {double(819.2f), 7, "819,2"}};
  for (const Case& c : plain)
    if (ExpectedPlain(c.x, c.sig, dk) != c.want) Fail("self test (plain)", c.x, ExpectedPlain(c.x, c.sig, dk), c.want);
  struct Three { double x; const char* want; };
  const Three three[] = {{0, "0,000"}, {19.634954084936208, "19,635"}, {0.0625, "0,063"},
                         {131400.01351873865, "131.400,014"}, {371655362.42841655, "371.655.362,428"},
                         {0.0014142137078706869, "0,001"}, {999.9995, "1.000,000"}};
  for (const Three& c : three)
    if (ExpectedThreeDecimals(c.x, dk) != c.want) Fail("self test (three)", c.x, ExpectedThreeDecimals(c.x, dk), c.want);
}

template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
  unsigned char raw[sizeof(T)] = {};
  const std::size_t n = std::min(size, sizeof(T));
  std::memcpy(raw, data, n);
  data += n;
  size -= n;
  T v;
  std::memcpy(&v, raw, sizeof v);
  return v;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  SelfTest();
  return 0;
}

// Input: one byte choosing the separators, eight bytes of a double, four of a float, then
// an integer and a binary exponent for a second double n × 2^-p, which reaches the exact
// ties (x.xxx5 and 16-digit ...5 values) far more often than random bit patterns do.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto choice = Take<std::uint8_t>(data, size);
  const Separators& sep = kSeparators[choice % std::size(kSeparators)];
  CheckDouble(Take<double>(data, size), sep);
  CheckFloat(Take<float>(data, size), sep);
  const auto n = Take<std::int64_t>(data, size);
  const auto p = Take<std::uint8_t>(data, size);
  CheckDouble(std::ldexp(static_cast<double>(n >> 10), -(p % 64)), sep);
  return 0;
}

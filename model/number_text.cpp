#include "model/number_text.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <system_error>

// How the rounding stays exact: a finite double is m × 2^e with an integer m below 2^53.
// Scaling it by a power of ten is then an integer quotient num / den, and the rounding
// decision is a comparison of the remainder with half the divisor, done in 128-bit
// integers. No floating-point operation touches the value on the way, so nothing is
// rounded twice. Where the integers would not fit (magnitudes far outside what the
// program shows), the exact decimal expansion of the value, which every binary number has,
// is written out in full and rounded as a digit string.

namespace vesparo {

namespace {

__extension__ typedef unsigned __int128 u128;

struct Binary {
  bool negative;
  std::uint64_t m;  // odd, below 2^53
  int e;            // value = m × 2^e
};

// x finite and not zero.
Binary Decompose(double x) {
  const auto bits = std::bit_cast<std::uint64_t>(x);
  const int biased = static_cast<int>((bits >> 52) & 0x7ff);
  std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
  int e;
  if (biased == 0) {
    e = -1074;  // subnormal
  } else {
    m |= std::uint64_t{1} << 52;
    e = biased - 1075;
  }
  const int tz = std::countr_zero(m);
  return Binary{(bits >> 63) != 0, m >> tz, e + tz};
}

int BitWidth(u128 v) {
  const auto hi = static_cast<std::uint64_t>(v >> 64);
  return hi != 0 ? 64 + std::bit_width(hi) : std::bit_width(static_cast<std::uint64_t>(v));
}

constexpr std::array<std::uint64_t, 28> kPow5 = [] {
  std::array<std::uint64_t, 28> a{};
  a[0] = 1;
  for (std::size_t i = 1; i < a.size(); ++i) a[i] = a[i - 1] * 5;
  return a;
}();

constexpr std::array<u128, 39> kPow10 = [] {
  std::array<u128, 39> a{};
  a[0] = 1;
  for (std::size_t i = 1; i < a.size(); ++i) a[i] = a[i - 1] * 10;
  return a;
}();

// floor(m × 2^e × 10^k) and whether the part cut off is at least one half. False when the
// integers would not fit in 128 bits.
bool ScaledQuotient(std::uint64_t m, int e, int k, u128& q, bool& halfOrMore) {
  u128 num;
  u128 den;
  if (k >= 0) {
    if (k >= static_cast<int>(kPow5.size())) return false;
    const u128 a = static_cast<u128>(m) * kPow5[static_cast<std::size_t>(k)];
    const int sh = e + k;  // 10^k = 5^k × 2^k
    if (sh >= 0) {
      if (BitWidth(a) + sh > 127) return false;
      q = a << sh;
      halfOrMore = false;
      return true;
    }
    const int s = -sh;
    if (s > 127) return false;
    q = a >> s;
    const u128 rem = a & ((u128{1} << s) - 1);
    halfOrMore = rem >= (u128{1} << (s - 1));
    return true;
  }
  const int j = -k;
  if (j >= static_cast<int>(kPow10.size())) return false;
  num = m;
  den = kPow10[static_cast<std::size_t>(j)];
  if (e >= 0) {
    if (std::bit_width(m) + e > 127) return false;
    num <<= e;
  } else {
    if (BitWidth(den) - e > 127) return false;
    den <<= -e;
  }
  q = num / den;
  const u128 rem = num % den;
  halfOrMore = rem >= den - rem;
  return true;
}

// A rounded decimal magnitude: the significant digits (no leading or trailing zeros, at
// least one digit) and the position of the decimal point, value = 0.digits × 10^point.
// The longest case is the exact expansion of the smallest subnormal, 751 digits.
struct Decimal {
  char digits[800];
  int length = 0;
  int point = 0;
};

void StripTrailingZeros(Decimal& d) {
  while (d.length > 1 && d.digits[d.length - 1] == '0') --d.length;
}

// The exact decimal expansion of |x| (finite, not zero), every digit of it.
void ExactDigits(double x, const Binary& b, Decimal& out) {
  // An odd m × 2^e with e < 0 has exactly -e decimals, so this precision loses nothing.
  const int precision = b.e < 0 ? -b.e : 0;
  char buf[310 + 1 + 1075];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::fixed, precision);
  // Value = 0.(every digit written) × 10^(number of integer digits); each leading zero
  // skipped moves the point one place left ("0.00123": 0.123 × 10^-2).
  const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
  const std::size_t dot = text.find('.');
  out.point = static_cast<int>(dot == std::string_view::npos ? text.size() : dot);
  out.length = 0;
  bool leading = true;
  for (const char c : text) {
    if (c == '.') continue;
    if (leading && c == '0') {
      --out.point;
      continue;
    }
    leading = false;
    out.digits[out.length++] = c;
  }
  StripTrailingZeros(out);
}

// Rounds an exact digit string to `significant` digits, a half going away from zero. With
// every digit at hand the decision needs only the first digit cut off: 5 or more means the
// cut-off part is at least one half.
void RoundDigits(Decimal& d, int significant) {
  if (d.length <= significant) return;
  const bool up = d.digits[significant] >= '5';
  d.length = significant;
  if (up) {
    int i = significant - 1;
    while (i >= 0 && d.digits[i] == '9') --i;
    if (i < 0) {
      d.digits[0] = '1';
      d.length = 1;
      ++d.point;
    } else {
      ++d.digits[i];
      d.length = i + 1;
    }
  }
  StripTrailingZeros(d);
}

void FromInteger(std::uint64_t n, int point_shift, Decimal& out) {
  const auto res = std::to_chars(out.digits, out.digits + sizeof out.digits, n);
  out.length = static_cast<int>(res.ptr - out.digits);
  out.point = out.length + point_shift;
  StripTrailingZeros(out);
}

// |x| to `significant` significant digits (15 or 7), a half away from zero.
void RoundSignificant(double x, const Binary& b, int significant, Decimal& out) {
  const std::uint64_t low =
      static_cast<std::uint64_t>(kPow10[static_cast<std::size_t>(significant - 1)]);
  const std::uint64_t high = low * 10;
  // A first guess of the decimal exponent from the binary one; the loop corrects it.
  const int binExp = std::bit_width(b.m) - 1 + b.e;  // 2^binExp <= |x| < 2^(binExp+1)
  int decExp = static_cast<int>(std::floor(binExp * 0.30102999566398120));
  for (int attempt = 0; attempt < 4; ++attempt) {
    const int k = significant - 1 - decExp;
    u128 q;
    bool halfOrMore;
    if (!ScaledQuotient(b.m, b.e, k, q, halfOrMore)) break;
    if (q >= high) {
      ++decExp;
      continue;
    }
    if (q < low) {
      --decExp;
      continue;
    }
    auto n = static_cast<std::uint64_t>(q) + (halfOrMore ? 1 : 0);
    FromInteger(n, -k, out);  // 10^significant rounds to one digit "1"; the point follows
    return;
  }
  ExactDigits(x, b, out);
  RoundDigits(out, significant);
}

void Append(char*& p, std::string_view s) {
  std::memcpy(p, s.data(), s.size());
  p += s.size();
}

void AppendZeros(char*& p, int n) {
  if (n <= 0) return;
  std::memset(p, '0', static_cast<std::size_t>(n));
  p += n;
}

std::string NonFinite(double x) {
  if (std::isnan(x)) return "NaN";
  return x < 0 ? "-∞" : "∞";
}

std::string PlainText(double x, int significant, const Separators& sep) {
  if (!std::isfinite(x)) return NonFinite(x);
  if (x == 0) return "0";
  const Binary b = Decompose(x);
  Decimal d;
  RoundSignificant(x, b, significant, d);

  // The exact length first, so that the text is allocated once and no longer than needed
  // (at most 309 integer digits, or 323 zeros after the separator before the digits).
  std::size_t size = b.negative ? 1 : 0;
  if (d.point <= 0) {
    size += 1 + sep.decimal.size() + static_cast<std::size_t>(-d.point + d.length);
  } else if (d.point >= d.length) {
    size += static_cast<std::size_t>(d.point);
  } else {
    size += static_cast<std::size_t>(d.length) + sep.decimal.size();
  }
  std::string out(size, '\0');
  char* p = out.data();
  if (b.negative) *p++ = '-';
  const std::string_view digits(d.digits, static_cast<std::size_t>(d.length));
  if (d.point <= 0) {
    *p++ = '0';
    Append(p, sep.decimal);
    AppendZeros(p, -d.point);
    Append(p, digits);
  } else if (d.point >= d.length) {
    Append(p, digits);
    AppendZeros(p, d.point - d.length);
  } else {
    Append(p, digits.substr(0, static_cast<std::size_t>(d.point)));
    Append(p, sep.decimal);
    Append(p, digits.substr(static_cast<std::size_t>(d.point)));
  }
  return out;
}

}  // namespace

std::string TalTilTekst(double x, const Separators& sep) { return PlainText(x, 15, sep); }

// A single widens to double exactly, so the digits are those of the single's own value.
std::string TalTilTekst(float x, const Separators& sep) {
  return PlainText(static_cast<double>(x), 7, sep);
}

std::string TreDecimaler(double x, const Separators& sep) {
  if (!std::isfinite(x)) return NonFinite(x);

  // The integer part as digits and the three decimals as a number 0..999.
  char integer[320];
  int integerLength;
  unsigned thousandths = 0;
  bool negative = false;
  if (x == 0) {
    integer[0] = '0';
    integerLength = 1;
  } else {
    const Binary b = Decompose(x);
    negative = b.negative;
    if (b.e >= 0) {
      // A whole number. Below 2^64 it converts exactly; above, the digits are exact too,
      // since a whole number needs no rounding at all.
      const double mag = std::fabs(x);
      const auto res =
          mag < 18446744073709551616.0
              ? std::to_chars(integer, integer + sizeof integer, static_cast<std::uint64_t>(mag))
              : std::to_chars(integer, integer + sizeof integer, mag, std::chars_format::fixed, 0);
      integerLength = static_cast<int>(res.ptr - integer);
    } else {
      // m × 1000 stays below 2^63. Shifted right by 64 or more it is below one half, so
      // the value rounds to 0,000.
      const std::uint64_t scaled = b.m * 1000;
      const int s = -b.e;
      std::uint64_t total = 0;
      if (s < 64) {
        total = scaled >> s;
        const std::uint64_t rem = scaled & ((std::uint64_t{1} << s) - 1);
        if (rem >= (std::uint64_t{1} << (s - 1))) ++total;  // an exact half goes up
      }
      thousandths = static_cast<unsigned>(total % 1000);
      const auto res = std::to_chars(integer, integer + sizeof integer, total / 1000);
      integerLength = static_cast<int>(res.ptr - integer);
    }
  }
  // A value that rounds to nothing shows no sign: "0,000", never "-0,000".
  if (integerLength == 1 && integer[0] == '0' && thousandths == 0) negative = false;

  const int groups = (integerLength - 1) / 3;
  std::string out;
  out.resize(1 + static_cast<std::size_t>(integerLength) +
             static_cast<std::size_t>(groups) * sep.group.size() + sep.decimal.size() + 3);
  char* p = out.data();
  if (negative) *p++ = '-';
  for (int i = 0; i < integerLength; ++i) {
    if (i > 0 && (integerLength - i) % 3 == 0) Append(p, sep.group);
    *p++ = integer[i];
  }
  Append(p, sep.decimal);
  *p++ = static_cast<char>('0' + thousandths / 100);
  *p++ = static_cast<char>('0' + thousandths / 10 % 10);
  *p++ = static_cast<char>('0' + thousandths % 10);
  out.resize(static_cast<std::size_t>(p - out.data()));
  return out;
}

}  // namespace vesparo

// The two number texts, character for character. Rounding must be decided on the exact
// binary value: the rows below include exact ties and values just below a tie, and the
// table of common shortcuts shows that each of them gets one of these rows wrong.
#include <QtTest>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "model/loss.h"
#include "model/number_text.h"

using vesparo::Separators;
using vesparo::TalTilTekst;
using vesparo::TreDecimaler;

namespace {

const Separators kDa{",", "."};
const Separators kEn{".", ","};
const Separators kPlain{".", ""};  // the shortcuts below write no group separators

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Danish text to English: the decimal comma and the group point change places.
QString English(QString da) {
  for (QChar& c : da) {
    if (c == ',')
      c = '.';
    else if (c == '.')
      c = ',';
  }
  return da;
}

// ---------------------------------------------------------------------------------------
// A slow, independent reference: the complete decimal expansion of the value as text
// (every binary number has a finite one), rounded as a string of digits.

// value = 0.digits × 10^point
struct Digits {
  std::string digits;
  int point = 0;
};

// From positional text without a sign, "123.456" or "0.00012".
Digits FromPositional(std::string_view text) {
  Digits d;
  const auto dot = text.find('.');
  d.point = static_cast<int>(dot == std::string_view::npos ? text.size() : dot);
  bool leading = true;
  for (char c : text) {
    if (c == '.') continue;
    if (leading && c == '0') {
      --d.point;
      continue;
    }
    leading = false;
    d.digits += c;
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

std::string ExactExpansion(double x) {
  static char buf[400 + 1100];
  const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::fixed, 1100);
  return std::string(buf, r.ptr);
}

// Keeps `count` digits; the digits cut off are at least one half when the first is 5 or more.
void RoundHalfAway(Digits& d, int count) {
  if (count < 0) {
    d.digits.clear();
    return;
  }
  if (static_cast<int>(d.digits.size()) <= count) return;
  const bool up = d.digits[static_cast<std::size_t>(count)] >= '5';
  d.digits.resize(static_cast<std::size_t>(count));
  if (up) {
    int i = count - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9')
      d.digits[static_cast<std::size_t>(i--)] = '0';
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.point;
    } else {
      ++d.digits[static_cast<std::size_t>(i)];
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

std::string Plain(const Digits& d, bool negative, const Separators& sep) {
  if (d.digits.empty()) return "0";
  std::string s = negative ? "-" : "";
  const int n = static_cast<int>(d.digits.size());
  if (d.point <= 0) {
    s += "0" + sep.decimal + std::string(static_cast<std::size_t>(-d.point), '0') + d.digits;
  } else if (d.point >= n) {
    s += d.digits + std::string(static_cast<std::size_t>(d.point - n), '0');
  } else {
    s += d.digits.substr(0, static_cast<std::size_t>(d.point)) + sep.decimal +
         d.digits.substr(static_cast<std::size_t>(d.point));
  }
  return s;
}

std::string Grouped(const Digits& rounded, bool negative, const Separators& sep) {
  // Integer digits and exactly three decimals from the rounded digits.
  std::string all;
  if (rounded.point < 0) all = std::string(static_cast<std::size_t>(-rounded.point), '0');
  all += rounded.digits;
  const int integerDigits = std::max(rounded.point, 0);
  all.resize(static_cast<std::size_t>(integerDigits + 3), '0');
  std::string integer = all.substr(0, static_cast<std::size_t>(integerDigits));
  if (integer.empty()) integer = "0";
  std::string s = negative && !rounded.digits.empty() ? "-" : "";
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) s += sep.group;
    s += integer[i];
  }
  return s + sep.decimal + all.substr(static_cast<std::size_t>(integerDigits));
}

std::string RefSignificant(std::string_view positional, bool negative, int significant,
                           const Separators& sep) {
  Digits d = FromPositional(positional);
  RoundHalfAway(d, significant);
  return Plain(d, negative, sep);
}

std::string RefThree(std::string_view positional, bool negative, const Separators& sep) {
  Digits d = FromPositional(positional);
  RoundHalfAway(d, d.point + 3);  // digits up to the third decimal
  return Grouped(d, negative, sep);
}

std::string RefTalTilTekst(double x, int significant, const Separators& sep) {
  return RefSignificant(ExactExpansion(x), std::signbit(x), significant, sep);
}

std::string RefTreDecimaler(double x, const Separators& sep) {
  return RefThree(ExactExpansion(x), std::signbit(x), sep);
}

// ---------------------------------------------------------------------------------------
// Common shortcuts, each of which gets some values wrong (English text, no grouping).

std::string Printf(const char* format, double x) {
  char buf[512];
  std::snprintf(buf, sizeof buf, format, x);
  return buf;
}

bool IsThreeDecimals(const QString& kind) {
  return kind == "printf %.3f" || kind == "round(x × 1000)" || kind == "17 digits, then 3 decimals";
}

std::string Shortcut(const QString& kind, double x) {
  if (kind == "printf %.15g") return Printf("%.15g", x);  // exact, but ties to even
  if (kind == "printf %.7g, single") return Printf("%.7g", x);
  if (kind == "printf %.3f") return Printf("%.3f", x);  // exact, but ties to even
  if (kind == "17 digits, then 15") return RefSignificant(Printf("%.17g", x), false, 15, kPlain);
  if (kind == "shortest, then 15" || kind == "shortest single, then 7") {
    char buf[400];
    const auto r =
        kind.contains("single")
            ? std::to_chars(buf, buf + sizeof buf, static_cast<float>(x), std::chars_format::fixed)
            : std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
    return RefSignificant(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)), false,
                          kind.contains("single") ? 7 : 15, kPlain);
  }
  if (kind == "round(x × 1000)") {
    const auto n = static_cast<long long>(std::round(x * 1000));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%lld.%03lld", n / 1000, n % 1000);
    return buf;
  }
  if (kind == "17 digits, then 3 decimals") return RefThree(Printf("%.17g", x), false, kPlain);
  qFatal("unknown shortcut");
}

}  // namespace

class TestNumberText : public QObject {
  Q_OBJECT

 private slots:
  void talTilTekstDouble_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("danish");

    QTest::newRow("5") << 5.0 << "5";
    QTest::newRow("5.5") << 5.5 << "5,5";
    QTest::newRow("0.1") << 0.1 << "0,1";
    QTest::newRow("0.01") << 0.01 << "0,01";
    QTest::newRow("12.34") << 12.34 << "12,34";
    QTest::newRow("100") << 100.0 << "100";
    QTest::newRow("0") << 0.0 << "0";
    // Echoes of slider positions, computed as the model does.
    QTest::newRow("price 1234 / 100") << 1234 / 100.0 << "12,34";
    QTest::newRow("price 1000 / 100") << 1000 / 100.0 << "10";
    QTest::newRow("pressure 3 / 10") << 3 / 10.0 << "0,3";
    QTest::newRow("diameter 1 / 10") << 1 / 10.0 << "0,1";
    QTest::newRow("price 1 / 100") << 1 / 100.0 << "0,01";
    // Exact ties at the sixteenth digit go away from zero.
    QTest::newRow("tie 1000000000000005") << 1000000000000005.0 << "1000000000000010";
    QTest::newRow("tie 1234567890123.125") << 1234567890123.125 << "1234567890123,13";
    // 606.0835597637805 prints so with 16 and 17 digits, but its exact value is
    // 606.08355976378049945…, below the half.
    QTest::newRow("just below a half") << 606.0835597637805 << "606,08355976378";
    QTest::newRow("6014.618952238965, below a half") << 6014.618952238965 << "6014,61895223896";
    // Rounding carries through every digit.
    QTest::newRow("0.9999999999999999") << 0.9999999999999999 << "1";
    QTest::newRow("999999999999999.875") << 999999999999999.875 << "1000000000000000";
    // Outside what the program shows: a minus sign and the same rules on the magnitude,
    // always positional.
    QTest::newRow("-12.34") << -12.34 << "-12,34";
    QTest::newRow("-0") << -0.0 << "0";
    QTest::newRow("-1000000000000005") << -1000000000000005.0 << "-1000000000000010";
    QTest::newRow("1e15") << 1e15 << "1000000000000000";
    QTest::newRow("1e300") << 1e300 << "1" + QString(300, '0');
    QTest::newRow("largest double") << DBL_MAX << "179769313486232" + QString(294, '0');
    QTest::newRow("smallest normal") << DBL_MIN << "0," + QString(307, '0') + "22250738585072";
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min()
                                        << "0," + QString(323, '0') + "494065645841247";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "NaN";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "∞";
    QTest::newRow("-infinity") << -std::numeric_limits<double>::infinity() << "-∞";
  }

  void talTilTekstDouble() {
    QFETCH(double, x);
    QFETCH(QString, danish);
    QCOMPARE(Q(TalTilTekst(x, kDa)), danish);
    QCOMPARE(Q(TalTilTekst(x, kEn)), English(danish));
  }

  void talTilTekstSingle_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<QString>("danish");
    QTest::newRow("1024") << 1024.0f << "1024";
    QTest::newRow("768") << 768.0f << "768";
    QTest::newRow("819.2") << 819.2f << "819,2";
    QTest::newRow("1066.6666") << 1066.6666f << "1066,667";
    QTest::newRow("16000 / 15") << static_cast<float>(16000.0 / 15) << "1066,667";
    // An exact tie at the eighth digit goes away from zero (to even it would be …062).
    QTest::newRow("tie 1024.0625") << 1024.0625f << "1024,063";
    // Shortest text 24.239155, exact value 24.2391548156…: below the half.
    QTest::newRow("just below a half") << 24.239155f << "24,23915";
    QTest::newRow("-819.2") << -819.2f << "-819,2";
    QTest::newRow("largest single") << FLT_MAX << "3402823" + QString(32, '0');
    QTest::newRow("smallest subnormal single")
        << std::numeric_limits<float>::denorm_min() << "0," + QString(44, '0') + "1401298";
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << "NaN";
    QTest::newRow("-infinity") << -std::numeric_limits<float>::infinity() << "-∞";
  }

  void talTilTekstSingle() {
    QFETCH(float, x);
    QFETCH(QString, danish);
    QCOMPARE(Q(TalTilTekst(x, kDa)), danish);
    QCOMPARE(Q(TalTilTekst(x, kEn)), English(danish));
  }

  void treDecimaler_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("danish");
    QTest::newRow("0") << 0.0 << "0,000";
    QTest::newRow("start-up area") << 19.634954084936208 << "19,635";
    QTest::newRow("start-up l/s") << 0.41666670953430573 << "0,417";
    QTest::newRow("start-up l/min") << 25.000002572058342 << "25,000";
    QTest::newRow("start-up m³/month") << 1095.0001126561554 << "1.095,000";
    QTest::newRow("start-up kr/year") << 131400.01351873865 << "131.400,014";
    QTest::newRow("largest kr/year") << 371655362.42841655 << "371.655.362,428";
    QTest::newRow("largest m³/year") << 7433107.248568331 << "7.433.107,249";
    QTest::newRow("smallest l/s") << 0.00002357022846451145 << "0,000";
    QTest::newRow("0.0014142137078706869") << 0.0014142137078706869 << "0,001";
    // Exact ties go up (to even, 0.0625 would give 0,062).
    QTest::newRow("tie 0.0625") << 0.0625 << "0,063";
    QTest::newRow("tie 0.3125") << 0.3125 << "0,313";
    QTest::newRow("tie 1234.5625") << 1234.5625 << "1.234,563";
    QTest::newRow("tie 4503599627370495.5") << 4503599627370495.5 << "4.503.599.627.370.495,500";
    // Not representable: each rounds by its true binary value.
    QTest::newRow("1.0005 is 1.000499999…") << 1.0005 << "1,000";
    QTest::newRow("1.0025 is 1.002499999…") << 1.0025 << "1,002";
    QTest::newRow("0.0005 is 0.000500000…01") << 0.0005 << "0,001";
    QTest::newRow("3416.2855 is 3416.285499…") << 3416.2855 << "3.416,285";
    QTest::newRow("70818.2215 is 70818.221499…") << 70818.2215 << "70.818,221";
    QTest::newRow("999.9995 is 999.999500…01") << 999.9995 << "1.000,000";
    QTest::newRow("999999.9996") << 999999.9996 << "1.000.000,000";
    // Outside what the program shows.
    QTest::newRow("-0.0625") << -0.0625 << "-0,063";
    QTest::newRow("-1234.5") << -1234.5 << "-1.234,500";
    QTest::newRow("-0.0004 rounds to no sign") << -0.0004 << "0,000";
    QTest::newRow("-0") << -0.0 << "0,000";
    QTest::newRow("2^53") << 9007199254740992.0 << "9.007.199.254.740.992,000";
    QTest::newRow("2^64") << 18446744073709551616.0 << "18.446.744.073.709.551.616,000";
    QTest::newRow("1e300")
        << 1e300
        << "1.000.000.000.000.000.052.504.760.255.204.420.248.704.468.581.108.159.154.915.854."
           "115.511.802.457.988.908.195.786.371.375.080.447.864.043.704.443.832.883.878.176.942."
           "523.235.360.430.575.644.792.184.786.706.982.848.387.200.926.575.803.737.830.233.794."
           "788.090.059.368.953.234.970.799.945.081.119.038.967.640.880.074.652.742.780.142.494."
           "579.258.788.820.056.842.838.115.669.472.196.386.865.459.400.540.160,000";
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << "0,000";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "NaN";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "∞";
  }

  void treDecimaler() {
    QFETCH(double, x);
    QFETCH(QString, danish);
    QCOMPARE(Q(TreDecimaler(x, kDa)), danish);
    QCOMPARE(Q(TreDecimaler(x, kEn)), English(danish));
  }

  void largestDoubleIsWrittenInFull() {
    const std::string s = TreDecimaler(DBL_MAX, kDa);
    QVERIFY(s.starts_with("179.769.313.486.231.570.814.527.423.731.704.356.798"));
    QVERIFY(s.ends_with(".858.368,000"));
    QCOMPARE(s.size(), std::size_t{309 + 102 + 4});  // 309 digits, 102 points, ",000"
    QCOMPARE(Q(TreDecimaler(-DBL_MAX, kDa)), "-" + Q(s));
  }

  // Separators are UTF-8 text of any length, or none at all.
  void separators_data() {
    QTest::addColumn<QString>("function");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no-break space")
        << "TreDecimaler" << 371655362.42841655 << "," << QString(QChar(0x00A0))
        << QString("371\u00A0655\u00A0362,428");
    QTest::newRow("narrow no-break space, three bytes")
        << "TreDecimaler" << 7433107.248568331 << "," << QString(QChar(0x202F))
        << QString("7\u202F433\u202F107,249");
    QTest::newRow("apostrophe") << "TreDecimaler" << 1095.0001126561554 << "."
                                << "’"
                                << "1’095.000";
    QTest::newRow("no group separator") << "TreDecimaler" << 371655362.42841655 << ","
                                        << ""
                                        << "371655362,428";
    QTest::newRow("Arabic decimal separator") << "TalTilTekst" << 12.34 << "٫"
                                              << "٬"
                                              << "12٫34";
  }

  void separators() {
    QFETCH(QString, function);
    QFETCH(double, x);
    QFETCH(QString, decimal);
    QFETCH(QString, group);
    QFETCH(QString, expected);
    const Separators sep{decimal.toStdString(), group.toStdString()};
    const std::string got = function == "TreDecimaler" ? TreDecimaler(x, sep) : TalTilTekst(x, sep);
    QCOMPARE(Q(got), expected);
  }

  // Each shortcut gets its row wrong; the formatter gets every row right.
  void shortcutsGoWrong_data() {
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("expected");  // English, no grouping
    QTest::newRow("%.15g, tie") << "printf %.15g" << 1000000000000005.0 << "1000000000000010";
    QTest::newRow("%.15g, tie with decimals")
        << "printf %.15g" << 1234567890123.125 << "1234567890123.13";
    QTest::newRow("17 digits") << "17 digits, then 15" << 606.0835597637805 << "606.08355976378";
    QTest::newRow("shortest") << "shortest, then 15" << 6014.618952238965 << "6014.61895223896";
    QTest::newRow("%.7g, single tie") << "printf %.7g, single" << 1024.0625 << "1024.063";
    QTest::newRow("shortest single")
        << "shortest single, then 7" << static_cast<double>(24.239155f) << "24.23915";
    QTest::newRow("%.3f, tie") << "printf %.3f" << 0.0625 << "0.063";
    QTest::newRow("%.3f, tie 1234.5625") << "printf %.3f" << 1234.5625 << "1234.563";
    QTest::newRow("x × 1000 rounds to 1000.5") << "round(x × 1000)" << 1.0005 << "1.000";
    QTest::newRow("x × 1000 rounds to 1002.5") << "round(x × 1000)" << 1.0025 << "1.002";
    QTest::newRow("17 digits, 3 decimals")
        << "17 digits, then 3 decimals" << 3416.2855 << "3416.285";
    QTest::newRow("17 digits, 3 decimals, 70818.2215")
        << "17 digits, then 3 decimals" << 70818.2215 << "70818.221";
  }

  void shortcutsGoWrong() {
    QFETCH(QString, shortcut);
    QFETCH(double, x);
    QFETCH(QString, expected);
    QVERIFY2(Q(Shortcut(shortcut, x)) != expected,
             qPrintable("the shortcut gave " + Q(Shortcut(shortcut, x))));
    std::string got;
    if (IsThreeDecimals(shortcut))
      got = TreDecimaler(x, kPlain);
    else if (shortcut.contains("single"))
      got = TalTilTekst(static_cast<float>(x), kPlain);
    else
      got = TalTilTekst(x, kPlain);
    QCOMPARE(Q(got), expected);
  }

  // The fast integer paths against the slow exact expansion: every field of random
  // recalculations, values right at and beside ties, and random bit patterns of every
  // magnitude.
  void agreesWithExactExpansion() {
    std::mt19937_64 rng(20240601);
    int checked = 0;
    QStringList wrong;  // the first few disagreements, with the value that gave them
    auto report = [&](const QString& call, const std::string& got, const std::string& want) {
      ++checked;
      if (got != want && wrong.size() < 5)
        wrong << QString("%1: %2, want %3").arg(call, Q(got), Q(want));
    };
    auto check3 = [&](double x) {
      if (std::isfinite(x))
        report(QString("TreDecimaler(%1)").arg(x, 0, 'g', 17), TreDecimaler(x, kDa),
               RefTreDecimaler(x, kDa));
    };
    auto check15 = [&](double x) {
      if (std::isfinite(x))
        report(QString("TalTilTekst(%1)").arg(x, 0, 'g', 17), TalTilTekst(x, kDa),
               RefTalTilTekst(x, 15, kDa));
    };
    auto check7 = [&](float x) {
      if (std::isfinite(x))
        report(QString("TalTilTekst(%1f)").arg(x, 0, 'g', 9), TalTilTekst(x, kDa),
               RefTalTilTekst(x, 7, kDa));
    };

    std::uniform_int_distribution<int> d(0, 1000), b(0, 100), p(0, 5000);
    for (int i = 0; i < 3000; ++i) {
      const auto r =
          vesparo::BeregnTab(static_cast<std::int16_t>(d(rng)), static_cast<std::int16_t>(b(rng)),
                             static_cast<std::int16_t>(p(rng)));
      for (double v : {r.Areal, r.LSek, r.KrSek, r.LMin, r.KrMin, r.MH, r.KrH, r.MD, r.KrD, r.MM,
                       r.KrMd, r.MAr, r.KrAr})
        check3(v);
      for (double v : {r.Diameter, r.Bar, r.KrPerKubik}) check15(v);
    }
    // Next to the ties n/1000 + 0.0005 and to sixteen-digit decimals ending in 5.
    std::uniform_int_distribution<std::int64_t> thousandths(0, std::int64_t{1} << 50);
    for (int i = 0; i < 5000; ++i) {
      const std::int64_t n = thousandths(rng) >> (rng() % 50);
      double x = std::strtod(
          (std::to_string(n / 1000) + "." + std::to_string(1000 + n % 1000).substr(1) + "5")
              .c_str(),
          nullptr);
      x = std::nextafter(std::nextafter(x, 0.0), 0.0);
      for (int k = 0; k < 5; ++k, x = std::nextafter(x, INFINITY)) check3(x);
    }
    std::uniform_int_distribution<std::int64_t> fifteen(100000000000000, 999999999999999);
    for (int i = 0; i < 5000; ++i) {
      const std::string text =
          std::to_string(fifteen(rng)) + "5e" + std::to_string(static_cast<int>(rng() % 60) - 40);
      double x = std::nextafter(std::strtod(text.c_str(), nullptr), 0.0);
      for (int k = 0; k < 3; ++k, x = std::nextafter(x, INFINITY)) check15(x);
      float f = std::nextafter(
          std::strtof((text.substr(0, 7) + "5e" + std::to_string(static_cast<int>(rng() % 20) - 10))
                          .c_str(),
                      nullptr),
          0.0f);
      for (int k = 0; k < 3; ++k, f = std::nextafter(f, INFINITY)) check7(f);
    }
    for (int i = 0; i < 20000; ++i) {
      const double x = std::bit_cast<double>(rng());
      check3(x);
      check15(x);
      check7(std::bit_cast<float>(static_cast<std::uint32_t>(rng())));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
    QVERIFY(checked > 100000);
  }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "test_number_text.moc"

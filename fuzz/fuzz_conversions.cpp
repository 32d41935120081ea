// Fuzzes the three text-to-number conversions of the settings store (TilDouble, TilSingle,
// TilHeltal16) on arbitrary bytes, under Danish and English regional settings.
//
// The bytes reach the conversions in three ways, because a hand-edited settings file can
// hold anything: decoded as UTF-8 (invalid sequences included), as Latin-1, and as raw
// UTF-16 code units (lone surrogates included). What must hold for every text:
// - nothing crashes, and the text comes back unchanged beside the result;
// - a converted double is finite; a single is finite and the double's value rounded to
//   single precision; the 16-bit integer is the double rounded half to even, and the
//   16-bit conversion fails exactly when that lies outside -32768..32767;
// - the plain digits of any 16-bit number, blanks around them or not, convert exactly in
//   all three types under either locale, as the program's own writes must.
#include "settings/settings_store.h"

#include <QLocale>
#include <QString>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const QLocale& Locale(int i) {
  static const QLocale danish(QLocale::Danish, QLocale::Denmark);
  static const QLocale english(QLocale::English, QLocale::UnitedStates);
  return i % 2 == 0 ? danish : english;
}

[[noreturn]] void Fail(const char* what, const QString& text, const QLocale& locale) {
  std::fprintf(stderr, "%s: locale %s, text \"%s\" (%lld UTF-16 units)\n", what,
               qPrintable(locale.name()), text.toUtf8().toHex(' ').constData(),
               static_cast<long long>(text.size()));
  std::abort();
}

double HalfEven(double d) {
  const double below = std::floor(d);
  const double rest = d - below;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0)) return below + 1;
  return below;
}

void Check(const QString& text, const QLocale& locale) {
  const auto d = vesparo::TilDouble(text, locale);
  const auto f = vesparo::TilSingle(text, locale);
  const auto i = vesparo::TilHeltal16(text, locale);
  if (d.tekst != text || f.tekst != text || i.tekst != text) Fail("text not kept", text, locale);

  if (!d.ok()) {
    if (f.ok() || i.ok()) Fail("single or integer without a double", text, locale);
    return;
  }
  const double v = *d.vaerdi;
  if (!std::isfinite(v)) Fail("double not finite", text, locale);

  if (std::fabs(v) <= double(FLT_MAX)) {
    if (!f.ok() || *f.vaerdi != static_cast<float>(v)) Fail("single is not the double rounded", text, locale);
  } else if (f.ok()) {
    Fail("single beyond its range", text, locale);
  }

  const double r = HalfEven(v);
  if (r >= -32768.0 && r <= 32767.0) {
    if (!i.ok() || *i.vaerdi != static_cast<std::int16_t>(r))
      Fail("integer is not the double rounded half to even", text, locale);
  } else if (i.ok()) {
    Fail("integer outside 16 bits", text, locale);
  }
}

void CheckOwnText(std::int16_t n, const QLocale& locale, bool blanks) {
  QString text = QString::number(n);
  if (blanks) text = QStringLiteral("  ") + text + QStringLiteral("\t ");
  const auto d = vesparo::TilDouble(text, locale);
  const auto f = vesparo::TilSingle(text, locale);
  const auto i = vesparo::TilHeltal16(text, locale);
  if (!d.ok() || *d.vaerdi != n || !f.ok() || *f.vaerdi != n || !i.ok() || *i.vaerdi != n)
    Fail("plain digits do not convert exactly", text, locale);
}

}  // namespace

// Input: one byte choosing the locale and the decoding, the rest is the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t choice = data[0];
  const char* bytes = reinterpret_cast<const char*>(data + 1);
  const auto n = static_cast<qsizetype>(size - 1);
  const QLocale& locale = Locale(choice);

  QString text;
  switch ((choice >> 1) % 3) {
    case 0: text = QString::fromUtf8(bytes, n); break;
    case 1: text = QString::fromLatin1(bytes, n); break;
    default: {
      text.resize(n / 2);
      std::memcpy(text.data(), bytes, static_cast<std::size_t>(n / 2) * 2);
      break;
    }
  }
  Check(text, locale);

  if (size >= 3) {
    std::int16_t own;
    std::memcpy(&own, data + 1, 2);
    CheckOwnText(own, locale, (choice & 0x80) != 0);
  }
  return 0;
}

// The one value the program keeps between runs: the calibration value, the number of
// twips that measure 100 mm on the user's screen. It lives in the per-user INI file
// $XDG_CONFIG_HOME/Vesparo/Vesparo.ini (~/.config when the variable is unset), group
// "Indstillinger", key "DiameterKalibrering", as plain decimal digits; "1000" when nothing
// is stored.
//
// Nothing is cached: every read looks at the file afresh, so a value written by another
// process is seen by the next read.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace vesparo {

inline constexpr const char* kStandardKalibrering = "1000";

// The stored text exactly as it stands in the file, or "1000" when there is none.
QString LaesKalibrering();

// Stores the decimal text of position. Returns false (and leaves the file as it was) when
// the write fails: a read-only file or folder, a full disk.
[[nodiscard]] bool GemKalibrering(std::int16_t position);

// The settings file's full path, for messages to the user.
QString KalibreringsFil();

// The result of converting a stored text: the value, or nothing when the text does not
// convert or lies outside the type; the text is kept either way so that the caller can
// name it in a message.
template <typename T>
struct Konvertering {
  std::optional<T> vaerdi;
  QString tekst;

  bool ok() const { return vaerdi.has_value(); }
};

// The three locale-aware conversions of the readers; blanks around the number are ignored.
Konvertering<double> TilDouble(const QString& tekst, const QLocale& locale = QLocale::system());
Konvertering<float> TilSingle(const QString& tekst, const QLocale& locale = QLocale::system());
// Rounds a fraction to the nearest integer, a half to the even neighbour.
Konvertering<std::int16_t> TilHeltal16(const QString& tekst,
                                       const QLocale& locale = QLocale::system());

}  // namespace vesparo

// The one value the program keeps between runs: the calibration value, the number of
// twips that measure 100 mm on the user's screen. It lives in the per-user INI file
// $XDG_CONFIG_HOME/Vesparo/Vesparo.ini (~/.config when the variable is unset, empty or not
// an absolute path), group "Indstillinger", key "DiameterKalibrering", as plain decimal
// digits; "1000" when nothing is stored.
//
// Reading. Every read looks at the file afresh, so a value written by another process is
// seen by the next read. The text comes back exactly as it stands after the '=' in the
// file (blanks, commas and quotes included: this store does not use QSettings' INI parser,
// which would split "1000,5" into a list and unquote). To be cheap enough for every scroll
// notification, the parsed file is kept together with what stat() said about it (device,
// inode, size, mtime and ctime in nanoseconds, mode); a read whose stat() shows the same
// file skips opening it. A file whose ctime is less than two seconds older than the moment
// it was parsed is parsed again at every read, so a rewrite inside one timestamp tick
// cannot hide behind the kept copy. What remains: a writer that keeps the inode and size
// and the file system's ctime unchanged (a system clock stepped back by more than the
// two-second margin, or a file system that does not keep ctime) can go unseen until the
// next change of the file.
//
// Writing. GemKalibrering reads the file, replaces the value text of the key (or adds the
// group and key), keeps every other byte of the file as it was, and replaces the file
// atomically (a temporary file in the same folder, synced and renamed over it). Readers
// therefore see either the old or the new file, never a half-written one; of two programs
// writing at once the last rename wins.
//
// All functions may be called from any thread; the program calls them from the user
// interface thread only.
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace vesparo {

inline constexpr const char* kStandardKalibrering = "1000";

// The stored text exactly as it stands in the file, or "1000" when there is none (no file,
// no group, no key, or a file that cannot be read; see LaesKalibreringMedTilstand).
QString LaesKalibrering();

// Stores the decimal text of position ("0", "1000", "-5"). Returns false, and leaves the
// file as it was with no temporary file behind, when the write fails: a read-only file or
// folder, a settings path that cannot be a folder, a full disk, or an existing settings
// file that is not a regular file or cannot be read (its other contents would be lost).
[[nodiscard]] bool GemKalibrering(std::int16_t position);

// The settings file's full path, for messages to the user. Computed from the environment
// at every call.
QString KalibreringsFil();

// What a read found.
enum class Filtilstand {
  Ingen,      // no settings file (or no folder): nothing stored
  Laesbar,    // the file was read; the entry may or may not be in it
  Ulaeselig,  // something is there but cannot be read: no permission, a folder, a device,
              // larger than any settings file (16 MiB), or a read error
};

struct Laesning {
  QString tekst;  // as LaesKalibrering returns it
  Filtilstand tilstand = Filtilstand::Ingen;
  bool gemt = false;  // the entry is in the file (tekst is the stored text, not the default)
};

// LaesKalibrering with the state of the file, from one look at it, so that a reader can
// tell the user when the settings file exists but cannot be read.
Laesning LaesKalibreringMedTilstand();

// The handling of the file's text on its own, without the file system (for tests and
// fuzzing). KalibreringIFiltekst: the value text of the entry, exactly as it stands, or
// nothing when the text holds no entry. FiltekstMedKalibrering: the text with the entry's
// value replaced by the decimal text of position (every copy of the key in every
// "[Indstillinger]" group), or the key or the group added; all other bytes stay as they
// were, and added lines end as the text's lines do ("\r\n" or "\n").
std::optional<QString> KalibreringIFiltekst(const QByteArray& filtekst);
QByteArray FiltekstMedKalibrering(const QByteArray& filtekst, std::int16_t position);

// The result of converting a stored text: the value, or nothing when the text does not
// convert or lies outside the type; the text is kept either way so that the caller can
// name it in a message.
template <typename T>
struct Konvertering {
  std::optional<T> vaerdi;
  QString tekst;

  bool ok() const { return vaerdi.has_value(); }
};

// The three locale-aware conversions of the readers. Blanks around the number are ignored;
// the locale's decimal separator and its digit-group sign (in their proper places, so
// "1.000" is one thousand under Danish settings) are accepted, as are a sign and an
// exponent. Not converting: an empty or blank text, letters, infinity and NaN, a text of
// more than 1000 characters, and a number outside the type (beyond FLT_MAX for single
// precision; outside -32768..32767 after rounding for the 16-bit integer). Plain decimal
// digits, as GemKalibrering writes them, convert exactly under every locale.
Konvertering<double> TilDouble(const QString& tekst, const QLocale& locale = QLocale::system());
// Converts through double; for texts of more than 17 significant digits that lie
// next to a midpoint between two floats, this may differ by one unit in the last place
// from a direct decimal-to-float conversion.
Konvertering<float> TilSingle(const QString& tekst, const QLocale& locale = QLocale::system());
// Rounds a fraction to the nearest integer, a half to the even neighbour
// ("1000,5" -> 1000, "1001,5" -> 1002 under Danish settings).
Konvertering<std::int16_t> TilHeltal16(const QString& tekst,
                                       const QLocale& locale = QLocale::system());

}  // namespace vesparo

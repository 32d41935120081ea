#include "settings/settings_store.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <ctime>
#include <mutex>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vesparo {
namespace {

constexpr char kGruppe[] = "Indstillinger";
constexpr char kNoegle[] = "DiameterKalibrering";
constexpr char kMappe[] = "/Vesparo";
constexpr char kFilnavn[] = "/Vesparo.ini";

// No settings file of ours comes anywhere near this; a bigger one is not read at all, so a
// stray huge file cannot stall every recalculation.
constexpr qint64 kStoersteFil = 16 * 1024 * 1024;
// A text longer than this is no number a user typed, and is not parsed.
constexpr qsizetype kLaengsteTal = 1000;
// A parsed file is only trusted on a later read when its ctime lay at least this far in the
// past when it was parsed: a rewrite within the same timestamp tick as the parse would
// otherwise leave every stat() field unchanged. Two seconds also cover file systems that
// keep coarse times.
constexpr std::int64_t kSikkerAlderNs = 2'000'000'000;

// ---------------------------------------------------------------------------------------
// Where the file is

QByteArray HjemMappe() {
  QByteArray home = qgetenv("HOME");
  if (!home.isEmpty()) return home;
  // No HOME: ask the user database rather than writing into the root folder.
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd pw{};
  passwd* result = nullptr;
  if (getpwuid_r(getuid(), &pw, buffer.data(), buffer.size(), &result) == 0 && result &&
      result->pw_dir)
    return QByteArray(result->pw_dir);
  return QByteArray("/");
}

// The file's path in the file system's own bytes (no round trip through QString, so a
// folder name that is not valid UTF-8 still works).
QByteArray FilSti() {
  QByteArray base = qgetenv("XDG_CONFIG_HOME");
  if (base.isEmpty() || !base.startsWith('/')) base = HjemMappe() + "/.config";
  while (base.size() > 1 && base.endsWith('/')) base.chop(1);
  if (base == "/") base.clear();
  return base + kMappe + kFilnavn;
}

QByteArray MappeAf(const QByteArray& sti) { return sti.left(sti.lastIndexOf('/')); }

// ---------------------------------------------------------------------------------------
// The INI text

struct Scanning {
  // [start, end) of the value text of every line of our key inside a group of ours.
  std::vector<std::pair<qsizetype, qsizetype>> vaerdier;
  // Offset just past the header line of the last group of ours, or -1 without one.
  qsizetype efterHoved = -1;
  bool crlf = false;
};

bool ErBlank(char c) { return c == ' ' || c == '\t'; }

QByteArray Trimmet(const char* b, const char* e) {
  while (b < e && ErBlank(*b)) ++b;
  while (e > b && ErBlank(e[-1])) --e;
  return QByteArray(b, e - b);
}

// Reads the file as QSettings writes it: "[group]" lines, "key=value" lines, comment lines
// starting with ';' or '#'. A group may appear more than once and a key more than once;
// the last one counts, as with QSettings.
Scanning Scan(const QByteArray& data) {
  Scanning s;
  const char* d = data.constData();
  const qsizetype n = data.size();
  bool iGruppe = false;
  qsizetype start = 0;
  // A UTF-8 byte order mark before the first line is no part of it.
  if (n >= 3 && data.startsWith("\xEF\xBB\xBF")) start = 3;
  while (start < n) {
    qsizetype nl = data.indexOf('\n', start);
    qsizetype slut = nl < 0 ? n : nl;          // end of the line without '\n'
    qsizetype naeste = nl < 0 ? n : nl + 1;    // start of the next line
    qsizetype indhold = slut;                  // end of the line without "\r\n"
    if (indhold > start && d[indhold - 1] == '\r') {
      --indhold;
      s.crlf = true;
    }
    qsizetype p = start;
    while (p < indhold && ErBlank(d[p])) ++p;
    if (p < indhold) {
      if (d[p] == '[') {
        const char* b = d + p + 1;
        const char* e = static_cast<const char*>(memchr(b, ']', indhold - (p + 1)));
        if (e) {
          iGruppe = Trimmet(b, e) == kGruppe;
          if (iGruppe) s.efterHoved = naeste;
        }
      } else if (d[p] != ';' && d[p] != '#') {
        const char* b = d + p;
        const char* lig = static_cast<const char*>(memchr(b, '=', indhold - p));
        if (iGruppe && lig && Trimmet(b, lig) == kNoegle)
          s.vaerdier.emplace_back((lig - d) + 1, indhold);
      }
    }
    start = naeste;
  }
  return s;
}

// ---------------------------------------------------------------------------------------
// Reading the file

struct FilNoegle {
  dev_t dev = 0;
  ino_t ino = 0;
  off_t size = 0;
  std::int64_t mtimeNs = 0;
  std::int64_t ctimeNs = 0;
  mode_t mode = 0;

  static FilNoegle Af(const struct stat& st) {
    FilNoegle k;
    k.dev = st.st_dev;
    k.ino = st.st_ino;
    k.size = st.st_size;
    k.mtimeNs = std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    k.ctimeNs = std::int64_t(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
    k.mode = st.st_mode;
    return k;
  }
  bool operator==(const FilNoegle&) const = default;
};

struct Indhold {
  Filtilstand tilstand = Filtilstand::Ingen;
  QByteArray data;  // only when tilstand == Laesbar
  FilNoegle noegle;
};

// Opens without following into a FIFO or device: O_NONBLOCK keeps a FIFO from blocking, and
// only a regular file is read.
Indhold LaesFil(const QByteArray& sti) {
  Indhold r;
  int fd = ::open(sti.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    r.tilstand = (errno == ENOENT || errno == ENOTDIR) ? Filtilstand::Ingen
                                                       : Filtilstand::Ulaeselig;
    return r;
  }
  struct stat st {};
  const bool statOk = ::fstat(fd, &st) == 0;
  if (statOk) r.noegle = FilNoegle::Af(st);
  if (!statOk || !S_ISREG(st.st_mode) || st.st_size > kStoersteFil) {
    ::close(fd);
    r.tilstand = Filtilstand::Ulaeselig;
    return r;
  }
  QByteArray data;
  data.reserve(static_cast<qsizetype>(st.st_size) + 1);
  char buffer[16384];
  for (;;) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      r.tilstand = Filtilstand::Ulaeselig;
      return r;
    }
    if (got == 0) break;
    data.append(buffer, got);
    if (data.size() > kStoersteFil) {  // grew while being read
      ::close(fd);
      r.tilstand = Filtilstand::Ulaeselig;
      return r;
    }
  }
  ::close(fd);
  r.tilstand = Filtilstand::Laesbar;
  r.data = std::move(data);
  return r;
}

std::int64_t NuNs() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

// The last parse, for the cheap path of the next read.
struct Lager {
  std::mutex laas;
  bool gyldig = false;
  bool sikker = false;
  QByteArray sti;
  FilNoegle noegle;
  Laesning laesning;
};

Lager& TheLager() {
  static Lager lager;
  return lager;
}

Laesning Fortolk(const Indhold& indhold) {
  Laesning l;
  l.tilstand = indhold.tilstand;
  l.tekst = QString::fromLatin1(kStandardKalibrering);
  if (indhold.tilstand != Filtilstand::Laesbar) return l;
  if (auto tekst = KalibreringIFiltekst(indhold.data)) {
    l.tekst = std::move(*tekst);
    l.gemt = true;
  }
  return l;
}

// ---------------------------------------------------------------------------------------
// Conversions

// The locale's parse of the trimmed text, or nothing; never infinity or NaN.
std::optional<double> TilTal(const QString& tekst, const QLocale& locale) {
  const QString t = tekst.trimmed();
  if (t.isEmpty() || t.size() > kLaengsteTal) return std::nullopt;
  bool ok = false;
  const double d = locale.toDouble(t, &ok);
  if (!ok || !std::isfinite(d)) return std::nullopt;
  return d;
}

// Replaces the file at sti with data so that a reader sees either the old file or the new
// one: a new file beside it, written in full, synced, given the old file's mode and owner,
// and renamed over it. Any failure removes the new file and leaves the old one as it was.
// (QSaveFile is not used: Qt 6.4 reports success for a file cut short by a file size limit.)
bool ErstatAtomisk(const QByteArray& sti, const QByteArray& data, const struct stat* gammel) {
  const QByteArray mappe = MappeAf(sti);
  const QByteArray navn = sti.mid(mappe.size() + 1);
  QByteArray tmp;
  int fd = -1;
  for (int forsoeg = 0; forsoeg < 100 && fd < 0; ++forsoeg) {
    tmp = mappe + "/." + navn + '.' +
          QByteArray::number(QRandomGenerator::system()->generate64(), 36) + ".tmp";
    // 0666 as for any new file: the user's umask decides.
    fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;

  bool ok = true;
  const char* p = data.constData();
  qsizetype rest = data.size();
  while (ok && rest > 0) {
    const ssize_t n = ::write(fd, p, static_cast<std::size_t>(rest));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
    } else {
      p += n;
      rest -= n;
    }
  }
  if (ok && gammel) {
    // Root calibrating a user's file must not make it root's. An ordinary user cannot give
    // a file away; then the new file is simply the writer's.
    if ((gammel->st_uid != ::geteuid() || gammel->st_gid != ::getegid()) &&
        ::fchown(fd, gammel->st_uid, gammel->st_gid) != 0) {
      // not fatal, see above
    }
    ok = ::fchmod(fd, gammel->st_mode & 07777) == 0;
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(tmp.constData(), sti.constData()) == 0;
  if (!ok) {
    ::unlink(tmp.constData());
    return false;
  }
  // The rename itself becomes durable with the folder.
  const int dfd = ::open(mappe.isEmpty() ? "/" : mappe.constData(),
                         O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

// A program killed between creating its new file and renaming it leaves that file behind.
// Such leftovers of ours older than ten minutes are removed at the next successful write;
// a younger one may belong to another copy of the program that is writing right now.
void FjernGamleMidlertidige(const QByteArray& sti) {
  const QByteArray mappe = MappeAf(sti);
  const QByteArray forstavelse = "." + sti.mid(mappe.size() + 1) + ".";
  DIR* d = ::opendir(mappe.isEmpty() ? "/" : mappe.constData());
  if (!d) return;
  const std::int64_t graense = NuNs() - std::int64_t(600) * 1'000'000'000;
  while (const dirent* e = ::readdir(d)) {
    const QByteArray navn(e->d_name);
    if (!navn.startsWith(forstavelse) || !navn.endsWith(".tmp")) continue;
    struct stat st {};
    if (::fstatat(::dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
      continue;
    if (FilNoegle::Af(st).mtimeNs < graense) ::unlinkat(::dirfd(d), e->d_name, 0);
  }
  ::closedir(d);
}

}  // namespace

QString KalibreringsFil() { return QFile::decodeName(FilSti()); }

Laesning LaesKalibreringMedTilstand() {
  const QByteArray sti = FilSti();
  Lager& lager = TheLager();
  std::lock_guard<std::mutex> guard(lager.laas);

  struct stat st {};
  if (::stat(sti.constData(), &st) != 0) {
    Laesning l;
    l.tekst = QString::fromLatin1(kStandardKalibrering);
    l.tilstand = (errno == ENOENT || errno == ENOTDIR) ? Filtilstand::Ingen
                                                       : Filtilstand::Ulaeselig;
    return l;
  }
  if (lager.gyldig && lager.sikker && lager.sti == sti && lager.noegle == FilNoegle::Af(st))
    return lager.laesning;

  const Indhold indhold = LaesFil(sti);
  Laesning l = Fortolk(indhold);
  // Kept under what fstat() said of the file that was read, or, when it could not even be
  // opened (no permission), under what stat() said: a chmod changes the ctime.
  const FilNoegle noegle = indhold.noegle.mode != 0 ? indhold.noegle : FilNoegle::Af(st);
  lager.gyldig = true;
  lager.sti = sti;
  lager.noegle = noegle;
  lager.sikker = NuNs() - noegle.ctimeNs >= kSikkerAlderNs;
  lager.laesning = l;
  return l;
}

QString LaesKalibrering() { return LaesKalibreringMedTilstand().tekst; }

bool GemKalibrering(std::int16_t position) {
  QByteArray sti = FilSti();
  QByteArray data;
  const struct stat* gammel = nullptr;
  struct stat st {};
  if (::stat(sti.constData(), &st) == 0) {
    // An existing file must be one we can read whole, or its other lines would be lost;
    // and a file the user made read-only stays as it is.
    if (!S_ISREG(st.st_mode) || ::access(sti.constData(), W_OK) != 0) return false;
    Indhold indhold = LaesFil(sti);
    if (indhold.tilstand != Filtilstand::Laesbar) return false;
    data = std::move(indhold.data);
    gammel = &st;
    // A settings file that is a link (a dotfile manager's) stays a link: the file it
    // points to is the one replaced.
    struct stat lst {};
    if (::lstat(sti.constData(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
      char* maal = ::realpath(sti.constData(), nullptr);
      if (!maal) return false;
      sti = QByteArray(maal);
      std::free(maal);
    }
  } else if (errno != ENOENT) {
    return false;
  }

  data = FiltekstMedKalibrering(data, position);

  if (!gammel && !QDir().mkpath(QFile::decodeName(MappeAf(sti)))) return false;
  const bool ok = ErstatAtomisk(sti, data, gammel);
  if (ok) FjernGamleMidlertidige(sti);

  Lager& lager = TheLager();
  std::lock_guard<std::mutex> guard(lager.laas);
  lager.gyldig = false;
  return ok;
}

std::optional<QString> KalibreringIFiltekst(const QByteArray& filtekst) {
  const Scanning s = Scan(filtekst);
  if (s.vaerdier.empty()) return std::nullopt;
  const auto [b, e] = s.vaerdier.back();
  return QString::fromUtf8(filtekst.constData() + b, e - b);
}

QByteArray FiltekstMedKalibrering(const QByteArray& filtekst, std::int16_t position) {
  QByteArray data = filtekst;
  const QByteArray vaerdi = QByteArray::number(int(position));
  const Scanning s = Scan(data);
  const QByteArray nl = s.crlf ? QByteArray("\r\n") : QByteArray("\n");
  if (!s.vaerdier.empty()) {
    // Every line of the key gets the new text, so no older copy can come back.
    for (auto it = s.vaerdier.rbegin(); it != s.vaerdier.rend(); ++it)
      data.replace(it->first, it->second - it->first, vaerdi);
  } else if (s.efterHoved >= 0) {
    QByteArray linje = QByteArray(kNoegle) + '=' + vaerdi + nl;
    if (s.efterHoved == data.size() && !data.endsWith('\n')) linje.prepend(nl);
    data.insert(s.efterHoved, linje);
  } else {
    if (!data.isEmpty()) {
      if (!data.endsWith('\n')) data += nl;
      data += nl;
    }
    data += QByteArray("[") + kGruppe + ']' + nl + kNoegle + '=' + vaerdi + nl;
  }
  return data;
}

Konvertering<double> TilDouble(const QString& tekst, const QLocale& locale) {
  return {TilTal(tekst, locale), tekst};
}

Konvertering<float> TilSingle(const QString& tekst, const QLocale& locale) {
  Konvertering<float> r{std::nullopt, tekst};
  if (const auto d = TilTal(tekst, locale); d && std::fabs(*d) <= double(FLT_MAX))
    r.vaerdi = static_cast<float>(*d);
  return r;
}

Konvertering<std::int16_t> TilHeltal16(const QString& tekst, const QLocale& locale) {
  Konvertering<std::int16_t> r{std::nullopt, tekst};
  const auto d = TilTal(tekst, locale);
  if (!d) return r;
  // Nearest integer, a half to the even one, spelled out so that it does not depend on
  // the floating-point rounding mode.
  double heltal = std::floor(*d);
  const double rest = *d - heltal;  // the fraction of a double is exact
  if (rest > 0.5 || (rest == 0.5 && std::fmod(heltal, 2.0) != 0.0)) heltal += 1.0;
  if (heltal < -32768.0 || heltal > 32767.0) return r;
  r.vaerdi = static_cast<std::int16_t>(heltal);
  return r;
}

}  // namespace vesparo

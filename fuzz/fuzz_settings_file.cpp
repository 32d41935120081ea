// Fuzzes the settings reader with arbitrary contents of the INI file, as a user's editor or
// a broken disk could leave it, and the writer on top of such a file.
//
// Each input is written to $XDG_CONFIG_HOME/Vesparo/Vesparo.ini in a folder of this run's
// own (on tmpfs where there is one, since the writer syncs every file). Then:
// - LaesKalibreringMedTilstand must return what a reading of the file by the rules of the
//   format gives: lines split at '\n' (a '\r' before it dropped), an optional UTF-8 byte
//   order mark, "[group]" headers, ';' and '#' comments, "key = value" with blanks around
//   the key; the last "DiameterKalibrering" line inside an "Indstillinger" group counts,
//   its value exactly as it stands after the '='; "1000" when there is none. A second read
//   of the unchanged file gives the same answer;
// - the three conversions of that text must not crash;
// - for some inputs, GemKalibrering with a number from the input must succeed, leave
//   every byte outside the old value(s) as it was (or only add the key's line), leave no
//   temporary file behind, and the next read must return exactly the new digits.
#include "settings/settings_store.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string g_folder;  // .../Vesparo
std::string g_file;    // .../Vesparo/Vesparo.ini

struct Reading {
  bool stored = false;
  std::string value;  // the last value's bytes
  std::vector<std::pair<std::size_t, std::size_t>> values;  // every value, [begin, end)
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

Reading ReadByTheRules(const std::string& file) {
  Reading r;
  bool inGroup = false;
  std::size_t pos = file.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (pos < file.size()) {
    std::size_t end = file.find('\n', pos);
    const std::size_t next = end == std::string::npos ? file.size() : end + 1;
    if (end == std::string::npos) end = file.size();
    if (end > pos && file[end - 1] == '\r') --end;
    const std::string_view line(file.data() + pos, end - pos);
    const std::string_view t = Trim(line);
    if (!t.empty() && t[0] == '[') {
      const std::size_t close = t.find(']');
      if (close != std::string_view::npos) inGroup = Trim(t.substr(1, close - 1)) == "Indstillinger";
    } else if (!t.empty() && t[0] != ';' && t[0] != '#') {
      const std::size_t eq = line.find('=');
      if (inGroup && eq != std::string_view::npos && Trim(line.substr(0, eq)) == "DiameterKalibrering") {
        r.stored = true;
        r.values.emplace_back(pos + eq + 1, end);
        r.value.assign(line.substr(eq + 1));
      }
    }
    pos = next;
  }
  return r;
}

[[noreturn]] void Fail(const char* what, const std::string& file, const std::string& detail = {}) {
  std::fprintf(stderr, "%s\n  file (%zu bytes): ", what, file.size());
  for (unsigned char c : file.substr(0, 400)) std::fprintf(stderr, "%02x", c);
  std::fprintf(stderr, "\n  %s\n", detail.c_str());
  std::abort();
}

void WriteFile(const std::string& bytes) {
  const int fd = ::open(g_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    std::perror("writing the settings file");
    std::abort();
  }
  ::close(fd);
}

std::string ReadFile() {
  std::string out;
  const int fd = ::open(g_file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return out;
  char buf[65536];
  for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) out.append(buf, static_cast<std::size_t>(n));
  ::close(fd);
  return out;
}

std::vector<std::string> FolderEntries() {
  std::vector<std::string> out;
  if (DIR* d = ::opendir(g_folder.c_str())) {
    while (const dirent* e = ::readdir(d))
      if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) out.emplace_back(e->d_name);
    ::closedir(d);
  }
  return out;
}

void CheckRead(const std::string& file, const char* when) {
  const Reading want = ReadByTheRules(file);
  const QString wantText = want.stored ? QString::fromUtf8(want.value.data(), static_cast<qsizetype>(want.value.size()))
                                       : QStringLiteral("1000");
  for (int round = 0; round < 2; ++round) {
    const vesparo::Laesning got = vesparo::LaesKalibreringMedTilstand();
    if (got.tilstand != vesparo::Filtilstand::Laesbar) Fail("file not read", file, when);
    if (got.gemt != want.stored || got.tekst != wantText)
      Fail("reader disagrees with the rules of the format", file,
           std::string(when) + ": got \"" + got.tekst.toStdString() + "\", want \"" + wantText.toStdString() + "\"");
    if (vesparo::LaesKalibrering() != got.tekst) Fail("LaesKalibrering differs", file, when);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::string base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  base += "/vesparo-fuzz-XXXXXX";
  std::vector<char> tmpl(base.begin(), base.end());
  tmpl.push_back('\0');
  if (!::mkdtemp(tmpl.data())) {
    std::perror("mkdtemp");
    std::abort();
  }
  const std::string home(tmpl.data());
  ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
  g_folder = home + "/Vesparo";
  g_file = g_folder + "/Vesparo.ini";
  ::mkdir(g_folder.c_str(), 0755);
  // The folder is left behind on tmpfs only until the machine restarts; remove it at exit.
  static const std::string toRemove = home;
  std::atexit([] {
    ::unlink(g_file.c_str());
    ::rmdir(g_folder.c_str());
    ::rmdir(toRemove.c_str());
  });
  return 0;
}

// Input: one control byte (bit 0: also write; bits 1-2: locale) and two bytes of the
// number to write, then the file's contents.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::uint8_t control = data[0];
  std::int16_t number;
  std::memcpy(&number, data + 1, 2);
  const std::string file(reinterpret_cast<const char*>(data + 3), size - 3);

  WriteFile(file);
  CheckRead(file, "before writing");

  const vesparo::Laesning read = vesparo::LaesKalibreringMedTilstand();
  const QLocale locale = (control & 2) ? QLocale(QLocale::English, QLocale::UnitedStates)
                                       : QLocale(QLocale::Danish, QLocale::Denmark);
  (void)vesparo::TilDouble(read.tekst, locale);
  (void)vesparo::TilSingle(read.tekst, locale);
  (void)vesparo::TilHeltal16(read.tekst, locale);

  if ((control & 1) == 0) return 0;

  if (!vesparo::GemKalibrering(number)) Fail("GemKalibrering failed on a writable file", file);
  const std::string after = ReadFile();
  const std::string digits = std::to_string(number);
  const Reading old = ReadByTheRules(file);
  if (!old.values.empty()) {
    std::string want = file;
    for (auto it = old.values.rbegin(); it != old.values.rend(); ++it)
      want.replace(it->first, it->second - it->first, digits);
    if (after != want) Fail("the write changed more than the value", file, "after: " + after);
  } else {
    // Only an addition: the old contents are a prefix and a suffix of the new ones.
    std::size_t prefix = 0;
    while (prefix < file.size() && prefix < after.size() && file[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < file.size() && suffix < after.size() &&
           file[file.size() - 1 - suffix] == after[after.size() - 1 - suffix])
      ++suffix;
    if (after.size() <= file.size() || prefix + suffix < file.size())
      Fail("the write did not keep the old contents", file, "after: " + after);
  }
  const Reading now = ReadByTheRules(after);
  if (!now.stored || now.value != digits) Fail("the written file does not hold the value", file, "after: " + after);
  CheckRead(after, "after writing");
  const auto entries = FolderEntries();
  if (entries.size() != 1 || entries[0] != "Vesparo.ini") Fail("the write left a file behind", file);
  return 0;
}

// Fuzzes GetKeyValue, the registry-reading routine of the system-information launcher, on
// arbitrary value types, sizes and bytes through the table-driven test double, and the
// launcher's StartSysInfo on the same registry.
//
// What must hold: nothing crashes or reads outside the 1024-byte buffer; every key that
// was opened is closed again, on every way out; a value that does not fit or cannot be
// read gives false and an empty text; a value of size 0 is the one error that escapes
// (std::invalid_argument); otherwise the text is the value's bytes as the routine is
// documented to take them (the terminating zero dropped, a REG_DWORD as the number its
// bytes denote, any other type leaving the text as it was). StartSysInfo never lets an
// error out and ends either in one successful launch or in exactly one message.
#include "tests/ui/info/sysinfo/fake_sysinfo_platform.h"
#include "ui/info/sysinfo/sysinfo.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

using namespace vesparo;

[[noreturn]] void Fail(const char* what, const std::string& got = {}, const std::string& want = {}) {
  std::fprintf(stderr, "%s\n  got  \"%s\"\n  want \"%s\"\n", what, got.c_str(), want.c_str());
  std::abort();
}

// The text GetKeyValue should give, from the value's bytes as the registry hands them over
// (at most `declared` of them, the rest of the buffer zero).
std::string Expected(std::uint32_t type, const std::string& bytes, std::uint32_t declared,
                     const std::string& before) {
  std::string buffer(sysinfo::kValueBufferSize, '\0');
  buffer.replace(0, std::min<std::size_t>(bytes.size(), declared), bytes.substr(0, declared));
  std::string kept = buffer.substr(0, declared);
  if (kept.back() == '\0') kept.pop_back();
  if (type == sysinfo::kRegSz) return kept;
  if (type != sysinfo::kRegDword) return before;
  // A REG_DWORD's bytes are little-endian; the text is the unsigned number they denote when
  // it fits 32 bits (the "&h" text itself otherwise, with the digits prefixed by the text
  // the caller passed in).
  std::string digits = before;
  static const char hex[] = "0123456789ABCDEF";
  for (std::size_t i = kept.size(); i-- > 0;) {
    const auto b = static_cast<unsigned char>(kept[i]);
    digits += hex[b >> 4];
    digits += hex[b & 15];
  }
  if (digits.empty() || digits.size() > 8) return "&h" + digits;
  std::uint64_t v = 0;
  for (char c : digits) {
    const char* p = std::strchr(hex, c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
    if (!p || c == '\0') return "&h" + digits;
    v = v * 16 + static_cast<std::uint64_t>(p - hex);
  }
  return std::to_string(v);
}

template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
  T v{};
  const std::size_t n = std::min(size, sizeof(T));
  std::memcpy(&v, data, n);
  data += n;
  size -= n;
  return v;
}

}  // namespace

// Input: control byte, type (4 bytes), declared size (2 bytes), length of the text passed
// in (1 byte), then the value's bytes, the first of them doubling as the text passed in.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto control = Take<std::uint8_t>(data, size);
  auto type = Take<std::uint32_t>(data, size);
  if (control & 1) type %= 8;  // the interesting types (1, 4 and their neighbours) more often
  const auto sizeField = Take<std::uint16_t>(data, size);
  const auto beforeLength = Take<std::uint8_t>(data, size);
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string before = (control & 2) ? bytes.substr(0, beforeLength % 16) : std::string();

  test::FakeValue value(type, bytes);
  if (control & 4) value.size = sizeField;  // a declared size that may differ from the bytes
  if (control & 8) value.result = static_cast<long>(sizeField % 300);  // a read that fails
  test::FakeKey key;
  if (control & 16) key.open_result = sysinfo::kErrorAccessDenied;
  key.values[sysinfo::kMsinfoPathValue] = value;

  test::FakeSysInfoPlatform platform;
  platform.keys[sysinfo::kMsinfoKey] = key;
  const std::uint32_t declared = value.size.value_or(static_cast<std::uint32_t>(bytes.size()));

  std::string got = before;
  bool threw = false;
  bool ok = false;
  try {
    ok = sysinfo::GetKeyValue(platform, sysinfo::kHkeyLocalMachine, sysinfo::kMsinfoKey,
                              sysinfo::kMsinfoPathValue, got);
  } catch (const std::invalid_argument&) {
    threw = true;
  }
  if (!platform.LeftOpen().empty()) Fail("a key was left open");
  for (std::uint32_t access : platform.OpenAccess())
    if (access & sysinfo::kKeyWriteRights) Fail("a key was opened with write rights");

  const bool readable = key.open_result == sysinfo::kErrorSuccess && value.result == sysinfo::kErrorSuccess &&
                        declared <= sysinfo::kValueBufferSize;
  if (!readable) {
    if (threw || ok || !got.empty()) Fail("an unreadable value was not reported as missing", got);
  } else if (declared == 0) {
    if (!threw) Fail("a value of size 0 did not raise the error", got);
  } else {
    if (threw || !ok) Fail("a readable value was reported as missing", got);
    const std::string want = Expected(type, bytes, declared, before);
    if (got != want) Fail("wrong text", got, want);
  }

  // The whole launcher on the same registry, lookup 2 holding the same value, with the
  // launch succeeding for one path chosen by the input.
  test::FakeSysInfoPlatform launcher;
  if (!(control & 32)) launcher.keys[sysinfo::kMsinfoKey] = key;
  test::FakeKey location;
  location.values[sysinfo::kLocationValue] = value;
  launcher.keys[sysinfo::kLocationKey] = location;
  if (control & 64) launcher.files.insert(got);
  if (control & 128) launcher.files.insert(got + sysinfo::kMsinfoFileName);
  sysinfo::StartSysInfo(launcher);
  if (!launcher.LeftOpen().empty()) Fail("StartSysInfo left a key open");
  const auto launched = launcher.Launched();
  const auto messages = launcher.Messages();
  if (launched.size() > 1 || messages.size() > 1) Fail("more than one launch or message");
  const bool started = launched.size() == 1 && launcher.files.count(launched[0]) != 0;
  if (started == (messages.size() == 1)) Fail("neither a started tool nor exactly one message");
  return 0;
}

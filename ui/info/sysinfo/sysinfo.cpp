#include "ui/info/sysinfo/sysinfo.h"

#include <array>
#include <stdexcept>

namespace vesparo::sysinfo {

namespace {

// Closes the key on every way out of GetKeyValue, the exception for a zero-size value
// included, so that no click leaks a registry handle.
class OpenedKey {
 public:
  explicit OpenedKey(SysInfoPlatform& platform) : platform_(platform) {}
  ~OpenedKey() {
    if (open_) platform_.CloseKey(key_);
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;

  long Open(KeyHandle root, const std::string& path) {
    KeyHandle key = 0;
    const long result = platform_.OpenKey(root, path, kKeyRead, key);
    if (result == kErrorSuccess) {
      key_ = key;
      open_ = true;
    }
    return result;
  }
  KeyHandle get() const { return key_; }

 private:
  SysInfoPlatform& platform_;
  KeyHandle key_ = 0;
  bool open_ = false;
};

constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

// The general formatting of "&h" followed by hex digits, as the REG_DWORD case produces it.
// Choice: the decimal number that the digits denote, read as the unsigned 32-bit value the
// registry holds ("&h01000A" becomes "65546"). That is what the classic general formatting
// gives for such a text, since it reads "&h…" as a number; we read it unsigned where the old
// hexadecimal-literal rules would turn a value with the top bit set negative, because a
// DWORD is unsigned. A text that denotes no 32-bit value (no digits, more than eight) is
// left as it is, as the general formatting leaves any text that is not a number. Neither
// lookup expects a number, so nothing else depends on this.
std::string FormatHexText(const std::string& digits) {
  if (digits.empty() || digits.size() > 8) return "&h" + digits;
  std::uint32_t value = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (c >= 'A' && c <= 'F') {
      d = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else {
      return "&h" + digits;
    }
    value = value * 16u + static_cast<std::uint32_t>(d);
  }
  return std::to_string(value);
}

bool GetKeyValue(SysInfoPlatform& platform, KeyHandle key_root, const std::string& key_name,
                 const std::string& sub_key_ref, std::string& key_val) {
  OpenedKey key(platform);

  // 1. Open the key, with read rights only.
  if (key.Open(key_root, key_name) != kErrorSuccess) {
    key_val.clear();
    return false;
  }

  // 2. The buffer, all zero, and its size.
  std::array<unsigned char, kValueBufferSize> buffer{};
  std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
  std::uint32_t type = 0;

  // 3. Read the value. A value that does not fit counts as a failure, also should a
  // platform report success with a size beyond the buffer.
  const long result = platform.ReadValue(key.get(), sub_key_ref, type, buffer.data(), size);
  if (result != kErrorSuccess || size > buffer.size()) {
    key_val.clear();
    return false;
  }

  // 4. The buffer as one character per byte; a terminating zero at the last data byte is
  // dropped. There is no last byte of an empty value: that is an error, which the
  // launcher's trap turns into its message (the key is closed on the way out).
  if (size == 0) throw std::invalid_argument("registry value of size 0");
  const std::size_t kept = buffer[size - 1] == 0 ? size - 1 : size;
  const std::string text(reinterpret_cast<const char*>(buffer.data()), kept);

  // 5. By type.
  if (type == kRegSz) {
    key_val = text;
  } else if (type == kRegDword) {
    // The bytes are little-endian: from the last kept one to the first gives the number
    // from the most significant byte down, two upper-case hex digits each.
    std::string digits = key_val;
    for (std::size_t i = kept; i-- > 0;) {
      const auto byte = static_cast<unsigned char>(text[i]);
      digits += kHexDigits[byte >> 4];
      digits += kHexDigits[byte & 0x0F];
    }
    key_val = FormatHexText(digits);
  }
  // Any other type: found, and key_val stays as it was.
  return true;
}

// Returns true when the tool was started; false for every way to the message.
static bool FindAndLaunch(SysInfoPlatform& platform) {
  std::string sys_info_path;

  // Lookup 1: the full path of the tool. Started as it is, without a file test.
  if (!GetKeyValue(platform, kHkeyLocalMachine, kMsinfoKey, kMsinfoPathValue, sys_info_path)) {
    // Lookup 2: the folder of the tool (sys_info_path is empty again here).
    if (!GetKeyValue(platform, kHkeyLocalMachine, kLocationKey, kLocationValue,
                     sys_info_path)) {
      return false;
    }
    const std::string candidate = sys_info_path + kMsinfoFileName;
    if (!platform.FileExists(candidate)) return false;
    sys_info_path = candidate;
  }

  // The file at the path itself is started: no command-line parsing, so a path with
  // blanks is one program, never its first word.
  return platform.Launch(sys_info_path);
}

void StartSysInfo(SysInfoPlatform& platform) noexcept {
  bool started = false;
  try {
    started = FindAndLaunch(platform);
  } catch (...) {
    // Any error on the way, from the registry, the file test or the launch, ends in the
    // same message as a tool that is not there.
  }
  if (started) return;
  try {
    platform.ShowMessage(kUnavailableMessage);
  } catch (...) {
    // Not even the message could be shown; there is nobody left to tell.
  }
}

}  // namespace vesparo::sysinfo

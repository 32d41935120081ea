// The system-information launcher: finds the operating system's system-information tool
// through two machine-wide registry values and starts it, or shows one message when that
// is not possible.
//
// The logic is standard C++ written against SysInfoPlatform, a short list of the platform
// operations it needs (registry open/read/close, a file test, a launch and a message box).
// The Windows build supplies the real Win32 calls (windows_platform.h), the Linux build an
// answer of its own (ui/info/system_info_launcher.cpp), and the tests a table-driven double.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vesparo::sysinfo {

// An open registry key as the platform operations hand it out. Wide enough for a Win32
// HKEY on 64-bit Windows; the logic only passes it back.
using KeyHandle = std::uintptr_t;

// The predefined root key HKEY_LOCAL_MACHINE, as the registry numbers it.
inline constexpr KeyHandle kHkeyLocalMachine = 0x80000002u;

// Access masks. KEY_READ = READ_CONTROL | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS |
// KEY_NOTIFY. Reading two values needs nothing more; asking for write rights as well would
// make the lookups fail for every user who is not an administrator.
inline constexpr std::uint32_t kKeyRead = 0x00020019u;
inline constexpr std::uint32_t kKeyWriteRights = 0x00000026u;  // SET_VALUE, CREATE_SUB_KEY, CREATE_LINK

// Value types that GetKeyValue turns into text.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;

// Registry result codes that the platform operations and their doubles use.
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorMoreData = 234;

// The data buffer of one read: this many bytes, all zero before the read.
inline constexpr std::size_t kValueBufferSize = 1024;

// The two lookups, in the order tried.
inline constexpr const char* kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kMsinfoPathValue = "PATH";
inline constexpr const char* kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kLocationValue = "MSINFO";
inline constexpr const char* kMsinfoFileName = "\\MSINFO32.EXE";

// The one message for every failure.
inline constexpr const char* kUnavailableMessage = "System Information Is Unavailable At This Time";

class SysInfoPlatform {
 public:
  virtual ~SysInfoPlatform() = default;

  // Opens the key at path below root with the access mask. Returns 0 and sets key when the
  // key exists and the rights are granted, another registry result code otherwise.
  virtual long OpenKey(KeyHandle root, const std::string& path, std::uint32_t access,
                       KeyHandle& key) = 0;

  // Reads the named value of an open key into data (capacity *size bytes). Returns 0 when
  // the value exists and fits; then type holds its type code and size the number of data
  // bytes. A value longer than the buffer gives a non-zero result.
  virtual long ReadValue(KeyHandle key, const std::string& name, std::uint32_t& type,
                         unsigned char* data, std::uint32_t& size) = 0;

  // Releases a key that OpenKey handed out.
  virtual void CloseKey(KeyHandle key) = 0;

  // True when an ordinary file (not hidden, not a system file, not a folder) has this path.
  virtual bool FileExists(const std::string& path) = 0;

  // Starts the program file at exactly this path as a program of its own, without any
  // command-line parsing and without a shell, and returns once it has started. False when
  // it could not be started (no such file, an empty path, ...).
  virtual bool Launch(const std::string& path) = 0;

  // The program's message box: the text, OK only, no icon, the program title as title.
  // Returns when the user has closed it.
  virtual void ShowMessage(const std::string& text) = 0;
};

// Reads one registry value as text into key_val. True when the value was read (whatever its
// type); false when the key or the value could not be read, and then key_val is empty.
// A value of size 0 throws std::invalid_argument. The key is closed on every way out.
bool GetKeyValue(SysInfoPlatform& platform, KeyHandle key_root, const std::string& key_name,
                 const std::string& sub_key_ref, std::string& key_val);

// What the About window's system-information button does. Never lets an error out: every
// failure, an exception from a platform operation included, ends in the one message.
void StartSysInfo(SysInfoPlatform& platform) noexcept;

// The general formatting of the text "&h" followed by hexadecimal digits (see sysinfo.cpp).
std::string FormatHexText(const std::string& digits);

}  // namespace vesparo::sysinfo

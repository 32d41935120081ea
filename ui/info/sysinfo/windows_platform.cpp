#include "ui/info/sysinfo/windows_platform.h"

#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "vesparo_version.h"

#include <vector>

namespace vesparo::sysinfo {

namespace {

// The numbered root key stands for the predefined handle, which on 64-bit Windows is the
// number sign-extended to pointer width.
HKEY ToHkey(KeyHandle key) {
  if (key == kHkeyLocalMachine) return HKEY_LOCAL_MACHINE;
  return reinterpret_cast<HKEY>(key);
}

}  // namespace

long WindowsPlatform::OpenKey(KeyHandle root, const std::string& path, std::uint32_t access,
                              KeyHandle& key) {
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExA(ToHkey(root), path.c_str(), 0, access, &opened);
  if (result == ERROR_SUCCESS) key = reinterpret_cast<KeyHandle>(opened);
  return result;
}

long WindowsPlatform::ReadValue(KeyHandle key, const std::string& name, std::uint32_t& type,
                                unsigned char* data, std::uint32_t& size) {
  DWORD value_type = 0;
  DWORD value_size = size;
  const LONG result =
      RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &value_type, data, &value_size);
  type = value_type;
  size = value_size;
  return result;
}

void WindowsPlatform::CloseKey(KeyHandle key) { RegCloseKey(ToHkey(key)); }

bool WindowsPlatform::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                        FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool WindowsPlatform::Launch(const std::string& path) {
  if (path.empty()) return false;
  // The application name is the path itself, so Windows parses nothing: a path with blanks
  // names one program. The command line only tells the program its own name, quoted.
  std::string command_line = "\"" + path + "\"";
  std::vector<char> writable(command_line.begin(), command_line.end());
  writable.push_back('\0');

  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(path.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  // The tool runs on its own; we keep no handle to it.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void WindowsPlatform::ShowMessage(const std::string& text) {
  MessageBoxA(static_cast<HWND>(owner_), text.c_str(), kProgramTitel, MB_OK);
}

}  // namespace vesparo::sysinfo

#endif  // _WIN32

// The launcher's platform operations on Windows: the real registry, file-attribute test,
// CreateProcessA and MessageBoxA. Built only where _WIN32 is defined.
#pragma once

#ifdef _WIN32

#include "ui/info/sysinfo/sysinfo.h"

namespace vesparo::sysinfo {

class WindowsPlatform : public SysInfoPlatform {
 public:
  // owner: the window that the message box is shown over (may be null).
  explicit WindowsPlatform(void* owner_hwnd = nullptr) : owner_(owner_hwnd) {}

  long OpenKey(KeyHandle root, const std::string& path, std::uint32_t access,
               KeyHandle& key) override;
  long ReadValue(KeyHandle key, const std::string& name, std::uint32_t& type,
                 unsigned char* data, std::uint32_t& size) override;
  void CloseKey(KeyHandle key) override;
  bool FileExists(const std::string& path) override;
  bool Launch(const std::string& path) override;
  void ShowMessage(const std::string& text) override;

 private:
  void* owner_;
};

}  // namespace vesparo::sysinfo

#endif  // _WIN32

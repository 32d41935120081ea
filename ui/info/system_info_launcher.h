// The About window's "&System Info..." button: starts the operating system's
// system-information tool, or tells the user that none is available.
#pragma once

#include "ui/info/sysinfo/sysinfo.h"

#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;

namespace vesparo {

// owner: the window over which a failure message is shown (the About window).
void StartSysInfo(QWidget* owner);

// The launcher's platform operations on the Linux desktop. The launcher's logic asks the
// registry for the tool; this answer presents what the desktop really has:
//   HKLM "SOFTWARE\Microsoft\Shared Tools\MSINFO", value "PATH": the full path of the first
//     program of kSysInfoPrograms found on PATH (the value is missing when there is none);
//   HKLM "SOFTWARE\Microsoft\Shared Tools Location": not present (the desktop has no
//     folder of MSINFO32.EXE);
//   every other key: not present.
// Like the registry for an ordinary user, it grants read rights only: a request that asks
// for more is refused with "access denied".
// The file test is a real test for an ordinary, non-hidden file; the launch starts the file
// as a program of its own with no arguments and no shell; the message box is the program's.
class DesktopSysInfoPlatform : public sysinfo::SysInfoPlatform {
 public:
  explicit DesktopSysInfoPlatform(QWidget* owner) : owner_(owner) {}

  // System-information programs, in the order tried: HardInfo 2 and HardInfo (the GTK
  // system profiler, Debian package hardinfo) and KDE's Info Center (kinfocenter).
  static QStringList SysInfoPrograms();

  // The full path of the first of them on PATH, or an empty text.
  static QString FindSysInfoProgram();

  long OpenKey(sysinfo::KeyHandle root, const std::string& path, std::uint32_t access,
               sysinfo::KeyHandle& key) override;
  long ReadValue(sysinfo::KeyHandle key, const std::string& name, std::uint32_t& type,
                 unsigned char* data, std::uint32_t& size) override;
  void CloseKey(sysinfo::KeyHandle key) override;
  bool FileExists(const std::string& path) override;
  bool Launch(const std::string& path) override;
  void ShowMessage(const std::string& text) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace vesparo

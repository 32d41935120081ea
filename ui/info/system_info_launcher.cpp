#include "ui/info/system_info_launcher.h"

#include "ui/platform/message_box.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

#include <cstring>

#ifdef _WIN32
#include "ui/info/sysinfo/windows_platform.h"
#endif

namespace vesparo {

namespace {

// The one key that the desktop answer holds, handed out as this handle.
constexpr sysinfo::KeyHandle kMsinfoKeyHandle = 1;

// Registry names compare without regard to case.
bool SameName(const std::string& a, const char* b) {
  return QString::fromLocal8Bit(a).compare(QString::fromLocal8Bit(b), Qt::CaseInsensitive) ==
         0;
}

constexpr long kErrorInvalidHandle = 6;

}  // namespace

QStringList DesktopSysInfoPlatform::SysInfoPrograms() {
  return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
          QStringLiteral("kinfocenter")};
}

QString DesktopSysInfoPlatform::FindSysInfoProgram() {
  for (const QString& name : SysInfoPrograms()) {
    const QString found = QStandardPaths::findExecutable(name);
    if (!found.isEmpty()) return found;
  }
  return {};
}

long DesktopSysInfoPlatform::OpenKey(sysinfo::KeyHandle root, const std::string& path,
                                     std::uint32_t access, sysinfo::KeyHandle& key) {
  if (root != sysinfo::kHkeyLocalMachine) return kErrorInvalidHandle;
  if ((access & ~sysinfo::kKeyRead) != 0) return sysinfo::kErrorAccessDenied;
  if (!SameName(path, sysinfo::kMsinfoKey)) return sysinfo::kErrorFileNotFound;
  key = kMsinfoKeyHandle;
  return sysinfo::kErrorSuccess;
}

long DesktopSysInfoPlatform::ReadValue(sysinfo::KeyHandle key, const std::string& name,
                                       std::uint32_t& type, unsigned char* data,
                                       std::uint32_t& size) {
  if (key != kMsinfoKeyHandle) return kErrorInvalidHandle;
  if (!SameName(name, sysinfo::kMsinfoPathValue)) return sysinfo::kErrorFileNotFound;
  const QString program = FindSysInfoProgram();
  if (program.isEmpty()) return sysinfo::kErrorFileNotFound;

  // A string value, stored with its terminating zero.
  const QByteArray bytes = program.toLocal8Bit();
  const auto needed = static_cast<std::uint32_t>(bytes.size()) + 1;
  type = sysinfo::kRegSz;
  if (needed > size) {
    size = needed;
    return sysinfo::kErrorMoreData;
  }
  std::memcpy(data, bytes.constData(), bytes.size());
  data[bytes.size()] = 0;
  size = needed;
  return sysinfo::kErrorSuccess;
}

void DesktopSysInfoPlatform::CloseKey(sysinfo::KeyHandle) {}

bool DesktopSysInfoPlatform::FileExists(const std::string& path) {
  if (path.empty()) return false;
  const QFileInfo info(QString::fromLocal8Bit(path));
  return info.isFile() && !info.isHidden();
}

bool DesktopSysInfoPlatform::Launch(const std::string& path) {
  if (path.empty()) return false;
  // The program is the whole path; no arguments, no shell, no splitting at blanks.
  return QProcess::startDetached(QString::fromLocal8Bit(path), {});
}

void DesktopSysInfoPlatform::ShowMessage(const std::string& text) {
  VisBesked(owner_, QString::fromLocal8Bit(text));
}

#ifdef _WIN32
namespace {
// On Windows the registry, the file test and the launch are the system's own; the message
// is the program's box like all its other messages.
class QtWindowsPlatform : public sysinfo::WindowsPlatform {
 public:
  explicit QtWindowsPlatform(QWidget* owner) : owner_(owner) {}
  void ShowMessage(const std::string& text) override {
    VisBesked(owner_, QString::fromLocal8Bit(text));
  }

 private:
  QPointer<QWidget> owner_;
};
}  // namespace
#endif

void StartSysInfo(QWidget* owner) {
#ifdef _WIN32
  QtWindowsPlatform platform(owner);
#else
  DesktopSysInfoPlatform platform(owner);
#endif
  sysinfo::StartSysInfo(platform);
}

}  // namespace vesparo

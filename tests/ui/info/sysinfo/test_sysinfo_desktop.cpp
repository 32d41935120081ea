// The launcher on the Linux desktop, end to end: with a system-information program of the
// test's own on PATH the button's entry point starts it; without one the program's message
// box shows over the owner, which stays open.
#include "ui/info/system_info_launcher.h"

#include "tests/support/message_catcher.h"
#include "tests/support/test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

using vesparo::DesktopSysInfoPlatform;
namespace si = vesparo::sysinfo;

class TestSysInfoDesktop : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void startsTheFirstProgramOnPath_data();
  void startsTheFirstProgramOnPath();
  void messageWhenNoProgramIsInstalled();
  void fileTest_data();
  void fileTest();
  void grantsReadRightsOnly();

 private:
  // A fake system-information program: a shell script that leaves a marker beside itself.
  QString InstallFakeTool(const QString& name);
  static QString MarkerOf(const QString& program) { return program + QStringLiteral(".ran"); }

  std::unique_ptr<QTemporaryDir> dir_;
  QString bin_;  // the only folder on PATH during a test; its name has a blank in it
  QByteArray saved_path_;
};

void TestSysInfoDesktop::init() {
  saved_path_ = qgetenv("PATH");
  dir_ = std::make_unique<QTemporaryDir>();
  QVERIFY(dir_->isValid());
  bin_ = dir_->filePath(QStringLiteral("system tools"));
  QVERIFY(QDir().mkpath(bin_));
  // Only our folder: a system-information program that the machine happens to have must
  // not take part.
  qputenv("PATH", QFile::encodeName(bin_));
}

void TestSysInfoDesktop::cleanup() {
  qputenv("PATH", saved_path_);
  dir_.reset();
}

QString TestSysInfoDesktop::InstallFakeTool(const QString& name) {
  const QString path = bin_ + QLatin1Char('/') + name;
  QFile script(path);
  if (!script.open(QIODevice::WriteOnly)) return {};
  script.write("#!/bin/sh\n: > \"$0.ran\"\n");
  script.close();
  script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

void TestSysInfoDesktop::startsTheFirstProgramOnPath_data() {
  QTest::addColumn<QStringList>("installed");
  QTest::addColumn<QString>("started");
  QTest::newRow("hardinfo2") << QStringList{"hardinfo2"} << "hardinfo2";
  QTest::newRow("hardinfo") << QStringList{"hardinfo"} << "hardinfo";
  QTest::newRow("kinfocenter") << QStringList{"kinfocenter"} << "kinfocenter";
  QTest::newRow("hardinfo before kinfocenter")
      << QStringList{"kinfocenter", "hardinfo"} << "hardinfo";
}

void TestSysInfoDesktop::startsTheFirstProgramOnPath() {
  QFETCH(QStringList, installed);
  QFETCH(QString, started);

  for (const QString& name : installed) QVERIFY(!InstallFakeTool(name).isEmpty());
  QCOMPARE(DesktopSysInfoPlatform::FindSysInfoProgram(), bin_ + QLatin1Char('/') + started);

  QWidget owner;
  owner.show();
  vesparo::test::MessageCatcher catcher;
  vesparo::StartSysInfo(&owner);

  // The full path, blank and all, was started as one program.
  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(MarkerOf(bin_ + QLatin1Char('/') + started)), 5000);
  for (const QString& name : installed) {
    if (name != started) QVERIFY(!QFile::exists(MarkerOf(bin_ + QLatin1Char('/') + name)));
  }
  QCOMPARE(catcher.count(), 0);
  QVERIFY(owner.isVisible());
}

void TestSysInfoDesktop::messageWhenNoProgramIsInstalled() {
  QVERIFY(DesktopSysInfoPlatform::FindSysInfoProgram().isEmpty());

  QWidget owner;
  owner.show();
  vesparo::test::MessageCatcher catcher;
  vesparo::StartSysInfo(&owner);

  QCOMPARE(catcher.count(), 1);
  const auto& m = catcher.messages().first();
  QCOMPARE(m.text, QStringLiteral("System Information Is Unavailable At This Time"));
  QCOMPARE(m.title, QStringLiteral("Vesparo"));
  QCOMPARE(m.icon, QMessageBox::NoIcon);
  QCOMPARE(m.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QVERIFY(owner.isVisible());

  // A second click starts from nothing and says the same once more.
  vesparo::StartSysInfo(&owner);
  QCOMPARE(catcher.count(), 2);
  QVERIFY(owner.isVisible());
}

void TestSysInfoDesktop::fileTest_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("exists");
  QTest::newRow("ordinary file") << "MSINFO32.EXE" << true;
  QTest::newRow("hidden file") << ".MSINFO32.EXE" << false;
  QTest::newRow("folder") << "folder" << false;
  QTest::newRow("missing") << "absent" << false;
  QTest::newRow("empty path") << "" << false;
}

void TestSysInfoDesktop::fileTest() {
  QFETCH(QString, name);
  QFETCH(bool, exists);
  for (const char* f : {"MSINFO32.EXE", ".MSINFO32.EXE"}) {
    QFile file(dir_->filePath(QString::fromLatin1(f)));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }
  QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder")));

  DesktopSysInfoPlatform platform(nullptr);
  const QString path = name.isEmpty() ? QString() : dir_->filePath(name);
  QCOMPARE(platform.FileExists(path.toStdString()), exists);
}

void TestSysInfoDesktop::grantsReadRightsOnly() {
  DesktopSysInfoPlatform platform(nullptr);
  si::KeyHandle key = 0;
  // The rights that ask for writing as well are refused, as for a user who is no
  // administrator; read rights are granted.
  QCOMPARE(platform.OpenKey(si::kHkeyLocalMachine, si::kMsinfoKey, 131135u, key),
           si::kErrorAccessDenied);
  QCOMPARE(platform.OpenKey(si::kHkeyLocalMachine, si::kMsinfoKey, si::kKeyRead, key),
           si::kErrorSuccess);
  platform.CloseKey(key);
  QCOMPARE(platform.OpenKey(si::kHkeyLocalMachine, si::kLocationKey, si::kKeyRead, key),
           si::kErrorFileNotFound);
}

VESPARO_TEST_MAIN(TestSysInfoDesktop)
#include "test_sysinfo_desktop.moc"

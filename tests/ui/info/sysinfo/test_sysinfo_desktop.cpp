// The launcher on the Linux desktop, end to end: with a system-information program of the
// test's own on PATH, clicking "&System Info..." in the About window starts it; without one
// the program's message box shows and the About window stays open.
#include "ui/info/system_info_launcher.h"

#include "tests/support/message_catcher.h"
#include "tests/support/test_main.h"
#include "ui/info/frm_om.h"
#include "ui/info/info_windows.h"
#include "ui/platform/shared_instance.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

using vesparo::DesktopSysInfoPlatform;
namespace si = vesparo::sysinfo;

namespace {

// What happened while the modal About window was open.
struct AboutRun {
  bool opened = false;
  bool open_after_click = false;
  int messages_during = 0;
};

// Opens the About window over owner as the main window does (modal), clicks cmdSysInfo in
// it, notes whether it is still open, and closes it, so that a failure can never hang the
// test.
AboutRun ClickSysInfoInAbout(QWidget* owner, vesparo::test::MessageCatcher& catcher) {
  AboutRun run;
  QTimer::singleShot(0, [&run, &catcher] {
    vesparo::frmOm* om = vesparo::AabenInstans<vesparo::frmOm>();
    run.opened = om != nullptr;
    if (om) {
      QTest::mouseClick(om->cmdSysInfo(), Qt::LeftButton);
      run.messages_during = catcher.count();
      run.open_after_click = vesparo::AabenInstans<vesparo::frmOm>() == om;
    }
    QTimer::singleShot(0, [] {
      if (vesparo::frmOm* still = vesparo::AabenInstans<vesparo::frmOm>()) still->reject();
    });
  });
  vesparo::VisOm(owner);
  return run;
}

}  // namespace

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
  const QString program = bin_ + QLatin1Char('/') + started;
  QCOMPARE(DesktopSysInfoPlatform::FindSysInfoProgram(), program);

  QWidget owner;
  owner.show();
  vesparo::test::MessageCatcher catcher;
  const AboutRun run = ClickSysInfoInAbout(&owner, catcher);
  QVERIFY(run.opened);
  QVERIFY(run.open_after_click);
  QCOMPARE(run.messages_during, 0);

  // The full path, blank and all, was started as one program, and only that one.
  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(MarkerOf(program)), 5000);
  for (const QString& name : installed) {
    if (name != started) QVERIFY(!QFile::exists(MarkerOf(bin_ + QLatin1Char('/') + name)));
  }
  QCOMPARE(catcher.count(), 0);
}

void TestSysInfoDesktop::messageWhenNoProgramIsInstalled() {
  QVERIFY(DesktopSysInfoPlatform::FindSysInfoProgram().isEmpty());

  QWidget owner;
  owner.show();
  vesparo::test::MessageCatcher catcher;
  const AboutRun run = ClickSysInfoInAbout(&owner, catcher);
  QVERIFY(run.opened);
  QCOMPARE(run.messages_during, 1);
  QVERIFY(run.open_after_click);  // the About window stays open after the message

  const auto& m = catcher.messages().first();
  QCOMPARE(m.text, QStringLiteral("System Information Is Unavailable At This Time"));
  QCOMPARE(m.title, QStringLiteral("Vesparo"));
  QCOMPARE(m.icon, QMessageBox::NoIcon);
  QCOMPARE(m.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

  // The entry point itself, for any owner: a second click starts from nothing and says the
  // same once more, and the owner stays open.
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

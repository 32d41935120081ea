// Hostile settings files, end to end: the real program (the vesparo executable of this
// build) is started offscreen with a configuration folder of the test's own that holds a
// damaged or odd settings file, and driven as a user would drive it: close the message,
// move the sliders, open the calibration dialog, calibrate or close it, quit.
//
// For every row the program must keep running, show the Danish message where the stored
// value cannot be used, let the user go on with the sliders, and leave the settings file
// byte for byte as it was, unless the user calibrated: then the file holds exactly the new
// value in place of the old one, or the user was told that it could not be written.
//
// The permission rows need a user whom permissions bind. Root reads and writes any file,
// so when the test runs as root the program is started as the user "nobody" for them, in
// a folder that belongs to nobody.
#include "model/loss.h"
#include "tests/support/test_main.h"
#include "vesparo_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using vesparo::test::FrontMessage;
using vesparo::test::HasMessage;
using vesparo::test::VesparoProcess;
using vesparo::test::WindowVisible;

enum class Kind { Value, Directory, Unreadable, ReadOnlyFolder };
Q_DECLARE_METATYPE(Kind)

namespace {

const QByteArray kBefore = "; Vesparo's settings\n[Andet]\nDiameterKalibrering=7\n\n[Indstillinger]\n";
const QByteArray kAfter = "\nNoget=andet\n";
constexpr int kNewPosition = 5669;

QByteArray FileWith(const QByteArray& value) {
  return kBefore + "DiameterKalibrering=" + value + kAfter;
}

float Circle(const QJsonObject& state, const char* name) {
  return static_cast<float>(state.value(QStringLiteral("cirkler"))
                                .toObject()
                                .value(QString::fromUtf8(name))
                                .toObject()
                                .value(QStringLiteral("Width"))
                                .toDouble(-1));
}

QString Field(const QJsonObject& state, const char* name) {
  return state.value(QStringLiteral("felter")).toObject().value(QString::fromUtf8(name)).toString();
}

int Slider(const QJsonObject& state, const char* name) {
  return state.value(QStringLiteral("skydere")).toObject().value(QString::fromUtf8(name)).toInt(-1);
}

// Everything below a folder: relative path, and a file's bytes or a folder's mark.
QMap<QString, QByteArray> Snapshot(const QString& root) {
  QMap<QString, QByteArray> out;
  QDir dir(root);
  for (const QFileInfo& fi :
       dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
    struct stat st {};
    ::lstat(QFile::encodeName(fi.filePath()).constData(), &st);
    const QByteArray mode = QByteArray::number(st.st_mode, 8);
    if (fi.isDir() && !fi.isSymLink()) {
      out.insert(fi.fileName() + "/", "folder " + mode);
      const auto sub = Snapshot(fi.filePath());
      for (auto it = sub.begin(); it != sub.end(); ++it) out.insert(fi.fileName() + "/" + it.key(), it.value());
    } else {
      const int fd = ::open(QFile::encodeName(fi.filePath()).constData(), O_RDONLY);
      QByteArray bytes;
      char buf[65536];
      for (ssize_t n; fd >= 0 && (n = ::read(fd, buf, sizeof buf)) > 0;) bytes.append(buf, n);
      if (fd >= 0) ::close(fd);
      out.insert(fi.fileName(), "file " + mode + " " + bytes);
    }
  }
  return out;
}

void ChownTree(const QString& path, uid_t uid, gid_t gid) {
  ::lchown(QFile::encodeName(path).constData(), uid, gid);
  QDir dir(path);
  for (const QFileInfo& fi : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
    if (fi.isDir() && !fi.isSymLink())
      ChownTree(fi.filePath(), uid, gid);
    else
      ::lchown(QFile::encodeName(fi.filePath()).constData(), uid, gid);
  }
}

// Whether another user can reach and start the executable (every folder on the way and
// the file itself executable by others).
bool OthersCanRun(const QString& executable) {
  QString p = QFileInfo(executable).absoluteFilePath();
  while (!p.isEmpty()) {
    struct stat st {};
    if (::stat(QFile::encodeName(p).constData(), &st) != 0 || !(st.st_mode & S_IXOTH)) return false;
    if (p == "/") break;
    p = QFileInfo(p).path();
  }
  return true;
}

bool Writable(const QByteArray& path, int mode) { return ::chmod(path.constData(), mode) == 0; }

}  // namespace

class TestHostileSettings : public QObject {
  Q_OBJECT

 private slots:
  void hostileSettingsFile_data();
  void hostileSettingsFile();
};

void TestHostileSettings::hostileSettingsFile_data() {
  QTest::addColumn<Kind>("kind");
  QTest::addColumn<QByteArray>("value");          // the stored value text (Kind::Value)
  QTest::addColumn<bool>("startMessage");         // the main window says the value is unusable
  QTest::addColumn<double>("scale");              // the calibration the main window draws with
  QTest::addColumn<bool>("dialogMessage");        // the dialog says so when it opens
  QTest::addColumn<int>("dialogBar");             // where the dialog's bar opens
  QTest::addColumn<bool>("calibrate");            // the user presses Kalibrer at 5669
  QTest::addColumn<bool>("writeFails");           // ... and is told that it failed

  const QByteArray mebibyte(1024 * 1024, '9');
  const QByteArray junk("\x00\x01\x1b[2J\xff\xfe\xc3\x28\xe2\x82\x80\xed\xa0\x80\x7f 1000", 22);

  //                                   kind          value       start  scale    dialog bar   cal.   fails
  QTest::newRow("letters")          << Kind::Value << QByteArray("abc") << true << 1000.0 << true << 1000 << true << false;
  QTest::newRow("empty value")      << Kind::Value << QByteArray("") << true << 1000.0 << true << 1000 << false << false;
  QTest::newRow("blanks only")      << Kind::Value << QByteArray("   \t ") << true << 1000.0 << true << 1000 << false << false;
  QTest::newRow("-5")               << Kind::Value << QByteArray("-5") << true << 1000.0 << true << 1000 << true << false;
  QTest::newRow("40000")            << Kind::Value << QByteArray("40000") << false << 40000.0 << true << 1000 << true << false;
  QTest::newRow("8001")             << Kind::Value << QByteArray("8001") << false << 8001.0 << true << 1000 << false << false;
  QTest::newRow("1000,5")           << Kind::Value << QByteArray("1000,5") << false << 1000.5 << false << 1000 << false << false;
  QTest::newRow("1 MiB value")      << Kind::Value << mebibyte << true << 1000.0 << true << 1000 << true << false;
  QTest::newRow("binary, bad UTF-8") << Kind::Value << junk << true << 1000.0 << true << 1000 << true << false;
  QTest::newRow("file is a folder") << Kind::Directory << QByteArray() << true << 1000.0 << true << 1000 << true << true;
  QTest::newRow("file not readable") << Kind::Unreadable << QByteArray("2000") << true << 1000.0 << true << 1000 << true << true;
  QTest::newRow("folder not writable") << Kind::ReadOnlyFolder << QByteArray("2000") << false << 2000.0 << false << 2000 << true << true;
}

void TestHostileSettings::hostileSettingsFile() {
  QFETCH(Kind, kind);
  QFETCH(QByteArray, value);
  QFETCH(bool, startMessage);
  QFETCH(double, scale);
  QFETCH(bool, dialogMessage);
  QFETCH(int, dialogBar);
  QFETCH(bool, calibrate);
  QFETCH(bool, writeFails);

  QTemporaryDir base;
  QVERIFY(base.isValid());
  const QString config = base.filePath("config");
  const QString folder = config + "/Vesparo";
  const QString file = folder + "/Vesparo.ini";
  QVERIFY(QDir().mkpath(folder));
  for (const char* sub : {"home", "cache", "runtime"}) QVERIFY(QDir().mkpath(base.filePath(sub)));
  ::chmod(QFile::encodeName(base.filePath("runtime")).constData(), 0700);

  const QByteArray fileBytes = kind == Kind::Directory ? QByteArray() : FileWith(value);
  if (kind == Kind::Directory) {
    QVERIFY(QDir().mkpath(file));
    QFile inside(file + "/noget");
    QVERIFY(inside.open(QIODevice::WriteOnly));
    inside.write("[Indstillinger]\nDiameterKalibrering=3000\n");
  } else {
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(fileBytes), fileBytes.size());
  }

  // The permission rows: as root, the program runs as nobody in nobody's own folder.
  const bool permissions = kind == Kind::Unreadable || kind == Kind::ReadOnlyFolder;
  std::optional<unsigned> uid;
  unsigned gid = 0;
  if (permissions && ::geteuid() == 0) {
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody) QSKIP("root ignores file permissions, and there is no user 'nobody' to run as");
    if (!OthersCanRun(VESPARO_EXE))
      QSKIP("root ignores file permissions, and user 'nobody' cannot reach " VESPARO_EXE);
    uid = nobody->pw_uid;
    gid = nobody->pw_gid;
    ::chmod(QFile::encodeName(base.path()).constData(), 0755);
    ChownTree(base.path(), *uid, gid);
  }
  if (kind == Kind::Unreadable) QVERIFY(Writable(QFile::encodeName(file), 0000));
  if (kind == Kind::ReadOnlyFolder) QVERIFY(Writable(QFile::encodeName(folder), 0555));

  const auto before = Snapshot(config);

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", base.filePath("home"));
  env.insert("XDG_CONFIG_HOME", config);
  env.insert("XDG_CACHE_HOME", base.filePath("cache"));
  env.insert("XDG_RUNTIME_DIR", base.filePath("runtime"));
  env.insert("LC_ALL", "da_DK.UTF-8");
  env.insert("LANG", "da_DK.UTF-8");

  VesparoProcess app;
  QVERIFY2(app.start(VESPARO_EXE, env, uid, gid), qPrintable(app.process().errorString()));
  auto fail = [&app](const char* what) {
    return QByteArray(what) + "\nprogram's output:\n" + app.log().join('\n').toUtf8() +
           "\nprogram's errors:\n" + app.standardError().right(3000);
  };

  // The window opens; the message, if any, is in front of it.
  QVERIFY2(!app.waitForEvent("foerste billede", 20000).isEmpty(), fail("no first frame"));
  QJsonObject s = app.state();
  QVERIFY2(WindowVisible(s, "frmVesparoMain"), fail("main window not shown"));

  // The message names the file; for a value it could read, it says the value cannot be
  // used (a file it cannot read at all may be put in other words).
  const bool valueRead = kind != Kind::Directory && kind != Kind::Unreadable;
  auto checkUnusableMessage = [&](const QJsonObject& st) {
    const QJsonObject m = FrontMessage(st);
    const QString text = m.value("tekst").toString();
    if (valueRead) QVERIFY2(text.contains(QStringLiteral("kan ikke bruges")), qPrintable(text));
    QVERIFY2(text.contains(file), qPrintable(text));
    QVERIFY(m.value("advarsel").toBool());
    // Readable: a few lines, no control characters, not the megabyte.
    QVERIFY2(text.size() < 600, qPrintable(text.left(600)));
    for (QChar c : text) QVERIFY(c == '\n' || c.category() != QChar::Other_Control);
  };

  if (startMessage) {
    QVERIFY2(HasMessage(s), fail("no message about the stored value"));
    if (HasMessage(s)) {
      checkUnusableMessage(s);
      if (QTest::currentTestFailed()) return;
      QCOMPARE(app.command("ok").value("svar").toString(), QStringLiteral("ok"));
    }
  } else {
    QVERIFY2(!HasMessage(s), qPrintable(FrontMessage(s).value("tekst").toString()));
  }

  // The hole is drawn at the scale the main window can use, and the sliders work.
  QVERIFY(app.waitForState([](const QJsonObject& st) { return !HasMessage(st); }, &s));
  QCOMPARE(Field(s, "TextØ"), QStringLiteral("5"));
  QCOMPARE(Circle(s, "ShapeØ"), vesparo::CirkelDiameter(50, scale));
  QCOMPARE(app.command("tast HScrollØ Right").value("svar").toString(), QStringLiteral("ok"));
  QCOMPARE(app.command("saet HScrollBar 70").value("svar").toString(), QStringLiteral("ok"));
  s = app.state();
  QVERIFY2(!HasMessage(s), "a second message for the same value");
  QCOMPARE(Field(s, "TextØ"), QStringLiteral("5,1"));
  QCOMPARE(Field(s, "TextBar"), QStringLiteral("7"));
  QCOMPARE(Circle(s, "ShapeØ"), vesparo::CirkelDiameter(51, scale));

  // The calibration dialog opens at what it can show.
  QCOMPARE(app.command("handling frmVesparoMain/Kalibrer").value("svar").toString(), QStringLiteral("ok"));
  QVERIFY2(app.waitForState([](const QJsonObject& st) {
    return HasMessage(st) || WindowVisible(st, "DialogKalibrering");
  }, &s), fail("the calibration dialog did not open"));
  if (dialogMessage) {
    QVERIFY2(HasMessage(s), "the dialog opened without a message about the stored value");
    if (HasMessage(s)) {
      checkUnusableMessage(s);
      if (QTest::currentTestFailed()) return;
      QCOMPARE(app.command("ok").value("svar").toString(), QStringLiteral("ok"));
    }
  } else {
    QVERIFY(!HasMessage(s));
  }
  QVERIFY(app.waitForState([](const QJsonObject& st) {
    return !HasMessage(st) && WindowVisible(st, "DialogKalibrering");
  }, &s));
  QCOMPARE(Slider(s, "HScrollKalibreringW"), dialogBar);

  if (calibrate) {
    QCOMPARE(app.command(QStringLiteral("saet HScrollKalibreringW %1").arg(kNewPosition)).value("svar").toString(),
             QStringLiteral("ok"));
    QCOMPARE(app.command("handling DialogKalibrering/Kalibrer").value("svar").toString(), QStringLiteral("ok"));
    if (writeFails) {
      QVERIFY2(app.waitForState([](const QJsonObject& st) { return HasMessage(st); }, &s),
               fail("a failed write was not reported"));
      const QString text = FrontMessage(s).value("tekst").toString();
      QVERIFY2(text.contains(QStringLiteral("kunne ikke gemmes")), qPrintable(text));
      QVERIFY2(text.contains(file), qPrintable(text));
      QCOMPARE(app.command("ok").value("svar").toString(), QStringLiteral("ok"));
      // The dialog keeps the position, so that the user can try again; the hole is unchanged.
      QVERIFY(app.waitForState([](const QJsonObject& st) { return !HasMessage(st); }, &s));
      QVERIFY(WindowVisible(s, "DialogKalibrering"));
      QCOMPARE(Slider(s, "HScrollKalibreringW"), kNewPosition);
      QCOMPARE(app.command("luk DialogKalibrering").value("svar").toString(), QStringLiteral("ok"));
    }
    // The main window becomes active again and draws the hole at the scale now stored.
    const float hole = vesparo::CirkelDiameter(51, writeFails ? scale : double(kNewPosition));
    app.waitForState([hole](const QJsonObject& st) {
      return !HasMessage(st) && !WindowVisible(st, "DialogKalibrering") && Circle(st, "ShapeØ") == hole;
    }, &s);
    QVERIFY(!HasMessage(s));
    QVERIFY(!WindowVisible(s, "DialogKalibrering"));
    QCOMPARE(Circle(s, "ShapeØ"), hole);
  } else {
    QCOMPARE(app.command("luk DialogKalibrering").value("svar").toString(), QStringLiteral("ok"));
    QVERIFY(app.waitForState([](const QJsonObject& st) { return !WindowVisible(st, "DialogKalibrering"); }, &s));
  }

  // Still usable, then Filer > Afslut.
  QCOMPARE(app.command("tast HScrollØ Right").value("svar").toString(), QStringLiteral("ok"));
  s = app.state();
  QCOMPARE(Field(s, "TextØ"), QStringLiteral("5,2"));
  QVERIFY(!HasMessage(s));
  QCOMPARE(app.command("handling frmVesparoMain/Afslut").value("svar").toString(), QStringLiteral("ok"));
  QVERIFY2(app.waitForExit(), fail("the program did not end"));
  QCOMPARE(app.process().exitStatus(), QProcess::NormalExit);
  const QByteArray errors = app.standardError();
  QVERIFY2(!errors.contains("Sanitizer") && !errors.contains("runtime error"), errors.constData());
  QVERIFY2(app.process().exitCode() == 0, fail("exit code not 0"));

  // Byte for byte as before, or exactly the new value in place of the old one. The
  // folder of the last row gets its write permission back only after the snapshot.
  const auto after = Snapshot(config);
  if (kind == Kind::ReadOnlyFolder) Writable(QFile::encodeName(folder), 0755);
  auto expected = before;
  if (calibrate && !writeFails) {
    const QByteArray old = before.value("Vesparo/Vesparo.ini");
    const QByteArray modeAndSpace = old.left(old.indexOf(' ', 5) + 1);  // "file <mode> "
    expected.insert("Vesparo/Vesparo.ini", modeAndSpace + FileWith(QByteArray::number(kNewPosition)));
  }
  QCOMPARE(after.keys(), expected.keys());  // nothing left behind, nothing removed
  for (const QString& k : expected.keys())
    QVERIFY2(after.value(k) == expected.value(k),
             qPrintable("changed: " + k + "\nnow:  " + QString::fromUtf8(after.value(k).left(200)) +
                        "\nwant: " + QString::fromUtf8(expected.value(k).left(200))));
}

VESPARO_TEST_MAIN(TestHostileSettings)
#include "test_hostile_settings.moc"

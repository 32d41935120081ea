// The settings store: what a read returns for what is in the file, what a write leaves in
// the file, that another process's write is seen at once, and that writes which cannot be
// done are reported and leave the old file alone.
#include "settings/settings_store.h"

#include "tests/support/test_main.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vesparo;

namespace {

// The test program doubles as "another copy of Vesparo": started with VESPARO_SETTINGS_CHILD
// set, it does one job on the settings before main() (and so before the test set-up points
// XDG_CONFIG_HOME elsewhere) and exits.
//   write:N          GemKalibrering(N); exit status 0 on success
//   read             prints LaesKalibrering() on standard output
//   loop:A,B,count   writes A and B in turn, count times each
//   nobody           as the user nobody: prints the state of a read, its text, and whether
//                    a write of 1234 succeeded ("2 1000 0" for an unreadable file, no write)
const int kChild = [] {
  const QByteArray job = qgetenv("VESPARO_SETTINGS_CHILD");
  if (job.isEmpty()) return 0;
  int status = 0;
  if (job.startsWith("write:")) {
    status = GemKalibrering(static_cast<std::int16_t>(job.mid(6).toInt())) ? 0 : 1;
  } else if (job == "read") {
    const QByteArray text = LaesKalibrering().toUtf8();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
  } else if (job == "nobody") {
    if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
      std::_Exit(2);
    const Laesning l = LaesKalibreringMedTilstand();
    const bool written = GemKalibrering(1234);
    std::printf("%d %s %d", static_cast<int>(l.tilstand), l.tekst.toUtf8().constData(),
                written ? 1 : 0);
  } else if (job.startsWith("loop:")) {
    const QList<QByteArray> parts = job.mid(5).split(',');
    const int count = parts.value(2).toInt();
    for (int i = 0; i < count && status == 0; ++i)
      for (const QByteArray& v : {parts.value(0), parts.value(1)})
        if (!GemKalibrering(static_cast<std::int16_t>(v.toInt()))) status = 1;
  }
  std::fflush(stdout);
  std::_Exit(status);
}();

// A byte string with embedded zero bytes, whole.
template <std::size_t N>
QByteArray Bytes(const char (&s)[N]) {
  return QByteArray(s, N - 1);
}

QLocale Locale(const QString& name) { return name == "system" ? QLocale::system() : QLocale(name); }

// Makes path read-only in a way that holds for root too: the permission bits for an
// ordinary user, the immutable flag for root (who ignores the bits). Returns false when
// neither is possible here.
bool MakeReadOnly(const QString& path, bool folder) {
  const QByteArray p = QFile::encodeName(path);
  if (geteuid() != 0) return ::chmod(p.constData(), folder ? 0555 : 0444) == 0;
  int fd = ::open(p.constData(), O_RDONLY | O_NONBLOCK | (folder ? O_DIRECTORY : 0));
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags |= FS_IMMUTABLE_FL;
  ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  ::close(fd);
  return ok;
}

void MakeWritable(const QString& path, bool folder) {
  const QByteArray p = QFile::encodeName(path);
  int fd = ::open(p.constData(), O_RDONLY | O_NONBLOCK | (folder ? O_DIRECTORY : 0));
  if (fd >= 0) {
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_IMMUTABLE_FL)) {
      flags &= ~FS_IMMUTABLE_FL;
      ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    ::close(fd);
  }
  ::chmod(p.constData(), folder ? 0755 : 0644);
}

}  // namespace

class TestSettingsStore : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> config_;
  QStringList madeReadOnly_;  // folders and files to make writable again after the case

  QString Folder() const { return config_->path() + "/Vesparo"; }
  QString File() const { return Folder() + "/Vesparo.ini"; }

  // Writes the file the way another program (or an editor) would: in place, same inode.
  void WriteRaw(const QByteArray& content) {
    QDir().mkpath(Folder());
    QFile f(File());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(content), content.size());
  }

  QByteArray ReadRaw() {
    QFile f(File());
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
  }

  QStringList FolderEntries() {
    return QDir(Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                    QDir::NoDotAndDotDot);
  }

  // Runs a copy of this program as another Vesparo process on the same settings.
  QByteArray RunChild(const QByteArray& job, int* exitCode = nullptr) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VESPARO_SETTINGS_CHILD", QString::fromLatin1(job));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(30000)) return "timeout";
    if (exitCode) *exitCode = child.exitCode();
    return child.readAllStandardOutput();
  }

 private slots:
  void init() {
    config_ = std::make_unique<QTemporaryDir>();
    QVERIFY(config_->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_->path()));
  }

  void cleanup() {
    for (const QString& p : std::as_const(madeReadOnly_)) MakeWritable(p, QFileInfo(p).isDir());
    madeReadOnly_.clear();
    config_.reset();
  }

  // ---- reading: what is in the file, what comes back, and the three conversions of the
  // readers under the user's (Danish) regional settings

  void read_data() {
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QVariant>("asDouble");  // invalid QVariant: does not convert
    QTest::addColumn<QVariant>("asSingle");
    QTest::addColumn<QVariant>("asInt16");

    const QVariant no;
    auto entry = [](const QByteArray& value) {
      return "[Indstillinger]\nDiameterKalibrering=" + value + "\n";
    };
    QTest::newRow("nothing stored") << false << QByteArray() << "1000" << false
                                    << QVariant(1000.0) << QVariant(1000.0f)
                                    << QVariant(qint16(1000));
    QTest::newRow("empty file") << true << QByteArray() << "1000" << false << QVariant(1000.0)
                                << QVariant(1000.0f) << QVariant(qint16(1000));
    QTest::newRow("other group only") << true << QByteArray("[Andet]\nDiameterKalibrering=7\n")
                                      << "1000" << false << QVariant(1000.0)
                                      << QVariant(1000.0f) << QVariant(qint16(1000));
    QTest::newRow("group without the key")
        << true << QByteArray("[Indstillinger]\nAndet=7\n") << "1000" << false
        << QVariant(1000.0) << QVariant(1000.0f) << QVariant(qint16(1000));
    QTest::newRow("5669") << true << entry("5669") << "5669" << true << QVariant(5669.0)
                          << QVariant(5669.0f) << QVariant(qint16(5669));
    QTest::newRow("0 is not the default") << true << entry("0") << "0" << true
                                          << QVariant(0.0) << QVariant(0.0f)
                                          << QVariant(qint16(0));
    QTest::newRow("blanks around 1000") << true << entry("  1000 \t") << "  1000 \t" << true
                                        << QVariant(1000.0) << QVariant(1000.0f)
                                        << QVariant(qint16(1000));
    QTest::newRow("1000,5 half to even below")
        << true << entry("1000,5") << "1000,5" << true << QVariant(1000.5)
        << QVariant(1000.5f) << QVariant(qint16(1000));
    QTest::newRow("1001,5 half to even above")
        << true << entry("1001,5") << "1001,5" << true << QVariant(1001.5)
        << QVariant(1001.5f) << QVariant(qint16(1002));
    QTest::newRow("1000,6") << true << entry("1000,6") << "1000,6" << true << QVariant(1000.6)
                            << QVariant(1000.6f) << QVariant(qint16(1001));
    QTest::newRow("-2,5") << true << entry("-2,5") << "-2,5" << true << QVariant(-2.5)
                          << QVariant(-2.5f) << QVariant(qint16(-2));
    QTest::newRow("1.000 is one thousand in Danish")
        << true << entry("1.000") << "1.000" << true << QVariant(1000.0) << QVariant(1000.0f)
        << QVariant(qint16(1000));
    QTest::newRow("1000.5 is no Danish number")
        << true << entry("1000.5") << "1000.5" << true << no << no << no;
    QTest::newRow("letters") << true << entry("tusind") << "tusind" << true << no << no << no;
    QTest::newRow("empty text") << true << entry("") << "" << true << no << no << no;
    QTest::newRow("blanks only") << true << entry("   ") << "   " << true << no << no << no;
    QTest::newRow("40000") << true << entry("40000") << "40000" << true << QVariant(40000.0)
                           << QVariant(40000.0f) << no;
    QTest::newRow("32767") << true << entry("32767") << "32767" << true << QVariant(32767.0)
                           << QVariant(32767.0f) << QVariant(qint16(32767));
    QTest::newRow("32768") << true << entry("32768") << "32768" << true << QVariant(32768.0)
                           << QVariant(32768.0f) << no;
    QTest::newRow("32767,5 rounds out of range")
        << true << entry("32767,5") << "32767,5" << true << QVariant(32767.5)
        << QVariant(32767.5f) << no;
    QTest::newRow("-32768,5 rounds to -32768")
        << true << entry("-32768,5") << "-32768,5" << true << QVariant(-32768.5)
        << QVariant(-32768.5f) << QVariant(qint16(-32768));
    QTest::newRow("-32769") << true << entry("-32769") << "-32769" << true
                            << QVariant(-32769.0) << QVariant(-32769.0f) << no;
    QTest::newRow("1e39 beyond single precision")
        << true << entry("1e39") << "1e39" << true << QVariant(1e39) << no << no;
    QTest::newRow("infinity") << true << entry("inf") << "inf" << true << no << no << no;
    QTest::newRow("nan") << true << entry("nan") << "nan" << true << no << no << no;
    QTest::newRow("a list is one text") << true << entry("1000,5,7") << "1000,5,7" << true
                                        << no << no << no;
    QTest::newRow("quotes are kept") << true << entry("\"1000\"") << "\"1000\"" << true << no
                                     << no << no;
    QTest::newRow("blanks around the equals sign")
        << true << QByteArray("[Indstillinger]\n  DiameterKalibrering = 5669\n") << " 5669"
        << true << QVariant(5669.0) << QVariant(5669.0f) << QVariant(qint16(5669));
    QTest::newRow("CRLF line ends")
        << true << QByteArray("[Indstillinger]\r\nDiameterKalibrering=5669\r\n") << "5669"
        << true << QVariant(5669.0) << QVariant(5669.0f) << QVariant(qint16(5669));
    QTest::newRow("byte order mark")
        << true << QByteArray("\xEF\xBB\xBF[Indstillinger]\nDiameterKalibrering=5669")
        << "5669" << true << QVariant(5669.0) << QVariant(5669.0f) << QVariant(qint16(5669));
    QTest::newRow("the last of two keys counts")
        << true
        << QByteArray("[Indstillinger]\nDiameterKalibrering=1\n[Andet]\nx=2\n"
                      "[Indstillinger]\nDiameterKalibrering=3\n")
        << "3" << true << QVariant(3.0) << QVariant(3.0f) << QVariant(qint16(3));
    QTest::newRow("comments are not read")
        << true
        << QByteArray("; DiameterKalibrering=1\n[Indstillinger]\n;DiameterKalibrering=2\n"
                      "#DiameterKalibrering=3\nDiameterKalibrering=4\n;DiameterKalibrering=5\n")
        << "4" << true << QVariant(4.0) << QVariant(4.0f) << QVariant(qint16(4));
    QTest::newRow("invalid UTF-8")
        << true << entry("\xFF\xFE" "12\xC3") << QString::fromUtf8("\xFF\xFE" "12\xC3") << true
        << no << no << no;
    QTest::newRow("binary junk") << true << Bytes("\x00\x01[Indst\x00\n\x7F=\xFF\n")
                                 << "1000" << false << QVariant(1000.0) << QVariant(1000.0f)
                                 << QVariant(qint16(1000));
    QTest::newRow("binary junk in the value")
        << true << entry(Bytes("12\x00" "34\x01")) << QString::fromUtf8("12\0" "34\x01", 6)
        << true << no << no << no;
    const QByteArray mib(1 << 20, '7');
    QTest::newRow("1 MiB of digits") << true << entry(mib) << QString::fromLatin1(mib) << true
                                     << no << no << no;
  }

  void read() {
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, content);
    QFETCH(QString, text);
    QFETCH(bool, stored);
    QFETCH(QVariant, asDouble);
    QFETCH(QVariant, asSingle);
    QFETCH(QVariant, asInt16);
    if (fileExists) WriteRaw(content);

    const Laesning l = LaesKalibreringMedTilstand();
    QCOMPARE(l.tekst, text);
    QCOMPARE(LaesKalibrering(), text);
    QCOMPARE(l.gemt, stored);
    QCOMPARE(l.tilstand, fileExists ? Filtilstand::Laesbar : Filtilstand::Ingen);

    const auto d = TilDouble(l.tekst);
    const auto f = TilSingle(l.tekst);
    const auto i = TilHeltal16(l.tekst);
    QCOMPARE(d.tekst, text);
    QCOMPARE(f.tekst, text);
    QCOMPARE(i.tekst, text);
    QCOMPARE(d.ok(), asDouble.isValid());
    QCOMPARE(f.ok(), asSingle.isValid());
    QCOMPARE(i.ok(), asInt16.isValid());
    if (d.ok()) QCOMPARE(*d.vaerdi, asDouble.toDouble());
    if (f.ok()) QCOMPARE(*f.vaerdi, asSingle.toFloat());
    if (i.ok()) QCOMPARE(*i.vaerdi, qvariant_cast<qint16>(asInt16));

    // Reading leaves the file as it was.
    if (fileExists) QCOMPARE(ReadRaw(), content);
  }

  // ---- the conversions under several regional settings

  void conversions_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("asDouble");
    QTest::addColumn<QVariant>("asSingle");
    QTest::addColumn<QVariant>("asInt16");
    const QVariant no;
    QTest::newRow("system is Danish: 1000,5")
        << "system" << "1000,5" << QVariant(1000.5) << QVariant(1000.5f)
        << QVariant(qint16(1000));
    QTest::newRow("da: 1.000,5") << "da_DK" << "1.000,5" << QVariant(1000.5)
                                 << QVariant(1000.5f) << QVariant(qint16(1000));
    QTest::newRow("da: misplaced group sign 10.00") << "da_DK" << "10.00" << no << no << no;
    QTest::newRow("en: 1000,5 is no number") << "en_US" << "1000,5" << no << no << no;
    QTest::newRow("en: 1000.5") << "en_US" << "1000.5" << QVariant(1000.5) << QVariant(1000.5f)
                                << QVariant(qint16(1000));
    QTest::newRow("en: 1,000 is one thousand")
        << "en_US" << "1,000" << QVariant(1000.0) << QVariant(1000.0f)
        << QVariant(qint16(1000));
    QTest::newRow("en: 1001.5") << "en_US" << "1001.5" << QVariant(1001.5) << QVariant(1001.5f)
                                << QVariant(qint16(1002));
    QTest::newRow("en: 1.5e400 is no finite number") << "en_US" << "1.5e400" << no << no << no;
    QTest::newRow("en: letters") << "en_US" << "abc" << no << no << no;
    QTest::newRow("en: empty") << "en_US" << "" << no << no << no;
    QTest::newRow("de_CH: 1'000.5") << "de_CH" << QString::fromUtf8("1’000.5")
                                    << QVariant(1000.5) << QVariant(1000.5f)
                                    << QVariant(qint16(1000));
    QTest::newRow("da: tab and line feed around") << "da_DK" << "\t5669\n" << QVariant(5669.0)
                                                  << QVariant(5669.0f)
                                                  << QVariant(qint16(5669));
    QTest::newRow("da: over 1000 characters")
        << "da_DK" << QString(600, ' ') + "1" + QString(1000, '0').prepend(",")
        << no << no << no;
  }

  void conversions() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QVariant, asDouble);
    QFETCH(QVariant, asSingle);
    QFETCH(QVariant, asInt16);
    const QLocale l = Locale(locale);
    const auto d = TilDouble(text, l);
    const auto f = TilSingle(text, l);
    const auto i = TilHeltal16(text, l);
    QCOMPARE(d.ok(), asDouble.isValid());
    QCOMPARE(f.ok(), asSingle.isValid());
    QCOMPARE(i.ok(), asInt16.isValid());
    if (d.ok()) QCOMPARE(*d.vaerdi, asDouble.toDouble());
    if (f.ok()) QCOMPARE(*f.vaerdi, asSingle.toFloat());
    if (i.ok()) QCOMPARE(*i.vaerdi, qvariant_cast<qint16>(asInt16));
    QCOMPARE(d.tekst, text);
  }

  // What GemKalibrering writes converts to the same number in all three types under every
  // regional setting Qt knows.
  void writtenTextsConvertUnderEveryLocale() {
    const auto locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(locales.size() > 100);
    for (const std::int16_t v : {std::int16_t(0), std::int16_t(1), std::int16_t(1000),
                                 std::int16_t(5669), std::int16_t(8000), std::int16_t(-32768),
                                 std::int16_t(32767)}) {
      QVERIFY(GemKalibrering(v));
      const QString text = LaesKalibrering();
      QCOMPARE(text, QString::number(v));
      for (const QLocale& l : locales) {
        const auto d = TilDouble(text, l);
        const auto f = TilSingle(text, l);
        const auto i = TilHeltal16(text, l);
        if (!d.ok() || !f.ok() || !i.ok() || *d.vaerdi != v || *f.vaerdi != v || *i.vaerdi != v)
          QFAIL(qPrintable(QStringLiteral("%1 under %2").arg(text, l.name())));
      }
    }
  }

  // ---- writing: what the file holds afterwards, byte for byte

  void write_data() {
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("new file 5669") << false << QByteArray() << 5669
                                   << QByteArray("[Indstillinger]\nDiameterKalibrering=5669\n");
    QTest::newRow("new file 0") << false << QByteArray() << 0
                                << QByteArray("[Indstillinger]\nDiameterKalibrering=0\n");
    QTest::newRow("new file -5") << false << QByteArray() << -5
                                 << QByteArray("[Indstillinger]\nDiameterKalibrering=-5\n");
    QTest::newRow("replacement")
        << true << QByteArray("[Indstillinger]\nDiameterKalibrering=5669\n") << 1000
        << QByteArray("[Indstillinger]\nDiameterKalibrering=1000\n");
    QTest::newRow("the user's other lines survive")
        << true
        << QByteArray("; mine egne noter\n[Andet]\nNavn=\"Å, b\"\nListe=1,2,3\n\n"
                      "[Indstillinger]\nFør=1\n  DiameterKalibrering = 1000,5 \nEfter=x\n"
                      "\n[Sidst]\nDiameterKalibrering=9\n")
        << 5669
        << QByteArray("; mine egne noter\n[Andet]\nNavn=\"Å, b\"\nListe=1,2,3\n\n"
                      "[Indstillinger]\nFør=1\n  DiameterKalibrering =5669\nEfter=x\n"
                      "\n[Sidst]\nDiameterKalibrering=9\n");
    QTest::newRow("group without the key")
        << true << QByteArray("[Indstillinger]\nAndet=7\n") << 42
        << QByteArray("[Indstillinger]\nDiameterKalibrering=42\nAndet=7\n");
    QTest::newRow("group header on the last line")
        << true << QByteArray("[Indstillinger]") << 42
        << QByteArray("[Indstillinger]\nDiameterKalibrering=42\n");
    QTest::newRow("other group, no line end")
        << true << QByteArray("[Andet]\nx=1") << 8000
        << QByteArray("[Andet]\nx=1\n\n[Indstillinger]\nDiameterKalibrering=8000\n");
    QTest::newRow("CRLF file keeps CRLF")
        << true << QByteArray("[Andet]\r\nx=1\r\n") << 8000
        << QByteArray("[Andet]\r\nx=1\r\n\r\n[Indstillinger]\r\nDiameterKalibrering=8000\r\n");
    QTest::newRow("every copy of the key")
        << true
        << QByteArray("[Indstillinger]\nDiameterKalibrering=1\n[Indstillinger]\n"
                      "DiameterKalibrering=2\n")
        << 3
        << QByteArray("[Indstillinger]\nDiameterKalibrering=3\n[Indstillinger]\n"
                      "DiameterKalibrering=3\n");
    QTest::newRow("junk elsewhere is kept")
        << true << Bytes("[X]\nj=\xFF\x00\xFE\n[Indstillinger]\nDiameterKalibrering=abc\n")
        << 7 << Bytes("[X]\nj=\xFF\x00\xFE\n[Indstillinger]\nDiameterKalibrering=7\n");
  }

  void write() {
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, before);
    QFETCH(int, position);
    QFETCH(QByteArray, after);
    if (fileExists) WriteRaw(before);

    QVERIFY(GemKalibrering(static_cast<std::int16_t>(position)));
    QCOMPARE(ReadRaw(), after);
    QCOMPARE(FolderEntries(), QStringList{"Vesparo.ini"});  // no temporary file left behind
    const Laesning l = LaesKalibreringMedTilstand();
    QCOMPARE(l.tekst, QString::number(position));
    QVERIFY(l.gemt);
    // A second, independent settings object, as another program would use: Qt's own INI
    // reader sees the same value.
    QSettings other(File(), QSettings::IniFormat);
    QCOMPARE(other.value("Indstillinger/DiameterKalibrering").toString(),
             QString::number(position));
  }

  // Whatever the file held, after a write it reads as exactly the written value (the
  // byte-for-byte results are in write_data).
  void writeThenReadOfEveryReadCase() {
    const QList<QByteArray> texts = {
        QByteArray(), "[Andet]\nDiameterKalibrering=7", "[Indstillinger]",
        "[Indstillinger]\r\n  DiameterKalibrering = 1000,5 \r\n",
        Bytes("\x00\x01[Indst\x00\n\x7F=\xFF\n"), "\xEF\xBB\xBF[Indstillinger]\nx=1",
        "[Indstillinger]\nDiameterKalibrering=1\n[Indstillinger]\nDiameterKalibrering=2",
        "[Indstillinger\nDiameterKalibrering=1\n", "[ Indstillinger ]\n;DiameterKalibrering=1\n",
        QByteArray(1 << 16, '[')};
    for (const QByteArray& text : texts)
      for (const std::int16_t v : {std::int16_t(0), std::int16_t(-32768), std::int16_t(5669)}) {
        const QByteArray after = FiltekstMedKalibrering(text, v);
        QCOMPARE(KalibreringIFiltekst(after), std::optional<QString>(QString::number(v)));
      }
  }

  void writeKeepsFilePermissions() {
    WriteRaw("[Indstillinger]\nDiameterKalibrering=1\n");
    const QByteArray path = QFile::encodeName(File());
    QCOMPARE(::chmod(path.constData(), 0600), 0);
    QVERIFY(GemKalibrering(2));
    struct stat st {};
    QCOMPARE(::stat(path.constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, 0600u);
    QCOMPARE(ReadRaw(), QByteArray("[Indstillinger]\nDiameterKalibrering=2\n"));
  }

  // A settings file that is a link stays a link; the file it points to gets the value.
  void writeThroughALink() {
    QVERIFY(QDir().mkpath(Folder()));
    const QString target = config_->path() + "/dotfiles.ini";
    QFile t(target);
    QVERIFY(t.open(QIODevice::WriteOnly));
    t.write("[Indstillinger]\nDiameterKalibrering=1\n");
    t.close();
    QVERIFY(QFile::link(target, File()));
    QVERIFY(GemKalibrering(2));
    QVERIFY(QFileInfo(File()).isSymLink());
    QVERIFY(t.open(QIODevice::ReadOnly));
    QCOMPARE(t.readAll(), QByteArray("[Indstillinger]\nDiameterKalibrering=2\n"));
    QCOMPARE(LaesKalibrering(), QString("2"));
  }

  // What a killed writer left behind is cleared by a later write once it is old enough to
  // belong to no writer still running.
  void oldLeftoversAreRemoved() {
    QVERIFY(GemKalibrering(1));
    const QString stale = Folder() + "/.Vesparo.ini.old.tmp";
    const QString fresh = Folder() + "/.Vesparo.ini.busy.tmp";
    const QString foreign = Folder() + "/.mine.tmp";
    for (const QString& name : {stale, fresh, foreign}) {
      QFile f(name);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("[Indstillinger]\nDiameterKalibrering=");
    }
    const timespec old[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    for (const QString& name : {stale, foreign})
      QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(name).constData(), old, 0), 0);
    QVERIFY(GemKalibrering(2));
    QVERIFY(!QFile::exists(stale));
    QVERIFY(QFile::exists(fresh));
    QVERIFY(QFile::exists(foreign));
    QCOMPARE(LaesKalibrering(), QString("2"));
  }

  // ---- fresh at every read: another process's write is seen by the next read

  void anotherProcessSeesTheWrite() {
    QVERIFY(GemKalibrering(5669));
    QCOMPARE(RunChild("read"), QByteArray("5669"));
    QVERIFY(GemKalibrering(0));
    QCOMPARE(RunChild("read"), QByteArray("0"));
  }

  void writeByAnotherProcessIsSeen() {
    QVERIFY(GemKalibrering(5669));
    QCOMPARE(LaesKalibrering(), QString("5669"));
    int exitCode = -1;
    RunChild("write:5670", &exitCode);  // same size, within the same second
    QCOMPARE(exitCode, 0);
    QCOMPARE(LaesKalibrering(), QString("5670"));
    RunChild("write:12", &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(LaesKalibrering(), QString("12"));
  }

  // An editor that rewrites the file in place keeps the inode; a rewrite of the same size
  // right after a read must still be seen.
  void inPlaceRewriteOfTheSameSizeIsSeen() {
    WriteRaw("[Indstillinger]\nDiameterKalibrering=1111\n");
    for (int i = 0; i < 20; ++i) {
      const QByteArray v = QByteArray::number(2000 + i);
      QCOMPARE(LaesKalibrering(), i == 0 ? QString("1111") : QString::number(2000 + i - 1));
      WriteRaw("[Indstillinger]\nDiameterKalibrering=" + v + "\n");
      QCOMPARE(LaesKalibrering(), QString::fromLatin1(v));
    }
  }

  // The same once the kept copy is trusted (the file's ctime is old enough), and with the
  // old mtime put back afterwards, as a copy that keeps times would do.
  void inPlaceRewriteOfAnOldFileIsSeen() {
    WriteRaw("[Indstillinger]\nDiameterKalibrering=1111\n");
    QTest::qSleep(2100);
    QCOMPARE(LaesKalibrering(), QString("1111"));
    QCOMPARE(LaesKalibrering(), QString("1111"));
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(File()).constData(), &before), 0);
    WriteRaw("[Indstillinger]\nDiameterKalibrering=2222\n");
    const timespec times[2] = {before.st_atim, before.st_mtim};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(File()).constData(), times, 0), 0);
    QCOMPARE(LaesKalibrering(), QString("2222"));
  }

  void concurrentWritersLeaveAValidFile() {
    QVERIFY(GemKalibrering(1));
    const QStringList valid{"1", "22", "333", "4444"};
    QProcess a, b;
    for (QProcess* p : {&a, &b}) {
      QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
      env.insert("VESPARO_SETTINGS_CHILD", p == &a ? "loop:1,22,25" : "loop:333,4444,25");
      p->setProcessEnvironment(env);
      p->start(QCoreApplication::applicationFilePath(), {});
    }
    int reads = 0;
    while (a.state() != QProcess::NotRunning || b.state() != QProcess::NotRunning) {
      const Laesning l = LaesKalibreringMedTilstand();
      QCOMPARE(l.tilstand, Filtilstand::Laesbar);
      QVERIFY2(valid.contains(l.tekst), qPrintable(l.tekst));
      ++reads;
      QCoreApplication::processEvents();
    }
    QCOMPARE(a.exitStatus(), QProcess::NormalExit);
    QCOMPARE(b.exitStatus(), QProcess::NormalExit);
    QCOMPARE(a.exitCode(), 0);
    QCOMPARE(b.exitCode(), 0);
    QVERIFY(reads > 0);
    const QByteArray last = ReadRaw();
    QVERIFY2(last == "[Indstillinger]\nDiameterKalibrering=22\n" ||
                 last == "[Indstillinger]\nDiameterKalibrering=4444\n",
             last.constData());
    QCOMPARE(FolderEntries(), QStringList{"Vesparo.ini"});
  }

  // ---- where the file is

  void filePath_data() {
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<bool>("xdgSet");
    QTest::addColumn<QString>("expected");  // "HOME" stands for the test's home folder
    QTest::newRow("XDG_CONFIG_HOME") << QByteArray("/x/y") << true
                                     << "/x/y/Vesparo/Vesparo.ini";
    QTest::newRow("trailing slash") << QByteArray("/x/y/") << true
                                    << "/x/y/Vesparo/Vesparo.ini";
    QTest::newRow("unset") << QByteArray() << false << "HOME/.config/Vesparo/Vesparo.ini";
    QTest::newRow("empty") << QByteArray() << true << "HOME/.config/Vesparo/Vesparo.ini";
    QTest::newRow("relative") << QByteArray("rel/dir") << true
                              << "HOME/.config/Vesparo/Vesparo.ini";
  }

  void filePath() {
    QFETCH(QByteArray, xdg);
    QFETCH(bool, xdgSet);
    QFETCH(QString, expected);
    const QByteArray oldHome = qgetenv("HOME");
    const QString home = config_->path() + "/home";
    qputenv("HOME", QFile::encodeName(home));
    if (xdgSet)
      qputenv("XDG_CONFIG_HOME", xdg);
    else
      qunsetenv("XDG_CONFIG_HOME");
    const QString path = KalibreringsFil();
    // Through the home folder the file is really written there.
    const bool viaHome = expected.startsWith("HOME");
    const bool written = viaHome && GemKalibrering(777);
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_->path()));

    QCOMPARE(path, QString(expected).replace("HOME", home));
    if (viaHome) {
      QVERIFY(written);
      QFile f(path);
      QVERIFY(f.open(QIODevice::ReadOnly));
      QCOMPARE(f.readAll(), QByteArray("[Indstillinger]\nDiameterKalibrering=777\n"));
    }
  }

  void changingTheFolderBetweenReads() {
    QVERIFY(GemKalibrering(1111));
    QCOMPARE(LaesKalibrering(), QString("1111"));
    QTemporaryDir other;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(other.path()));
    QCOMPARE(LaesKalibrering(), QString("1000"));
    QVERIFY(GemKalibrering(2222));
    QCOMPARE(LaesKalibrering(), QString("2222"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_->path()));
    QCOMPARE(LaesKalibrering(), QString("1111"));
  }

  // ---- something at the settings path that cannot be read: never a crash or a hang,
  // the default, a state that says so, and a refused write that changes nothing

  void unreadable_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a link to an endless device") << "device";
    QTest::newRow("a link loop") << "loop";
    QTest::newRow("larger than any settings file") << "huge";
    QTest::newRow("no read permission") << "noperm";
  }

  void unreadable() {
    QFETCH(QString, kind);
    QVERIFY(QDir().mkpath(Folder()));
    const QByteArray path = QFile::encodeName(File());
    if (kind == "folder") {
      QVERIFY(QDir().mkpath(File()));
    } else if (kind == "fifo") {
      QCOMPARE(::mkfifo(path.constData(), 0644), 0);
    } else if (kind == "device") {
      QCOMPARE(::symlink("/dev/zero", path.constData()), 0);
    } else if (kind == "loop") {
      QCOMPARE(::symlink("Vesparo.ini", path.constData()), 0);
    } else if (kind == "huge") {
      WriteRaw("[Indstillinger]\nDiameterKalibrering=5669\n");
      QCOMPARE(::truncate(path.constData(), 17 * 1024 * 1024), 0);
    } else if (kind == "noperm") {
      WriteRaw("[Indstillinger]\nDiameterKalibrering=5669\n");
      QCOMPARE(::chmod(path.constData(), 0), 0);
      madeReadOnly_ << File();
      if (geteuid() == 0) {
        // Root reads any file whatever its permissions: ask a copy of this program running
        // as the user nobody, who may enter the folders but neither read the file nor
        // write into its folder.
        QCOMPARE(::chmod(QFile::encodeName(config_->path()).constData(), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(Folder()).constData(), 0755), 0);
        QCOMPARE(RunChild("nobody"), QByteArray("2 1000 0"));
        QCOMPARE(ReadRaw(), QByteArray("[Indstillinger]\nDiameterKalibrering=5669\n"));
        QCOMPARE(FolderEntries(), QStringList{"Vesparo.ini"});
        return;
      }
    }
    struct stat before {};
    QCOMPARE(::lstat(path.constData(), &before), 0);

    for (int i = 0; i < 3; ++i) {  // the kept state answers the same
      const Laesning l = LaesKalibreringMedTilstand();
      QCOMPARE(l.tilstand, Filtilstand::Ulaeselig);
      QCOMPARE(l.tekst, QString("1000"));
      QVERIFY(!l.gemt);
    }
    QCOMPARE(LaesKalibrering(), QString("1000"));
    QVERIFY(!GemKalibrering(5669));

    struct stat after {};
    QCOMPARE(::lstat(path.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_size, before.st_size);
    QCOMPARE(FolderEntries(), QStringList{"Vesparo.ini"});
  }

  // ---- writes that cannot be done: reported, old file intact, no half file

  void failedWrite_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("fileExists");
    QTest::newRow("parent of the folder is a file") << "parentfile" << false;
    QTest::newRow("read-only folder, no file yet") << "rofolder" << false;
    QTest::newRow("read-only folder") << "rofolder" << true;
    QTest::newRow("read-only file") << "rofile" << true;
    QTest::newRow("full disk") << "full" << true;
  }

  void failedWrite() {
    QFETCH(QString, how);
    QFETCH(bool, fileExists);
    const QByteArray before =
        "; noter\n[Indstillinger]\nDiameterKalibrering=5669\n[Andet]\nx=" + QByteArray(200, 'x') +
        "\n";
    if (fileExists) WriteRaw(before);
    QVERIFY(QDir().mkpath(Folder()));

    if (how == "parentfile") {
      QFile blocker(config_->path() + "/blocker");
      QVERIFY(blocker.open(QIODevice::WriteOnly));
      blocker.close();
      qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName()));
      QVERIFY(!GemKalibrering(1234));
      QVERIFY(QFileInfo(blocker.fileName()).isFile());
      QCOMPARE(QFileInfo(blocker.fileName()).size(), 0);
      QCOMPARE(LaesKalibrering(), QString("1000"));
      return;
    }
    if (how == "rofolder" || how == "rofile") {
      const QString target = how == "rofolder" ? Folder() : File();
      if (!MakeReadOnly(target, how == "rofolder"))
        QSKIP("cannot make anything read-only here (no permission bits for root and no "
              "immutable flag on this file system)");
      madeReadOnly_ << target;
    }
    struct rlimit oldLimit {};
    if (how == "full") {
      // A file size limit makes every write past it fail as a full disk would (EFBIG);
      // the signal it raises is ignored so that the failure comes back from write().
      std::signal(SIGXFSZ, SIG_IGN);
      QCOMPARE(::getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
      struct rlimit small = oldLimit;
      small.rlim_cur = 64;
      QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    const bool ok = GemKalibrering(1234);
    if (how == "full") QCOMPARE(::setrlimit(RLIMIT_FSIZE, &oldLimit), 0);

    QVERIFY(!ok);
    if (fileExists) {
      QCOMPARE(ReadRaw(), before);
      QCOMPARE(LaesKalibrering(), QString("5669"));
      QCOMPARE(FolderEntries(), QStringList{"Vesparo.ini"});
    } else {
      QCOMPARE(FolderEntries(), QStringList{});
      QCOMPARE(LaesKalibrering(), QString("1000"));
    }
  }
};

VESPARO_TEST_MAIN(TestSettingsStore)
#include "test_settings_store.moc"

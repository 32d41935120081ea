// The launcher's logic against the table-driven platform double: which keys are opened and
// with which rights, what is tested and started, when the one message shows, and that no
// key is ever left open.
#include "fake_sysinfo_platform.h"

#include <QObject>
#include <QtTest>

#include <functional>
#include <stdexcept>

using vesparo::test::FakeSysInfoPlatform;
using vesparo::test::FakeValue;
using vesparo::test::StringValue;
namespace si = vesparo::sysinfo;

namespace {

const std::string kTool = "C:\\WINDOWS\\system32\\msinfo32.exe";
const std::string kFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string kCandidate = kFolder + "\\MSINFO32.EXE";
const std::string kDwordBytes = std::string("\x0A\x00\x01\x00", 4);

using Setup = std::function<void(FakeSysInfoPlatform&)>;

void PathValue(FakeSysInfoPlatform& f, FakeValue v) { f.keys[si::kMsinfoKey].values["PATH"] = v; }
void FolderValue(FakeSysInfoPlatform& f, FakeValue v) {
  f.keys[si::kLocationKey].values["MSINFO"] = v;
}

std::vector<std::string> V(std::initializer_list<std::string> l) { return l; }

}  // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(FakeValue)
Q_DECLARE_METATYPE(std::vector<std::string>)

class TestSysInfoLogic : public QObject {
  Q_OBJECT

 private slots:
  void startSysInfo_data();
  void startSysInfo();
  void getKeyValue_data();
  void getKeyValue();
  void zeroSizeThrowsAndClosesTheKey();
  void hexFormatting_data();
  void hexFormatting();
};

void TestSysInfoLogic::startSysInfo_data() {
  QTest::addColumn<Setup>("setup");
  QTest::addColumn<std::vector<std::string>>("opened");
  QTest::addColumn<std::vector<std::string>>("tested");
  QTest::addColumn<std::vector<std::string>>("launched");
  QTest::addColumn<bool>("message");

  const std::string k1 = si::kMsinfoKey, k2 = si::kLocationKey;
  const std::string long1023(1023, 'x');

  // A second lookup that would succeed, to show when it is not tried.
  auto both = [](FakeSysInfoPlatform& f) {
    FolderValue(f, StringValue(kFolder));
    f.files.insert(kCandidate);
  };

  QTest::newRow("lookup 1 names an existing program: started directly, no file test")
      << Setup([=](FakeSysInfoPlatform& f) {
           PathValue(f, StringValue(kTool));
           f.files.insert(kTool);
           both(f);
         })
      << V({k1}) << V({}) << V({kTool}) << false;
  QTest::newRow("lookup 1 names a missing file: message, lookup 2 not tried")
      << Setup([=](FakeSysInfoPlatform& f) {
           PathValue(f, StringValue(kTool));
           both(f);
         })
      << V({k1}) << V({}) << V({kTool}) << true;
  QTest::newRow("lookup 1 key missing, lookup 2 folder holds MSINFO32.EXE")
      << Setup(both) << V({k1, k2}) << V({kCandidate}) << V({kCandidate}) << false;
  QTest::newRow("lookup 1 value missing in its key, lookup 2 used")
      << Setup([=](FakeSysInfoPlatform& f) {
           f.keys[si::kMsinfoKey].values["Other"] = StringValue(kTool);
           both(f);
         })
      << V({k1, k2}) << V({kCandidate}) << V({kCandidate}) << false;
  QTest::newRow("lookup 1 missing, lookup 2 folder lacks MSINFO32.EXE: message")
      << Setup([=](FakeSysInfoPlatform& f) { FolderValue(f, StringValue(kFolder)); })
      << V({k1, k2}) << V({kCandidate}) << V({}) << true;
  QTest::newRow("both missing: message")
      << Setup([](FakeSysInfoPlatform&) {}) << V({k1, k2}) << V({}) << V({}) << true;
  QTest::newRow("string without its terminating zero is used whole")
      << Setup([=](FakeSysInfoPlatform& f) {
           PathValue(f, {si::kRegSz, kTool});
           f.files.insert(kTool);
         })
      << V({k1}) << V({}) << V({kTool}) << false;
  QTest::newRow("lookup 1 longer than 1024 bytes counts as missing")
      << Setup([=](FakeSysInfoPlatform& f) {
           PathValue(f, StringValue(std::string(1024, 'x')));  // 1025 bytes with the zero
           both(f);
         })
      << V({k1, k2}) << V({kCandidate}) << V({kCandidate}) << false;
  QTest::newRow("lookup 1 of exactly 1024 bytes with the zero: 1023 characters")
      << Setup([=](FakeSysInfoPlatform& f) {
           PathValue(f, StringValue(long1023));
           f.files.insert(long1023);
         })
      << V({k1}) << V({}) << V({long1023}) << false;
  QTest::newRow("lookup 1 of another type: found and empty, the launch fails")
      << Setup([=](FakeSysInfoPlatform& f) {
           PathValue(f, {2 /* REG_EXPAND_SZ */, kTool + '\0'});
           both(f);
         })
      << V({k1}) << V({}) << V({""}) << true;
  QTest::newRow("lookup 2 of another type: the candidate is MSINFO32.EXE in the root")
      << Setup([=](FakeSysInfoPlatform& f) {
           FolderValue(f, {3 /* REG_BINARY */, kFolder});
           f.files.insert("\\MSINFO32.EXE");
         })
      << V({k1, k2}) << V({"\\MSINFO32.EXE"}) << V({"\\MSINFO32.EXE"}) << false;
  QTest::newRow("lookup 1 REG_DWORD 0x0001000A: its decimal text is launched, and fails")
      << Setup([=](FakeSysInfoPlatform& f) {
           PathValue(f, {si::kRegDword, kDwordBytes});
           both(f);
         })
      << V({k1}) << V({}) << V({"65546"}) << true;
  QTest::newRow("lookup 2 REG_DWORD 0x0001000A: the folder is its decimal text")
      << Setup([=](FakeSysInfoPlatform& f) { FolderValue(f, {si::kRegDword, kDwordBytes}); })
      << V({k1, k2}) << V({"65546\\MSINFO32.EXE"}) << V({}) << true;
  QTest::newRow("lookup 1 of size 0: message, lookup 2 not tried")
      << Setup([=](FakeSysInfoPlatform& f) {
           PathValue(f, {si::kRegSz, ""});
           both(f);
         })
      << V({k1}) << V({}) << V({}) << true;
  QTest::newRow("lookup 2 of size 0: message")
      << Setup([=](FakeSysInfoPlatform& f) {
           FolderValue(f, {si::kRegSz, ""});
           f.files.insert("\\MSINFO32.EXE");
         })
      << V({k1, k2}) << V({}) << V({}) << true;
  QTest::newRow("lookup 1 key refused (access denied) counts as missing")
      << Setup([=](FakeSysInfoPlatform& f) {
           PathValue(f, StringValue(kTool));
           f.files.insert(kTool);
           f.keys[si::kMsinfoKey].open_result = si::kErrorAccessDenied;
           both(f);
         })
      << V({k1, k2}) << V({kCandidate}) << V({kCandidate}) << false;
  QTest::newRow("lookup 1 read fails with another result: missing")
      << Setup([=](FakeSysInfoPlatform& f) {
           PathValue(f, {si::kRegSz, kTool + '\0', std::nullopt, si::kErrorAccessDenied});
           both(f);
         })
      << V({k1, k2}) << V({kCandidate}) << V({kCandidate}) << false;
  QTest::newRow("program path with blanks is launched as one program")
      << Setup([=](FakeSysInfoPlatform& f) {
           const std::string p = "C:\\Program Files\\Vesparo Test\\msinfo32.exe";
           PathValue(f, StringValue(p));
           f.files.insert(p);
           f.files.insert("C:\\Program.exe");  // what the first word would have started
         })
      << V({k1}) << V({}) << V({"C:\\Program Files\\Vesparo Test\\msinfo32.exe"}) << false;
  QTest::newRow("existing program that fails to start: message")
      << Setup([=](FakeSysInfoPlatform& f) {
           PathValue(f, StringValue(kTool));
           f.files.insert(kTool);
           f.failing_launches.insert(kTool);
         })
      << V({k1}) << V({}) << V({kTool}) << true;
  QTest::newRow("error raised by the launch: message")
      << Setup([=](FakeSysInfoPlatform& f) {
           PathValue(f, StringValue(kTool));
           f.files.insert(kTool);
           f.throw_in = "launch";
         })
      << V({k1}) << V({}) << V({kTool}) << true;
  QTest::newRow("error raised by the file test: message")
      << Setup([=](FakeSysInfoPlatform& f) {
           both(f);
           f.throw_in = "exists";
         })
      << V({k1, k2}) << V({kCandidate}) << V({}) << true;
  QTest::newRow("error raised by a read: message, the key closed")
      << Setup([=](FakeSysInfoPlatform& f) {
           PathValue(f, StringValue(kTool));
           f.throw_in = "read";
         })
      << V({k1}) << V({}) << V({}) << true;
}

void TestSysInfoLogic::startSysInfo() {
  QFETCH(Setup, setup);
  QFETCH(std::vector<std::string>, opened);
  QFETCH(std::vector<std::string>, tested);
  QFETCH(std::vector<std::string>, launched);
  QFETCH(bool, message);

  FakeSysInfoPlatform fake;
  setup(fake);
  si::StartSysInfo(fake);

  QCOMPARE(fake.Opened(), opened);
  QCOMPARE(fake.Tested(), tested);
  QCOMPARE(fake.Launched(), launched);
  const std::vector<std::string> expected_messages =
      message ? V({"System Information Is Unavailable At This Time"}) : V({});
  QCOMPARE(fake.Messages(), expected_messages);
  // Every key read-only, and every key that was opened closed again.
  for (std::uint32_t access : fake.OpenAccess()) QCOMPARE(access, 0x20019u);
  QVERIFY(fake.LeftOpen().empty());
}

void TestSysInfoLogic::getKeyValue_data() {
  QTest::addColumn<FakeValue>("value");
  QTest::addColumn<bool>("found");
  QTest::addColumn<std::string>("text");

  QTest::newRow("string with its zero loses it") << StringValue("abc") << true << std::string("abc");
  QTest::newRow("string without its zero is used whole")
      << FakeValue{si::kRegSz, "abc"} << true << std::string("abc");
  QTest::newRow("only the last zero is dropped")
      << FakeValue{si::kRegSz, std::string("ab\0\0", 4)} << true << std::string("ab\0", 3);
  QTest::newRow("1024 bytes with the zero: 1023 characters")
      << StringValue(std::string(1023, 'q')) << true << std::string(1023, 'q');
  QTest::newRow("1024 bytes without a zero: 1024 characters")
      << FakeValue{si::kRegSz, std::string(1024, 'q')} << true << std::string(1024, 'q');
  QTest::newRow("1025 bytes: not read, empty")
      << StringValue(std::string(1024, 'q')) << false << std::string();
  QTest::newRow("declared size beyond the buffer: not read")
      << FakeValue{si::kRegSz, "abc", 4000} << false << std::string();
  QTest::newRow("REG_DWORD 0x0001000A") << FakeValue{si::kRegDword, kDwordBytes} << true
                                         << std::string("65546");
  QTest::newRow("REG_DWORD with the top bit set, unsigned")
      << FakeValue{si::kRegDword, std::string("\x00\x00\x00\x80", 4)} << true
      << std::string("2147483648");
  QTest::newRow("REG_DWORD 0") << FakeValue{si::kRegDword, std::string(4, '\0')} << true
                                << std::string("0");
  QTest::newRow("REG_DWORD of one zero byte: no digits, text unchanged")
      << FakeValue{si::kRegDword, std::string(1, '\0')} << true << std::string("&h");
  QTest::newRow("another type leaves the text as it was")
      << FakeValue{7 /* REG_MULTI_SZ */, std::string("a\0b\0\0", 5)} << true
      << std::string("as on entry");
  QTest::newRow("read result other than 0: not read, empty")
      << FakeValue{si::kRegSz, "abc", std::nullopt, 5} << false << std::string();
}

void TestSysInfoLogic::getKeyValue() {
  QFETCH(FakeValue, value);
  QFETCH(bool, found);
  QFETCH(std::string, text);

  FakeSysInfoPlatform fake;
  fake.keys["K"].values["V"] = value;
  // The text on entry: the launcher passes it empty; a non-empty one shows what "left as
  // it was" means.
  std::string key_val = value.type == 7 ? "as on entry" : "";
  QCOMPARE(si::GetKeyValue(fake, si::kHkeyLocalMachine, "K", "V", key_val), found);
  QCOMPARE(key_val, text);
  QCOMPARE(fake.OpenAccess(), std::vector<std::uint32_t>{si::kKeyRead});
  QVERIFY(fake.LeftOpen().empty());
}

void TestSysInfoLogic::zeroSizeThrowsAndClosesTheKey() {
  FakeSysInfoPlatform fake;
  fake.keys["K"].values["V"] = FakeValue{si::kRegSz, "abc", 0};
  std::string key_val;
  QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                           si::GetKeyValue(fake, si::kHkeyLocalMachine, "K", "V", key_val));
  QVERIFY(fake.LeftOpen().empty());
  QCOMPARE(fake.calls.back().what, std::string("close"));

  // A key that does not open is not closed; nothing to release.
  FakeSysInfoPlatform missing;
  QVERIFY(!si::GetKeyValue(missing, si::kHkeyLocalMachine, "K", "V", key_val));
  QVERIFY(key_val.empty());
  QCOMPARE(missing.calls.size(), std::size_t{1});
}

void TestSysInfoLogic::hexFormatting_data() {
  QTest::addColumn<std::string>("digits");
  QTest::addColumn<std::string>("text");
  QTest::newRow("01000A") << std::string("01000A") << std::string("65546");
  QTest::newRow("FFFFFFFF") << std::string("FFFFFFFF") << std::string("4294967295");
  QTest::newRow("no digits") << std::string() << std::string("&h");
  QTest::newRow("more than 32 bits") << std::string("0102030405") << std::string("&h0102030405");
}

void TestSysInfoLogic::hexFormatting() {
  QFETCH(std::string, digits);
  QFETCH(std::string, text);
  QCOMPARE(si::FormatHexText(digits), text);
}

QTEST_APPLESS_MAIN(TestSysInfoLogic)
#include "test_sysinfo_logic.moc"

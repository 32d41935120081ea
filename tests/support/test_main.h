// main() for the test programs: offscreen, Danish regional settings, and a configuration
// folder of the test's own, so that no test ever touches the user's real settings.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

namespace vesparo::test {

// Call before the QApplication exists. Keeps the temporary folder alive for the run.
inline QTemporaryDir& PrepareTestEnvironment() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt takes the system locale from these variables; a Danish system is the norm here.
  if (qEnvironmentVariableIsEmpty("VESPARO_TEST_KEEP_LOCALE")) {
    qputenv("LC_ALL", "da_DK.UTF-8");
    qputenv("LANG", "da_DK.UTF-8");
  }
  static QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  return config;
}

}  // namespace vesparo::test

#define VESPARO_TEST_MAIN(TestClass)                 \
  int main(int argc, char** argv) {                  \
    vesparo::test::PrepareTestEnvironment();         \
    QApplication app(argc, argv);                    \
    TestClass tc;                                    \
    QTEST_SET_MAIN_SOURCE_PATH                       \
    return QTest::qExec(&tc, argc, argv);            \
  }

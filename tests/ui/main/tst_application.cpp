// The application object's handler of unexpected errors: an exception from an event
// handler is shown to the user once and ends the program with exit code 1, instead of
// unwinding through the event loop.
#include "tests/support/message_catcher.h"
#include "tests/support/test_main.h"
#include "ui/platform/application.h"

#include <QTimer>

#include <stdexcept>

class TestApplication : public QObject {
  Q_OBJECT

 private slots:
  void anExceptionInAHandlerIsReportedAndEndsTheLoop() {
    vesparo::test::MessageCatcher catcher;
    QObject modtager;
    QTimer::singleShot(0, &modtager, [] { throw std::runtime_error("regnefejl i testen"); });
    // A second event after the error must not be handled any more.
    bool senere = false;
    QTimer::singleShot(200, &modtager, [&] { senere = true; });
    QCOMPARE(QApplication::exec(), 1);
    QCOMPARE(catcher.count(), 1);
    const auto& m = catcher.messages().first();
    QVERIFY(m.text.startsWith(QStringLiteral("Der opstod en uventet fejl, og Vesparo må lukke.")));
    QVERIFY(m.text.contains(QStringLiteral("regnefejl i testen")));
    QCOMPARE(m.title, QStringLiteral("Vesparo"));
    QCOMPARE(m.icon, QMessageBox::Warning);
    QVERIFY(!senere);
  }

  void anExceptionWhileStartingIsReportedToo() {
    vesparo::test::MessageCatcher catcher;
    auto* app = static_cast<vesparo::VesparoApplication*>(qApp);
    QCOMPARE(app->koer([] { throw std::logic_error("start mislykkedes"); }), 1);
    QCOMPARE(catcher.count(), 0);  // the box was shown and closed inside koer
  }
};

int main(int argc, char** argv) {
  vesparo::test::PrepareTestEnvironment();
  vesparo::VesparoApplication app(argc, argv);
  TestApplication tc;
  return QTest::qExec(&tc, argc, argv);
}
#include "tst_application.moc"

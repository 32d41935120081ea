// The whole road of a calibration: from the main window's menu to the dialog, Kalibrer, and
// back to the main window, whose hole is then drawn at the new scale.
#include "settings/settings_store.h"
#include "tests/support/message_catcher.h"
#include "tests/support/test_main.h"
#include "ui/calibration/dialog_kalibrering.h"
#include "ui/main/frm_vesparo_main.h"
#include "ui/platform/circle_shape.h"
#include "ui/platform/screen.h"
#include "ui/platform/shared_instance.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QScrollBar>
#include <QSettings>

using vesparo::CirkelShape;
using vesparo::DialogKalibrering;
using vesparo::frmVesparoMain;

namespace {

QString IniFil() {
  return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Vesparo/Vesparo.ini");
}

// The main window's own menu entry Filer > Instillinger > Kalibrer. Call it while no dialog
// is open, as the dialog's command carries the same name.
QAction* MenuKalibrer(frmVesparoMain& w) {
  return w.findChild<QAction*>(QStringLiteral("Kalibrer"));
}

void KlikKommando(DialogKalibrering* d, const char* navn) {
  auto* menu = d->findChild<QMenuBar*>();
  QAction* a = d->findChild<QAction*>(QString::fromUtf8(navn));
  QVERIFY(menu && a);
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
}

}  // namespace

class TestKalibreringHovedvindue : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // A 1024 x 768 screen: no resolution warning at start.
    vesparo::SaetSkaermForTest(vesparo::SkaermTwips{15360, 11520});
  }

  void init() { QFile::remove(IniFil()); }

  void kalibrerTegnerHulletIRigtigStoerrelse() {
    vesparo::test::MessageCatcher beskeder;
    frmVesparoMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* hul = w.findChild<QScrollBar*>(QStringLiteral("HScrollØ"));
    auto* shape = w.findChild<CirkelShape*>(QStringLiteral("ShapeØ"));
    QVERIFY(hul && shape);
    hul->setValue(1000);  // 100 mm
    QCOMPARE(shape->Width(), 1000.0f);  // the default: 10 twips per millimetre

    QAction* kalibrer = MenuKalibrer(w);
    QVERIFY(kalibrer);
    kalibrer->trigger();
    auto* d = vesparo::AabenInstans<DialogKalibrering>();
    QVERIFY(d);
    QCOMPARE(d->parentWidget(), static_cast<QWidget*>(&w));
    QCOMPARE(shape->Width(), 1000.0f);  // nothing stored yet
    d->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(d));

    // Modeless: the main window's slider still works and the hole follows it.
    hul->setValue(500);
    QCOMPARE(shape->Width(), 500.0f);
    hul->setValue(1000);

    auto* bar = d->findChild<QScrollBar*>(QStringLiteral("HScrollKalibreringW"));
    bar->setValue(5669);
    KlikKommando(d, "Kalibrer");
    QVERIFY(!vesparo::AabenInstans<DialogKalibrering>());

    // The main window becomes active again and redraws the hole at the new scale.
    QTRY_VERIFY(w.isActiveWindow());
    QTRY_COMPARE(shape->Width(), 5669.0f);
    QCOMPARE(shape->Height(), 5669.0f);
    QCOMPARE(beskeder.count(), 0);

    // The next run reads the value from the file with settings of its own.
    QSettings naesteKoersel(IniFil(), QSettings::IniFormat);
    QCOMPARE(naesteKoersel.value(QStringLiteral("Indstillinger/DiameterKalibrering")).toString(),
             QStringLiteral("5669"));
  }

  void lukkeboksenLaderTegningenVaere() {
    frmVesparoMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* hul = w.findChild<QScrollBar*>(QStringLiteral("HScrollØ"));
    auto* shape = w.findChild<CirkelShape*>(QStringLiteral("ShapeØ"));
    hul->setValue(1000);

    MenuKalibrer(w)->trigger();
    auto* d = vesparo::AabenInstans<DialogKalibrering>();
    QVERIFY(d);
    d->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(d));
    d->findChild<QScrollBar*>(QStringLiteral("HScrollKalibreringW"))->setValue(7000);
    QVERIFY(d->close());
    QTRY_VERIFY(w.isActiveWindow());
    QCOMPARE(shape->Width(), 1000.0f);
    QVERIFY(!QFile::exists(IniFil()));
  }
};

VESPARO_TEST_MAIN(TestKalibreringHovedvindue)
#include "test_kalibrering_hovedvindue.moc"

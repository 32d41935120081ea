// The information windows opened from the main window's help menu: the About window keeps
// the main window from taking input until it closes, the how-to and basis windows leave
// the sliders usable, and a second menu choice never makes a second window.
#include "tests/support/message_catcher.h"
#include "tests/support/test_main.h"
#include "ui/info/frm_grundlag.h"
#include "ui/info/frm_om.h"
#include "ui/info/frm_saadan.h"
#include "ui/main/frm_vesparo_main.h"
#include "ui/platform/shared_instance.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

#include <memory>

#include "tests/support/windows.h"

using namespace vesparo;

namespace {

using test::AntalVinduer;
using test::KoerUdskudteSletninger;

}  // namespace

class TestInfoWithMain : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::MessageCatcher> beskeder_;
  std::unique_ptr<frmVesparoMain> hoved_;

  QAction* Menupunkt(const char* navn) { return hoved_->findChild<QAction*>(QString::fromUtf8(navn)); }
  QScrollBar* Skyder() { return hoved_->findChild<QScrollBar*>(QStringLiteral("HScrollØ")); }
  QString Felt() { return hoved_->findChild<QLineEdit*>(QStringLiteral("TextØ"))->text(); }

  // A click on the right arrow of HScrollØ, delivered like a real click through the main
  // window's platform window, so that a modal window blocks it as it blocks the user.
  void KlikHoejrePil() {
    QScrollBar* s = Skyder();
    const QPoint p = s->mapTo(hoved_.get(), QPoint(s->width() - 4, s->height() / 2));
    QTest::mouseClick(hoved_->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
  }

 private slots:
  void init() {
    beskeder_ = std::make_unique<test::MessageCatcher>();
    hoved_ = std::make_unique<frmVesparoMain>();
    hoved_->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(hoved_.get()));
    QVERIFY(Skyder());
    QCOMPARE(Skyder()->value(), 50);
  }

  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w != hoved_.get() && w->isVisible()) w->close();
    }
    hoved_.reset();
    KoerUdskudteSletninger();
    beskeder_.reset();
  }

  void omBlokererHovedvinduet() {
    int vaerdiUnderOm = -1;
    QString feltUnderOm;
    bool modal = false;
    Skyder()->setFocus();
    QTimer::singleShot(0, this, [&] {
      frmOm* om = AabenInstans<frmOm>();
      modal = om && QApplication::activeModalWidget() == om && om->parentWidget() == hoved_.get();
      KlikHoejrePil();
      QTest::keyClick(hoved_->windowHandle(), Qt::Key_Right);
      vaerdiUnderOm = Skyder()->value();
      feltUnderOm = Felt();
      if (om) om->reject();
    });
    Menupunkt("Om")->trigger();  // returns when the About window has closed
    QVERIFY(modal);
    QCOMPARE(vaerdiUnderOm, 50);
    QCOMPARE(feltUnderOm, QStringLiteral("5"));
    KoerUdskudteSletninger();
    QVERIFY(!AabenInstans<frmOm>());

    // Closed: the main window works again, and the field follows the slider.
    KlikHoejrePil();
    QCOMPARE(Skyder()->value(), 51);
    QCOMPARE(Felt(), QStringLiteral("5,1"));
    hoved_->activateWindow();  // as the window manager does when the dialog goes
    QVERIFY(QTest::qWaitForWindowActive(hoved_.get()));
    QCOMPARE(QApplication::focusWidget(), Skyder());
    QTest::keyClick(hoved_->windowHandle(), Qt::Key_Right);  // a step, whichever way
    QVERIFY(Skyder()->value() != 51);
    QCOMPARE(Felt(), QString::number(Skyder()->value() / 10.0).replace(QLatin1Char('.'), QLatin1Char(',')));
  }

  void skyderneVirkerMensVinduetErAabent_data() {
    QTest::addColumn<QString>("menupunkt");
    QTest::newRow("Sådan gør du") << QStringLiteral("Sådangørdu");
    QTest::newRow("Grundlag") << QStringLiteral("Grunddlag");
  }

  void skyderneVirkerMensVinduetErAabent() {
    QFETCH(QString, menupunkt);
    Menupunkt(menupunkt.toUtf8().constData())->trigger();
    QWidget* vindue = menupunkt == QStringLiteral("Sådangørdu")
                          ? static_cast<QWidget*>(AabenInstans<frmSaadan>())
                          : static_cast<QWidget*>(AabenInstans<frmGrundlag>());
    QVERIFY(vindue);
    QVERIFY(QTest::qWaitForWindowExposed(vindue));
    QCOMPARE(vindue->parentWidget(), hoved_.get());
    QVERIFY(!QApplication::activeModalWidget());

    KlikHoejrePil();
    QCOMPARE(Skyder()->value(), 51);
    QCOMPARE(Felt(), QStringLiteral("5,1"));
    Skyder()->setValue(123);
    QCOMPARE(Felt(), QStringLiteral("12,3"));
    QVERIFY(vindue->isVisible());  // still open beside the main window
  }

  void andetMenuvalgGiverSammeVindue_data() {
    QTest::addColumn<QString>("menupunkt");
    QTest::newRow("Sådan gør du") << QStringLiteral("Sådangørdu");
    QTest::newRow("Grundlag") << QStringLiteral("Grunddlag");
  }

  void andetMenuvalgGiverSammeVindue() {
    QFETCH(QString, menupunkt);
    const bool saadan = menupunkt == QStringLiteral("Sådangørdu");
    const auto aaben = [saadan]() -> QWidget* {
      return saadan ? static_cast<QWidget*>(AabenInstans<frmSaadan>())
                    : static_cast<QWidget*>(AabenInstans<frmGrundlag>());
    };
    const auto antal = [saadan] {
      return saadan ? AntalVinduer<frmSaadan>() : AntalVinduer<frmGrundlag>();
    };
    QAction* punkt = Menupunkt(menupunkt.toUtf8().constData());
    punkt->trigger();
    QPointer<QWidget> foerste = aaben();
    QVERIFY(foerste);
    punkt->trigger();
    QCOMPARE(aaben(), foerste.data());
    QCOMPARE(antal(), 1);

    foerste->close();
    KoerUdskudteSletninger();
    QVERIFY(foerste.isNull());
    punkt->trigger();
    QVERIFY(aaben());
    QCOMPARE(antal(), 1);
  }
};

VESPARO_TEST_MAIN(TestInfoWithMain)
#include "test_info_with_main.moc"

// The calibration dialog driven as a user drives it: offscreen, Danish regional settings,
// and a settings file of the test's own that the tests write by hand where a stored value
// is needed.
#include "settings/settings_store.h"
#include "tests/support/message_catcher.h"
#include "tests/support/test_main.h"
#include "ui/calibration/calibration.h"
#include "ui/calibration/calibration_geometry.h"
#include "ui/calibration/dialog_kalibrering.h"
#include "ui/platform/calibration_message.h"
#include "ui/platform/circle_shape.h"
#include "ui/platform/shared_instance.h"
#include "ui/platform/twips.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>

using vesparo::CirkelShape;
using vesparo::DialogKalibrering;

namespace {

QString IniFil() {
  return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Vesparo/Vesparo.ini");
}

void SkrivIni(const QByteArray& vaerdi) {
  QDir().mkpath(QFileInfo(IniFil()).path());
  QFile f(IniFil());
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write("[Indstillinger]\nDiameterKalibrering=" + vaerdi + "\n");
}

QByteArray IniIndhold() {
  QFile f(IniFil());
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What the next run of the program would read: a settings object of its own.
QString FriskLaesning() {
  QSettings s(IniFil(), QSettings::IniFormat);
  return s.value(QStringLiteral("Indstillinger/DiameterKalibrering")).toString();
}

// The exact single-precision result, not Qt's fuzzy float comparison.
#define COMPARE_EXACT(actual, expected)                                                 \
  QVERIFY2(static_cast<float>(actual) == static_cast<float>(expected),                  \
           qPrintable(QStringLiteral("%1 is %2, expected %3")                           \
                          .arg(QStringLiteral(#actual))                                 \
                          .arg(static_cast<double>(actual), 0, 'g', 9)                  \
                          .arg(static_cast<double>(expected), 0, 'g', 9)))

}  // namespace

class TestDialogKalibrering : public QObject {
  Q_OBJECT

  QWidget* owner_ = nullptr;

  DialogKalibrering* Aabn() {
    auto* d = qobject_cast<DialogKalibrering*>(vesparo::VisDialogKalibrering(owner_));
    if (d) (void)QTest::qWaitForWindowExposed(d);
    return d;
  }
  static QScrollBar* Bar(QWidget* d) { return d->findChild<QScrollBar*>("HScrollKalibreringW"); }
  static CirkelShape* Cirkel(QWidget* d) { return d->findChild<CirkelShape*>("Shape1"); }

  static void Klik(DialogKalibrering* d, const char* kommando) {
    auto* menu = d->findChild<QMenuBar*>();
    QAction* a = d->findChild<QAction*>(QString::fromUtf8(kommando));
    QVERIFY(menu && a);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
  }

  // The circle's box follows the bar and is centred at (W / 2, W / 2 - 500).
  static void KontrollerCirkel(DialogKalibrering* d, float diameter) {
    const float W = static_cast<float>(d->YdreStoerrelseTwips().width());
    CirkelShape* c = Cirkel(d);
    COMPARE_EXACT(c->Width(), diameter);
    COMPARE_EXACT(c->Height(), diameter);
    COMPARE_EXACT(c->Left(), W / 2 - diameter / 2);
    COMPARE_EXACT(c->Top(), W / 2 - diameter / 2 - 500);
  }

 private slots:
  void init() {
    QFile::remove(IniFil());
    owner_ = new QWidget;
    owner_->resize(400, 300);
    owner_->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner_));
  }

  void cleanup() {
    delete owner_;  // takes an open dialog with it
    owner_ = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(vesparo::DeltInstans<DialogKalibrering>().isNull());
  }

  void geometri_data() {
    QTest::addColumn<float>("W");
    QTest::addColumn<float>("H");
    QTest::addColumn<float>("diameter");
    QTest::addColumn<QRectF>("cirkel");
    QTest::addColumn<QRectF>("bar");
    // A frame of 3 pixels, a title bar and a menu bar of 19 pixels each.
    QTest::newRow("1000") << 7806.f << 7800.f << 1000.f << QRectF(3403, 2903, 1000, 1000)
                          << QRectF(250, 6800, 7306, 255);
    QTest::newRow("8000 runs past every edge")
        << 7806.f << 7800.f << 8000.f << QRectF(-97, -597, 8000, 8000)
        << QRectF(250, 6800, 7306, 255);
    QTest::newRow("0 sits at the centre")
        << 7806.f << 7800.f << 0.f << QRectF(3903, 3403, 0, 0) << QRectF(250, 6800, 7306, 255);
    QTest::newRow("odd diameter gives half twips")
        << 7806.f << 7800.f << 1001.f << QRectF(3402.5, 2902.5, 1001, 1001)
        << QRectF(250, 6800, 7306, 255);
    QTest::newRow("top follows the width, not the height")
        << 7806.f << 9000.f << 1000.f << QRectF(3403, 2903, 1000, 1000)
        << QRectF(250, 8000, 7306, 255);
  }

  void geometri() {
    QFETCH(float, W);
    QFETCH(float, H);
    QFETCH(float, diameter);
    QFETCH(QRectF, cirkel);
    QFETCH(QRectF, bar);
    const vesparo::KalibreringsGeometri g = vesparo::BeregnKalibreringsGeometri(W, H, diameter);
    COMPARE_EXACT(g.cirkelLeft, cirkel.left());
    COMPARE_EXACT(g.cirkelTop, cirkel.top());
    COMPARE_EXACT(g.cirkelWidth, cirkel.width());
    COMPARE_EXACT(g.cirkelHeight, cirkel.height());
    COMPARE_EXACT(g.barLeft, bar.left());
    COMPARE_EXACT(g.barTop, bar.top());
    COMPARE_EXACT(g.barWidth, bar.width());
    COMPARE_EXACT(g.barHeight, bar.height());
  }

  void vinduet() {
    DialogKalibrering* d = Aabn();
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), QStringLiteral("Kalibrering af lækagehullets størrelse på skærmen"));
    QVERIFY(d->isWindow());
    QCOMPARE(d->parentWidget(), owner_);
    QCOMPARE(d->windowModality(), Qt::NonModal);
    const Qt::WindowFlags f = d->windowFlags();
    QCOMPARE(f & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(f & Qt::WindowCloseButtonHint);
    QVERIFY(!(f & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    QCOMPARE(d->minimumSize(), d->maximumSize());  // the border does not resize

    // The client area below the menu bar: 7716 x 7140 twips.
    auto* menu = d->findChild<QMenuBar*>();
    QWidget* klient = d->Klientflade();
    QCOMPARE(klient->size(), vesparo::PxSize(7716, 7140));
    QCOMPARE(klient->y(), menu->height());
    QCOMPARE(d->height(), menu->height() + klient->height());

    // W and H count our own frame of 3 pixels and title bar of 19 around the widget.
    QCOMPARE(d->YdreStoerrelseTwips(),
             QSizeF((d->width() + 6) * 15.0, (d->height() + 25) * 15.0));

    // Centred on the screen, decorations included.
    const QRect skaerm = d->screen()->geometry();
    QVERIFY(qAbs(d->x() + (d->width() + 6) / 2 - skaerm.center().x()) <= 1);
    QVERIFY(qAbs(d->y() + (d->height() + 25) / 2 - skaerm.center().y()) <= 1);

    // The two commands sit directly in the menu bar, without menus.
    const QList<QAction*> kommandoer = menu->actions();
    QCOMPARE(kommandoer.size(), 2);
    QCOMPARE(kommandoer[0]->objectName(), QStringLiteral("Kalibrer"));
    QCOMPARE(kommandoer[0]->text(), QStringLiteral("&Kalibrer"));
    QCOMPARE(kommandoer[1]->objectName(), QStringLiteral("Hjælp"));
    QCOMPARE(kommandoer[1]->text(), QStringLiteral("Hj&ælp"));
    QVERIFY(!kommandoer[0]->menu() && !kommandoer[1]->menu());

    QScrollBar* bar = Bar(d);
    QCOMPARE(bar->orientation(), Qt::Horizontal);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 8000);
    QCOMPARE(bar->singleStep(), 10);
    QCOMPARE(bar->pageStep(), 10);

    // The icon: 32 x 32 and 16 x 16.
    const QList<QSize> stoerrelser = d->windowIcon().availableSizes();
    QVERIFY2(stoerrelser.contains(QSize(32, 32)) && stoerrelser.contains(QSize(16, 16)),
             qPrintable(QStringLiteral("%1 sizes").arg(stoerrelser.size())));
    const QImage ikon = d->windowIcon().pixmap(QSize(32, 32)).toImage();
    QCOMPARE(ikon.pixelColor(1, 1), QColor(192, 192, 192));  // light grey, not transparent
  }

  void fokusBliverPaaBaren() {
    DialogKalibrering* d = Aabn();
    d->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(d));
    QCOMPARE(QApplication::focusWidget(), Bar(d));
    QTest::keyClick(d, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Bar(d));
    QCOMPARE(d->findChild<QMenuBar*>()->focusPolicy(), Qt::NoFocus);
    QCOMPARE(Cirkel(d)->focusPolicy(), Qt::NoFocus);
  }

  void ingentingGemt() {
    DialogKalibrering* d = Aabn();
    QCOMPARE(Bar(d)->value(), 1000);
    KontrollerCirkel(d, 1000);

    // The bar is centred on the outer width, 1000 twips above the outer height, and the
    // whole of it lies inside the client area.
    const QSizeF wh = d->YdreStoerrelseTwips();
    const float W = static_cast<float>(wh.width());
    const float H = static_cast<float>(wh.height());
    QCOMPARE(d->BarTwips(), QRectF(W / 2 - (W - 500) / 2, H - 1000, W - 500, 255));
    QCOMPARE(d->BarTwips().left(), 250.0);
    QCOMPARE(Bar(d)->geometry(), vesparo::PxRect(250, H - 1000, W - 500, 255));
    QVERIFY(d->Klientflade()->rect().contains(Bar(d)->geometry()));
    QVERIFY(!QFile::exists(IniFil()));  // opening writes nothing
  }

  void gemtVaerdiLaesesVedAabning_data() {
    QTest::addColumn<QByteArray>("gemt");
    QTest::addColumn<int>("position");
    QTest::newRow("5669") << QByteArray("5669") << 5669;
    QTest::newRow("0") << QByteArray("0") << 0;
    QTest::newRow("8000") << QByteArray("8000") << 8000;
    QTest::newRow("blanks around") << QByteArray("  2000  ") << 2000;
    QTest::newRow("a half goes to the even neighbour") << QByteArray("1000,5") << 1000;
    QTest::newRow("a half goes to the even neighbour, up") << QByteArray("1001,5") << 1002;
  }

  void gemtVaerdiLaesesVedAabning() {
    QFETCH(QByteArray, gemt);
    QFETCH(int, position);
    SkrivIni(gemt);
    vesparo::test::MessageCatcher beskeder;
    DialogKalibrering* d = Aabn();
    QCOMPARE(beskeder.count(), 0);
    QCOMPARE(Bar(d)->value(), position);
    KontrollerCirkel(d, static_cast<float>(position));
  }

  void pileOgSideTrin_data() {
    QTest::addColumn<int>("tast");
    QTest::addColumn<int>("trin");
    QTest::newRow("right arrow") << int(Qt::Key_Right) << 10;
    QTest::newRow("left arrow") << int(Qt::Key_Left) << -10;
    QTest::newRow("down arrow") << int(Qt::Key_Down) << 10;
    QTest::newRow("up arrow") << int(Qt::Key_Up) << -10;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << 10;
    QTest::newRow("page up") << int(Qt::Key_PageUp) << -10;
  }

  void pileOgSideTrin() {
    QFETCH(int, tast);
    QFETCH(int, trin);
    DialogKalibrering* d = Aabn();
    QScrollBar* bar = Bar(d);
    const QPointF centrum = QRectF(Cirkel(d)->Left(), Cirkel(d)->Top(), 1000, 1000).center();
    QTest::keyClick(bar, static_cast<Qt::Key>(tast));
    QCOMPARE(bar->value(), 1000 + trin);
    KontrollerCirkel(d, static_cast<float>(1000 + trin));
    // The circle grows and shrinks about the same point.
    QCOMPARE(QRectF(Cirkel(d)->Left(), Cirkel(d)->Top(), Cirkel(d)->Width(),
                    Cirkel(d)->Height()).center(),
             centrum);
  }

  void museklik_data() {
    QTest::addColumn<double>("andel");  // where along the bar, 0 to 1
    QTest::addColumn<int>("trin");
    QTest::newRow("right arrow button") << 0.995 << 10;
    QTest::newRow("left arrow button") << 0.005 << -10;
    QTest::newRow("trough right of the thumb") << 0.75 << 10;
  }

  void museklik() {
    QFETCH(double, andel);
    QFETCH(int, trin);
    DialogKalibrering* d = Aabn();
    QScrollBar* bar = Bar(d);
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      QPoint(static_cast<int>(bar->width() * andel), bar->height() / 2));
    QCOMPARE(bar->value(), 1000 + trin);
    KontrollerCirkel(d, static_cast<float>(1000 + trin));
  }

  void pilTilYderpunkterne() {
    DialogKalibrering* d = Aabn();
    QScrollBar* bar = Bar(d);
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(bar->value(), 0);
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(bar->value(), 0);
    KontrollerCirkel(d, 0);
    QTest::keyClick(bar, Qt::Key_End);
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->value(), 8000);
    KontrollerCirkel(d, 8000);
  }

  void traekketTommelfingerFlytterCirklen() {
    DialogKalibrering* d = Aabn();
    QScrollBar* bar = Bar(d);
    QSignalSpy flyttet(bar, &QScrollBar::sliderMoved);
    bar->setSliderDown(true);
    bar->setSliderPosition(3210);  // a scroll notification while the thumb moves
    QCOMPARE(flyttet.count(), 1);
    KontrollerCirkel(d, 3210);
    bar->setSliderDown(false);
    QCOMPARE(bar->value(), 3210);
  }

  void storCirkelLiggerUnderBaren() {
    DialogKalibrering* d = Aabn();
    QScrollBar* bar = Bar(d);
    bar->setValue(8000);
    const QImage billede = d->Klientflade()->grab().toImage();
    const QColor fyld = billede.pixelColor(billede.width() / 2, billede.height() / 3);
    QCOMPARE(fyld, CirkelShape::kFyld);
    // Where the circle reaches the bar, the bar is drawn over it.
    const QColor overBaren = billede.pixelColor(bar->geometry().center());
    QVERIFY(overBaren != CirkelShape::kFyld && overBaren != CirkelShape::kKant);

    bar->setValue(0);
    const QImage tom = d->Klientflade()->grab().toImage();
    QVERIFY(tom.pixelColor(tom.width() / 2, tom.height() / 3) != CirkelShape::kFyld);
  }

  void kalibrerGemmerOgLukker_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("5669") << 5669 << QStringLiteral("5669");
    QTest::newRow("0 is stored, not left out") << 0 << QStringLiteral("0");
    QTest::newRow("8000") << 8000 << QStringLiteral("8000");
  }

  void kalibrerGemmerOgLukker() {
    QFETCH(int, position);
    QFETCH(QString, tekst);
    DialogKalibrering* d = Aabn();
    QPointer<DialogKalibrering> vagt(d);
    d->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(d));
    Bar(d)->setValue(position);
    Klik(d, "Kalibrer");
    QVERIFY(!vesparo::AabenInstans<DialogKalibrering>());
    // The owner is the active window again, ready to redraw at the new scale.
    QTRY_COMPARE(QApplication::activeWindow(), owner_);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(vagt.isNull());  // unloaded, not just hidden

    QCOMPARE(vesparo::LaesKalibrering(), tekst);
    QCOMPARE(FriskLaesning(), tekst);

    // The next Show creates the dialog afresh from the stored value.
    DialogKalibrering* igen = Aabn();
    QCOMPARE(Bar(igen)->value(), position);
    KontrollerCirkel(igen, static_cast<float>(position));
  }

  void kalibrerMedAltK() {
    DialogKalibrering* d = Aabn();
    d->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(d));
    Bar(d)->setValue(4321);
    QTest::keyClick(d, Qt::Key_K, Qt::AltModifier);
    QTRY_VERIFY(!vesparo::AabenInstans<DialogKalibrering>());
    QCOMPARE(vesparo::LaesKalibrering(), QStringLiteral("4321"));
  }

  void lukkeboksenGemmerIntet() {
    SkrivIni("1234");
    const QByteArray foer = IniIndhold();
    DialogKalibrering* d = Aabn();
    QTest::keyClick(Bar(d), Qt::Key_Right);
    Bar(d)->setValue(3000);
    QVERIFY(d->close());  // what the close box does
    QVERIFY(!vesparo::AabenInstans<DialogKalibrering>());
    QCOMPARE(IniIndhold(), foer);
    QCOMPARE(vesparo::LaesKalibrering(), QStringLiteral("1234"));

    DialogKalibrering* igen = Aabn();
    QCOMPARE(Bar(igen)->value(), 1234);
  }

  void andenVisningBeholderPositionen() {
    DialogKalibrering* d = Aabn();
    Bar(d)->setValue(2500);
    QWidget* anden = vesparo::VisDialogKalibrering(owner_);
    QCOMPARE(anden, static_cast<QWidget*>(d));
    QCOMPARE(Bar(d)->value(), 2500);
    KontrollerCirkel(d, 2500);
    QVERIFY(!QFile::exists(IniFil()));
  }

  void ejerenKanBrugesImens() {
    // Modeless: the owner's controls still take input while the dialog is open.
    auto* ejerBar = new QScrollBar(Qt::Horizontal, owner_);
    ejerBar->setGeometry(10, 10, 200, 17);
    ejerBar->show();
    DialogKalibrering* d = Aabn();
    QVERIFY(d->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(ejerBar->isEnabled());
    QTest::mouseClick(ejerBar, Qt::LeftButton, {}, QPoint(195, 8));
    QVERIFY(ejerBar->value() > 0);
  }

  void hjaelp() {
    // The separators exactly as written: two line feeds, then two CR LF pairs.
    const QString raa = DialogKalibrering::HjaelpTekst();
    QCOMPARE(raa.count(QChar(10)), 4);
    QCOMPARE(raa.count(QStringLiteral("\r\n")), 2);
    QCOMPARE(raa.count(QChar(13)), 2);
    QVERIFY(raa.indexOf(QStringLiteral("\r\n")) > raa.lastIndexOf(QStringLiteral("kalibreres.\n")));

    DialogKalibrering* d = Aabn();
    vesparo::test::MessageCatcher beskeder;
    Klik(d, "Hjælp");
    QTRY_COMPARE(beskeder.count(), 1);
    const vesparo::test::CaughtMessage& m = beskeder.messages().first();
    QCOMPARE(m.title, QStringLiteral("Kalibrering af lækagehulsdiameter!"));
    QCOMPARE(m.text.split(QChar(10)),
             QStringList({QStringLiteral("For at lækagehullet skal blive vist i den rigtige "
                                         "størrelse,"),
                          QStringLiteral("må dette kalibreres."),
                          QStringLiteral("Stil scrollbaren i den position hvor diameteren på "
                                         "cirkelen er 100 mm."),
                          QStringLiteral("Måles direkte på skærmen med f.eks. en lineal."),
                          QStringLiteral("Klik herefter på Kalibrer!")}));
    QVERIFY(!m.text.contains(QChar(13)));
    QCOMPARE(m.icon, QMessageBox::NoIcon);
    QCOMPARE(m.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(m.modality, Qt::ApplicationModal);
    // Help stores nothing and leaves the dialog open.
    QCOMPARE(vesparo::AabenInstans<DialogKalibrering>(), d);
    QVERIFY(!QFile::exists(IniFil()));
  }

  void hjaelpMedAltAe() {
    DialogKalibrering* d = Aabn();
    d->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(d));
    vesparo::test::MessageCatcher beskeder;
    QTest::keyClick(d, Qt::Key_AE, Qt::AltModifier);
    QTRY_COMPARE(beskeder.count(), 1);
    QCOMPARE(beskeder.messages().first().title, DialogKalibrering::HjaelpTitel());
  }

  void ubrugeligGemtVaerdi_data() {
    QTest::addColumn<QByteArray>("gemt");
    QTest::newRow("letters") << QByteArray("abc");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("negative") << QByteArray("-5");
    QTest::newRow("negative fraction") << QByteArray("-0,4");
    QTest::newRow("above the bar") << QByteArray("8001");
    QTest::newRow("beyond 16 bits") << QByteArray("40000");
  }

  void ubrugeligGemtVaerdi() {
    QFETCH(QByteArray, gemt);
    SkrivIni(gemt);
    const QByteArray foer = IniIndhold();
    const QString tekst = vesparo::LaesKalibrering();

    vesparo::test::MessageCatcher beskeder;
    DialogKalibrering* d = Aabn();
    QVERIFY(d);
    QCOMPARE(beskeder.count(), 1);
    const vesparo::test::CaughtMessage& m = beskeder.messages().first();
    QCOMPARE(m.text, vesparo::UbrugeligKalibreringTekst(tekst, vesparo::KalibreringsFil()));
    QVERIFY(m.text.contains(QStringLiteral("\"%1\"").arg(tekst)));
    QVERIFY(m.text.contains(vesparo::KalibreringsFil()));
    QVERIFY(!vesparo::KalibreringsFil().isEmpty());
    QCOMPARE(m.icon, QMessageBox::Warning);

    // The dialog opens at the default and leaves the file alone until Kalibrer.
    QCOMPARE(Bar(d)->value(), 1000);
    KontrollerCirkel(d, 1000);
    QCOMPARE(IniIndhold(), foer);
    QVERIFY(d->close());
    QCOMPARE(IniIndhold(), foer);

    // The user's next calibration replaces the entry.
    d = Aabn();
    QCOMPARE(beskeder.count(), 2);
    Bar(d)->setValue(1500);
    Klik(d, "Kalibrer");
    QCOMPARE(FriskLaesning(), QStringLiteral("1500"));
  }

  void fejlendeGemningHoldesAaben() {
    // A file where the settings folder should be: no write can succeed, even for root.
    QFile::remove(IniFil());
    const QString mappe = QFileInfo(IniFil()).path();
    QDir(mappe).removeRecursively();
    {
      QFile blokering(mappe);
      QVERIFY(blokering.open(QIODevice::WriteOnly));
    }
    vesparo::test::MessageCatcher beskeder;
    DialogKalibrering* d = Aabn();
    QCOMPARE(beskeder.count(), 0);
    Bar(d)->setValue(2222);
    Klik(d, "Kalibrer");
    QTRY_COMPARE(beskeder.count(), 1);
    const vesparo::test::CaughtMessage& m = beskeder.messages().first();
    QVERIFY(m.text.startsWith(QStringLiteral("Kalibreringen kunne ikke gemmes")));
    QVERIFY(m.text.contains(vesparo::KalibreringsFil()));
    QCOMPARE(m.icon, QMessageBox::Warning);
    // Nothing lost: the dialog is still open with the position.
    QCOMPARE(vesparo::AabenInstans<DialogKalibrering>(), d);
    QCOMPARE(Bar(d)->value(), 2222);
    QFile::remove(mappe);
  }
};

VESPARO_TEST_MAIN(TestDialogKalibrering)
#include "test_dialog_kalibrering.moc"

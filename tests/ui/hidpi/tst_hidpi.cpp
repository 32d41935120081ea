// A HiDPI screen (device pixel ratio 2, QT_SCALE_FACTOR=2) must change nothing but the
// sharpness: every window keeps its layout in logical pixels, and the hole keeps its
// calibrated size in twips, so that it is painted with twice the device pixels.
//
// The program measures the windows twice. It starts itself again at scale factor 1 and
// reads what that child measured; then it measures the same windows at scale factor 2 in
// its own process and compares. Both runs have a screen of the same logical size,
// 1024 x 768 (2048 x 1536 device pixels at 2), and the same stored calibration.
#include "settings/settings_store.h"
#include "tests/support/message_catcher.h"
#include "tests/support/test_main.h"
#include "ui/calibration/calibration.h"
#include "ui/info/frm_om.h"
#include "ui/info/info_windows.h"
#include "ui/main/frm_vesparo_main.h"
#include "ui/platform/circle_shape.h"
#include "ui/platform/screen.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QPixmap>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>
#include <memory>

namespace {

constexpr char kBarnFlag[] = "--maal-ved-skala-1";
// 100 mm measure about 378 pixels on a 96-dpi screen: a hole of a realistic size.
constexpr std::int16_t kKalibrering = 5670;

// The controls and pictures of one scale, keyed "window/path of object names":
//   "<window>/<path>"                   class x,y,w,h visible   (relative to the window)
//   "<window>/<path>#twips"             the circle's box in twips
//   "<window>/<path>#malet"             painted width x height of the circle, device px
//   "skaerm#twips"                      the screen size the program reads
using Maalinger = QMap<QString, QString>;

QString Sti(const QWidget* w, const QWidget* vindue) {
  QStringList dele;
  for (const QWidget* p = w; p && p != vindue; p = p->parentWidget()) {
    dele.prepend(p->objectName().isEmpty() ? QStringLiteral("-") : p->objectName());
  }
  return vindue->objectName() + QLatin1Char('/') + dele.join(QLatin1Char('/'));
}

// The extent of the circle's filled interior as painted, in device pixels, found in a grab
// of its container (the circle widget alone has no background of its own).
QSize MaaltCirkel(const vesparo::CirkelShape* cirkel) {
  const QImage billede = cirkel->parentWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  int minX = billede.width(), minY = billede.height(), maxX = -1, maxY = -1;
  for (int y = 0; y < billede.height(); ++y) {
    const QRgb* linje = reinterpret_cast<const QRgb*>(billede.constScanLine(y));
    for (int x = 0; x < billede.width(); ++x) {
      const QRgb c = linje[x];
      if (qBlue(c) >= 150 && qRed(c) < 40 && qGreen(c) < 40) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
      }
    }
  }
  return maxX < 0 ? QSize(0, 0) : QSize(maxX - minX + 1, maxY - minY + 1);
}

void MaalVindue(QWidget* vindue, Maalinger& m) {
  m[vindue->objectName() + QStringLiteral("#stoerrelse")] =
      QStringLiteral("%1x%2").arg(vindue->width()).arg(vindue->height());
  m[vindue->objectName() + QStringLiteral("#dpr")] = QString::number(vindue->devicePixelRatio());
  QMap<QString, int> set;
  const auto boern = vindue->findChildren<QWidget*>();
  for (const QWidget* w : boern) {
    // Qt's own helpers (scroll bar arrows, menu extension buttons) follow the style, not
    // the window's design.
    if (w->objectName().startsWith(QLatin1String("qt_"))) continue;
    QString noegle = Sti(w, vindue);
    if (noegle.endsWith(QLatin1Char('-'))) continue;  // unnamed: not part of the design
    const int n = set[noegle]++;
    if (n > 0) noegle += QStringLiteral("[%1]").arg(n);
    const QPoint pos = w->mapTo(vindue, QPoint(0, 0));
    m[noegle] = QStringLiteral("%1 %2,%3,%4,%5 %6")
                    .arg(QString::fromLatin1(w->metaObject()->className()))
                    .arg(pos.x()).arg(pos.y()).arg(w->width()).arg(w->height())
                    .arg(w->isVisible() ? QStringLiteral("synlig") : QStringLiteral("skjult"));
    if (const auto* cirkel = qobject_cast<const vesparo::CirkelShape*>(w)) {
      m[noegle + QStringLiteral("#twips")] = QStringLiteral("%1,%2,%3,%4")
                                                 .arg(double(cirkel->Left())).arg(double(cirkel->Top()))
                                                 .arg(double(cirkel->Width())).arg(double(cirkel->Height()));
      const QSize malet = MaaltCirkel(cirkel);
      m[noegle + QStringLiteral("#malet")] = QStringLiteral("%1x%2").arg(malet.width()).arg(malet.height());
    }
  }
}

bool VisOgVent(QWidget* w) {
  w->show();
  return QTest::qWaitForWindowExposed(w);
}

// Opens every window the way the program does, with the hole at 100 mm, and measures them.
Maalinger MaalAlleVinduer() {
  Maalinger m;
  const vesparo::SkaermTwips s = vesparo::SkaermStoerrelseTwips();
  m[QStringLiteral("skaerm#twips")] = QStringLiteral("%1x%2").arg(double(s.bredde)).arg(double(s.hoejde));

  vesparo::test::MessageCatcher beskeder;
  auto hoved = std::make_unique<vesparo::frmVesparoMain>();
  if (!VisOgVent(hoved.get())) qWarning("the main window was not shown");
  hoved->findChild<QScrollBar*>(QStringLiteral("HScrollØ"))->setValue(1000);
  QTest::qWait(20);
  MaalVindue(hoved.get(), m);

  QWidget* kalibrering = vesparo::VisDialogKalibrering(hoved.get());
  if (QTest::qWaitForWindowExposed(kalibrering)) MaalVindue(kalibrering, m);
  QWidget* saadan = vesparo::VisSaadan(hoved.get());
  if (QTest::qWaitForWindowExposed(saadan)) MaalVindue(saadan, m);
  QWidget* grundlag = vesparo::VisGrundlag(hoved.get());
  if (QTest::qWaitForWindowExposed(grundlag)) MaalVindue(grundlag, m);
  auto om = std::make_unique<vesparo::frmOm>(hoved.get());
  if (VisOgVent(om.get())) MaalVindue(om.get(), m);
  om.reset();

  for (const auto& b : beskeder.messages()) m[QStringLiteral("besked#") + b.title] = b.text;
  return m;
}

void Skriv(const Maalinger& m, QIODevice* ud) {
  QTextStream s(ud);
  s.setEncoding(QStringConverter::Utf8);
  for (auto it = m.cbegin(); it != m.cend(); ++it) s << it.key() << '\t' << it.value() << '\n';
}

Maalinger Laes(const QByteArray& tekst) {
  Maalinger m;
  for (const QString& linje : QString::fromUtf8(tekst).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const qsizetype tab = linje.indexOf(QLatin1Char('\t'));
    if (tab > 0) m[linje.left(tab)] = linje.mid(tab + 1);
  }
  return m;
}

// The offscreen platform with one screen of the given device size. Its imitation of a
// window frame is off: that frame is a fixed number of device pixels, where a real window
// manager draws its own decorations outside the window, so it would make a maximised
// window a pixel larger at scale 2 for reasons of the test platform alone.
void SkaermMedStoerrelse(const QTemporaryDir& mappe, int bredde, int hoejde) {
  const QString sti = mappe.filePath(QStringLiteral("skaerm.json"));
  QFile f(sti);
  if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(sti));
  f.write(QStringLiteral(R"({"windowFrameMargins": false,
                            "screens": [{"name": "HiDPI", "x": 0, "y": 0, "width": %1,
                            "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96}]})")
              .arg(bredde).arg(hoejde).toUtf8());
  f.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + sti.toLocal8Bit());
}

void GemTestKalibrering() {
  if (!vesparo::GemKalibrering(kKalibrering)) qFatal("cannot store the calibration");
}

}  // namespace

class TestHiDpi : public QObject {
  Q_OBJECT

  Maalinger ved1_;
  Maalinger ved2_;

 private slots:
  void initTestCase() {
    QProcess barn;
    QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
    miljoe.remove(QStringLiteral("QT_QPA_PLATFORM"));
    barn.setProcessEnvironment(miljoe);
    barn.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kBarnFlag)});
    QVERIFY(barn.waitForFinished(60000));
    QCOMPARE(barn.exitCode(), 0);
    ved1_ = Laes(barn.readAllStandardOutput());
    QVERIFY2(ved1_.size() > 50, "the run at scale 1 measured next to nothing");

    ved2_ = MaalAlleVinduer();
  }

  void screenHasDevicePixelRatioTwo() {
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1024, 768));
    QCOMPARE(ved2_.value(QStringLiteral("skaerm#twips")), QStringLiteral("15360x11520"));
    QCOMPARE(ved1_.value(QStringLiteral("skaerm#twips")), QStringLiteral("15360x11520"));
  }

  void everyWindowWasMeasured_data() {
    QTest::addColumn<QString>("vindue");
    for (const char* v : {"frmVesparoMain", "DialogKalibrering", "frmSaadan", "frmGrundlag", "frmOm"}) {
      QTest::newRow(v) << QString::fromLatin1(v);
    }
  }
  void everyWindowWasMeasured() {
    QFETCH(QString, vindue);
    QVERIFY2(ved1_.contains(vindue + QStringLiteral("#stoerrelse")), "missing at scale 1");
    QVERIFY2(ved2_.contains(vindue + QStringLiteral("#stoerrelse")), "missing at scale 2");
    QCOMPARE(ved1_.value(vindue + QStringLiteral("#dpr")), QStringLiteral("1"));
    QCOMPARE(ved2_.value(vindue + QStringLiteral("#dpr")), QStringLiteral("2"));
  }

  // Sizes, positions, visibility of every named control, and the circles' twips: all the
  // same at both scales. Only the painted circles may differ (next test).
  void layoutIsTheSameInLogicalPixels() {
    QStringList forskelle;
    QStringList noegler = ved1_.keys() + ved2_.keys();
    noegler.removeDuplicates();
    for (const QString& n : noegler) {
      if (n.endsWith(QLatin1String("#malet")) || n.endsWith(QLatin1String("#dpr"))) continue;
      if (ved1_.value(n) != ved2_.value(n)) {
        forskelle << QStringLiteral("%1: %2 at 1, %3 at 2").arg(n, ved1_.value(n, "-"), ved2_.value(n, "-"));
      }
    }
    QCOMPARE(forskelle.join(QLatin1Char('\n')), QString());
  }

  void holeKeepsItsCalibratedSize() {
    // 100 mm at 5670 twips per 100 mm: 5670 twips, 378 logical pixels.
    const QString noegle = QStringLiteral("frmVesparoMain/frmVesparoMainKlient/FrameØ/ShapeØ#twips");
    QVERIFY(ved2_.contains(noegle));
    const QStringList boks = ved2_.value(noegle).split(QLatin1Char(','));
    QCOMPARE(boks.size(), 4);
    QCOMPARE(boks[2].toDouble(), 5670.0);
    QCOMPARE(boks[3].toDouble(), 5670.0);
    QCOMPARE(ved1_.value(noegle), ved2_.value(noegle));
  }

  // Each circle is painted twice as many device pixels across at scale 2, within the
  // antialiased edge, and as large as its twips say.
  void circlesArePaintedWithTwiceTheDevicePixels() {
    int antal = 0;
    for (auto it = ved2_.cbegin(); it != ved2_.cend(); ++it) {
      if (!it.key().endsWith(QLatin1String("#malet"))) continue;
      ++antal;
      const QStringList v1 = ved1_.value(it.key()).split(QLatin1Char('x'));
      const QStringList v2 = it.value().split(QLatin1Char('x'));
      QVERIFY2(v1.size() == 2 && v2.size() == 2, qPrintable(it.key()));
      const QString twipsNoegle = QString(it.key()).replace(QLatin1String("#malet"), QLatin1String("#twips"));
      const double bredde = ved2_.value(twipsNoegle).split(QLatin1Char(','))[2].toDouble();
      const double forventet = bredde / 15.0 * 2.0;
      const QString hvad = QStringLiteral("%1: %2 at 1, %3 at 2, %4 device px expected")
                               .arg(it.key(), ved1_.value(it.key()), it.value()).arg(forventet);
      QVERIFY2(v2[0].toInt() > 100, qPrintable(hvad));
      QVERIFY2(std::abs(v2[0].toInt() - 2 * v1[0].toInt()) <= 3, qPrintable(hvad));
      QVERIFY2(std::abs(v2[1].toInt() - 2 * v1[1].toInt()) <= 3, qPrintable(hvad));
      QVERIFY2(std::abs(v2[0].toInt() - forventet) <= 4, qPrintable(hvad));
    }
    QVERIFY2(antal >= 2, "the hole and the calibration circle");
  }
};

int main(int argc, char** argv) {
  const bool barn = argc > 1 && qstrcmp(argv[1], kBarnFlag) == 0;
  vesparo::test::PrepareTestEnvironment();
  QTemporaryDir mappe;
  if (barn) {
    qputenv("QT_SCALE_FACTOR", "1");
    SkaermMedStoerrelse(mappe, 1024, 768);
  } else {
    qputenv("QT_SCALE_FACTOR", "2");
    SkaermMedStoerrelse(mappe, 2048, 1536);
  }
  GemTestKalibrering();
  QApplication app(argc, argv);
  if (barn) {
    QFile ud;
    if (!ud.open(stdout, QIODevice::WriteOnly)) return 1;
    Skriv(MaalAlleVinduer(), &ud);
    return 0;
  }
  TestHiDpi tc;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&tc, argc, argv);
}

#include "tst_hidpi.moc"

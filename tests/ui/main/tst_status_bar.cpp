// The status bar component: numbered panels, fixed and spring widths that follow the
// parent, texts set by number, and the date and time kept current by the bar itself.
#include "tests/support/test_main.h"
#include "ui/platform/status_bar.h"
#include "ui/platform/twips.h"

#include <QDateTime>
#include <QLocale>

using vesparo::StatusBar;

namespace {

// The main window's six panels.
QVector<StatusBar::Panel> SeksPaneler() {
  using A = StatusBar::Art;
  using B = StatusBar::Bredde;
  return {
      {A::Tekst, QStringLiteral("Skærmopløsningn: "), Qt::AlignLeft, B::Fast, 1452},
      {A::Tekst, QString(), Qt::AlignLeft, B::Fjeder, 96},
      {A::Tekst, QStringLiteral("Dato: "), Qt::AlignRight, B::Fast, 528},
      {A::Dato, QString(), Qt::AlignHCenter, B::Fjeder, 840},
      {A::Tekst, QStringLiteral("Tid: "), Qt::AlignRight, B::Fast, 408},
      {A::Tid, QString(), Qt::AlignHCenter, B::Fjeder, 444},
  };
}

}  // namespace

class TestStatusBar : public QObject {
  Q_OBJECT

 private slots:
  void panelWidthsFollowTheParent_data() {
    QTest::addColumn<int>("bredde");
    QTest::newRow("restored window") << 766;
    QTest::newRow("maximised on 1024") << 1024;
    QTest::newRow("odd pixels to share") << 1001;
    QTest::newRow("narrower than the fixed panels") << 100;
  }
  void panelWidthsFollowTheParent() {
    QFETCH(int, bredde);
    QWidget vindue;
    vindue.resize(800, 600);
    StatusBar bar(&vindue, 240, SeksPaneler());
    vindue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&vindue));
    vindue.resize(bredde, 500);
    QTRY_COMPARE(bar.geometry(), QRect(0, 500 - 16, bredde, 16));
    // 1452, 528 and 408 twips keep their widths.
    QCOMPARE(bar.panelRect(1).width(), 97);
    QCOMPARE(bar.panelRect(3).width(), 35);
    QCOMPARE(bar.panelRect(5).width(), 27);
    const int fri = std::max(0, bredde - 97 - 35 - 27);
    int fjedre = 0;
    for (int n : {2, 4, 6}) {
      const int w = bar.panelRect(n).width();
      QVERIFY2(w == fri / 3 || w == fri / 3 + 1, qPrintable(QString::number(w)));
      fjedre += w;
    }
    QCOMPARE(fjedre, fri);
    for (int n = 2; n <= 6; ++n) QCOMPARE(bar.panelRect(n).left(), bar.panelRect(n - 1).right() + 1);
  }

  void textsAreSetByNumber() {
    QWidget vindue;
    vindue.resize(766, 556);
    StatusBar bar(&vindue, 240, SeksPaneler());
    QCOMPARE(bar.panelCount(), 6);
    QCOMPARE(bar.panelText(1), QStringLiteral("Skærmopløsningn: "));
    QCOMPARE(bar.panelText(2), QString());
    QVERIFY(bar.setPanelText(2, QStringLiteral("1024 * 768")));
    QCOMPARE(bar.panelText(2), QStringLiteral("1024 * 768"));
    QVERIFY(!bar.setPanelText(0, QStringLiteral("x")));
    QVERIFY(!bar.setPanelText(7, QStringLiteral("x")));
    QCOMPARE(bar.panelText(7), QString());
  }

  void dateAndTimeInTheShortFormats() {
    QWidget vindue;
    vindue.resize(766, 556);
    const QDateTime foer = QDateTime::currentDateTime();
    StatusBar bar(&vindue, 240, SeksPaneler());
    const QDateTime efter = QDateTime::currentDateTime();
    const QLocale l = QLocale::system();
    // Around midnight or a new minute the bar may show either side.
    QVERIFY(bar.panelText(4) == l.toString(foer.date(), QLocale::ShortFormat) ||
            bar.panelText(4) == l.toString(efter.date(), QLocale::ShortFormat));
    QVERIFY(bar.panelText(6) == l.toString(foer.time(), QLocale::ShortFormat) ||
            bar.panelText(6) == l.toString(efter.time(), QLocale::ShortFormat));
    // Setting the text of a clock panel does not stop the clock.
    bar.setPanelText(6, QStringLiteral("x"));
    QVERIFY(bar.panelText(6) != QStringLiteral("x"));
  }

  void timeShowsHoursAndMinutes_data() {
    QTest::addColumn<QString>("sprog");
    QTest::addColumn<QString>("format");
    QTest::newRow("Danish") << "da_DK" << "HH.mm";
    QTest::newRow("C, with seconds in its short format") << "C" << "HH:mm";
    QTest::newRow("English (US)") << "en_US" << "h:mm AP";
  }
  void timeShowsHoursAndMinutes() {
    QFETCH(QString, sprog);
    QFETCH(QString, format);
    QCOMPARE(StatusBar::TimerOgMinutter(QLocale(sprog)), format);
  }

  void takesNoFocusAndPaintsItsTexts() {
    QWidget vindue;
    vindue.resize(766, 556);
    StatusBar bar(&vindue, 240, SeksPaneler());
    bar.setPanelText(2, QStringLiteral("1024 * 768"));
    QCOMPARE(bar.focusPolicy(), Qt::NoFocus);
    const QImage billede = bar.grab().toImage();
    QCOMPARE(billede.size(), QSize(766, 16));
    // Text is drawn inside panel 2: some pixel there is darker than the background.
    const QRect r = bar.panelRect(2);
    bool tekst = false;
    for (int x = r.left() + 3; x < r.left() + 40 && !tekst; ++x) {
      for (int y = 3; y < 14 && !tekst; ++y) tekst = qGray(billede.pixel(x, y)) < 80;
    }
    QVERIFY(tekst);
  }
};

VESPARO_TEST_MAIN(TestStatusBar)
#include "tst_status_bar.moc"

// The hyperlink label: caption and hot caption, pointing hand, and a click that hands the
// address to the desktop's handler.
#include "tests/support/test_main.h"
#include "tests/support/url_catcher.h"
#include "ui/platform/hyperlink_label.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QUrl>

using vesparo::HyperlinkLabel;

using vesparo::test::UrlOpfanger;

class TestHyperlinkLabel : public QObject {
  Q_OBJECT

  UrlOpfanger opfanger_;

 private slots:
  void initTestCase() {
    // The desktop's handlers stand in for the browser and the mail program.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &opfanger_, "aabn");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &opfanger_, "aabn");
  }
  void cleanupTestCase() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
  }
  void init() { opfanger_.aabnet.clear(); }

  void clickOpensTheUrl_data() {
    QTest::addColumn<QString>("url");
    QTest::newRow("web") << "https://www.example.com";
    QTest::newRow("mail") << "mailto:info@example.com";
  }
  void clickOpensTheUrl() {
    QFETCH(QString, url);
    HyperlinkLabel link;
    link.setCaption(QStringLiteral("tekst"));
    link.setUrl(url);
    link.resize(120, 15);
    link.show();
    QVERIFY(QTest::qWaitForWindowExposed(&link));
    QTest::mouseClick(&link, Qt::LeftButton, Qt::NoModifier, QPoint(10, 7));
    QCOMPARE(opfanger_.aabnet, QList<QUrl>{QUrl(url)});
  }

  void releaseOutsideOrOtherButtonOpensNothing() {
    HyperlinkLabel link;
    link.setUrl(QStringLiteral("https://www.example.com"));
    link.resize(120, 15);
    link.show();
    QVERIFY(QTest::qWaitForWindowExposed(&link));
    QTest::mousePress(&link, Qt::LeftButton, Qt::NoModifier, QPoint(10, 7));
    QTest::mouseRelease(&link, Qt::LeftButton, Qt::NoModifier, QPoint(200, 7));
    QTest::mouseClick(&link, Qt::RightButton, Qt::NoModifier, QPoint(10, 7));
    QVERIFY(opfanger_.aabnet.isEmpty());
  }

  void hotCaptionAndFontWhileThePointerIsOver() {
    HyperlinkLabel link;
    QFont normal = link.font();
    normal.setPixelSize(10);
    QFont hot = normal;
    hot.setBold(true);
    link.setFont(normal);
    link.setFontHot(hot);
    link.setCaption(QStringLiteral("info@example.com"));
    link.setCaptionHot(QStringLiteral("skriv til os"));
    QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(link.shownText(), QStringLiteral("info@example.com"));
    QEnterEvent ind(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&link, &ind);
    QVERIFY(link.isHot());
    QCOMPARE(link.shownText(), QStringLiteral("skriv til os"));
    QEvent ud(QEvent::Leave);
    QApplication::sendEvent(&link, &ud);
    QVERIFY(!link.isHot());
    QCOMPARE(link.shownText(), QStringLiteral("info@example.com"));
    QCOMPARE(link.focusPolicy(), Qt::NoFocus);
  }
};

VESPARO_TEST_MAIN(TestHyperlinkLabel)
#include "tst_hyperlink_label.moc"

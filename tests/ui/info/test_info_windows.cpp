// The how-to, basis and About windows driven as a user drives them, offscreen.
#include "resources/resources.h"
#include "tests/support/message_catcher.h"
#include "tests/support/test_main.h"
#include "ui/info/frm_grundlag.h"
#include "ui/info/frm_om.h"
#include "ui/info/frm_saadan.h"
#include "ui/info/info_controls.h"
#include "ui/info/info_windows.h"
#include "ui/platform/screen.h"
#include "ui/platform/shared_instance.h"
#include "ui/platform/twips.h"

#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtEndian>

#include <functional>

#include "tests/support/windows.h"

using namespace vesparo;

namespace {

using test::AntalVinduer;
using test::KoerUdskudteSletninger;

// Runs `mens` while the modal About window is open (from inside its event loop), then
// closes it if `mens` left it open, so that a failed check can never hang the test.
void MensOmErAaben(QWidget* ejer, const std::function<void(frmOm*)>& mens) {
  QTimer::singleShot(0, [mens] {
    frmOm* om = AabenInstans<frmOm>();
    mens(om);
    QTimer::singleShot(0, [] {
      if (frmOm* stadig = AabenInstans<frmOm>()) stadig->reject();
    });
  });
  VisOm(ejer);
}

// The whole text of a wrapping label is visible inside its border and margin.
bool TekstenPasser(const QLabel* l) {
  const int m = l->margin();
  const QRect plads = l->contentsRect().adjusted(m, m, -m, -m);
  const QRect behov = QFontMetrics(l->font()).boundingRect(
      QRect(0, 0, plads.width(), 10000), Qt::TextWordWrap, l->text());
  return behov.width() <= plads.width() && behov.height() <= plads.height();
}

// Centred on the 1024 x 768 stand-in screen, frame included.
bool PaaMidten(const QWidget* w) {
  const QPoint d = w->frameGeometry().center() - QRect(0, 0, 1024, 768).center();
  return std::abs(d.x()) <= 1 && std::abs(d.y()) <= 1;
}

QColor Pixel(QWidget* w, int x, int y) { return w->grab().toImage().pixelColor(x, y); }

struct IkonIndgang {
  int bredde, hoejde, farver, bits;
};

// The directory of an icon file, read from its bytes.
QVector<IkonIndgang> LaesIkonKatalog(const QString& sti) {
  QFile f(sti);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray d = f.readAll();
  const auto* b = reinterpret_cast<const uchar*>(d.constData());
  QVector<IkonIndgang> ud;
  if (d.size() < 6 || qFromLittleEndian<quint16>(b + 2) != 1) return ud;
  const int antal = qFromLittleEndian<quint16>(b + 4);
  for (int i = 0; i < antal && 6 + 16 * (i + 1) <= d.size(); ++i) {
    const uchar* e = b + 6 + 16 * i;
    ud.push_back({e[0] ? e[0] : 256, e[1] ? e[1] : 256, e[2], qFromLittleEndian<quint16>(e + 6)});
  }
  return ud;
}

}  // namespace

class TestInfoWindows : public QObject {
  Q_OBJECT

 private:
  QWidget* ejer_ = nullptr;
  QTemporaryDir tomMappe_;

 private slots:
  // The system-information button must never start a real tool from a test: no program
  // of this test's PATH is one.
  void initTestCase() { qputenv("PATH", tomMappe_.path().toLocal8Bit()); }

  void init() {
    SaetSkaermForTest(SkaermTwips{15360, 11520});  // 1024 x 768 pixels
    ejer_ = new QWidget;
    ejer_->setObjectName(QStringLiteral("ejer"));
    ejer_->resize(400, 300);
    ejer_->show();
  }

  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w != ejer_ && w->isVisible()) w->close();
    }
    delete ejer_;
    ejer_ = nullptr;
    KoerUdskudteSletninger();
    SaetSkaermForTest(std::nullopt);
  }

  // ---- Pictures

  void ikonfiler_data() {
    QTest::addColumn<QString>("sti");
    QTest::addColumn<QVector<int>>("forventet");  // size, colours per image
    QTest::newRow("spørgsmålstegn") << ":/info/question.ico" << QVector<int>{32, 16, 32, 8, 32, 2};
    QTest::newRow("udråbstegn") << ":/info/exclamation.ico" << QVector<int>{32, 16, 32, 8, 32, 2};
    QTest::newRow("flueben") << ":/info/tick.ico" << QVector<int>{32, 16, 16, 16};
    QTest::newRow("søjlediagram") << ":/info/bar_chart.ico" << QVector<int>{32, 16, 16, 16};
    QTest::newRow("advarsel") << ":/info/attention.ico" << QVector<int>{32, 16};
  }

  void ikonfiler() {
    QFETCH(QString, sti);
    QFETCH(QVector<int>, forventet);
    InitResources();
    const QVector<IkonIndgang> katalog = LaesIkonKatalog(sti);
    QCOMPARE(katalog.size() * 2, forventet.size());
    QImageReader reader(sti);
    QCOMPARE(reader.imageCount(), static_cast<int>(katalog.size()));
    for (int i = 0; i < katalog.size(); ++i) {
      QCOMPARE(katalog[i].bredde, forventet[2 * i]);
      QCOMPARE(katalog[i].hoejde, forventet[2 * i]);
      QCOMPARE(katalog[i].farver, forventet[2 * i + 1]);
      QCOMPARE(katalog[i].bits, forventet[2 * i + 1] == 2 ? 1 : 4);
      // Qt reads every image, transparent outside the drawing.
      QVERIFY(reader.jumpToImage(i));
      const QImage img = reader.read();
      QCOMPARE(img.size(), QSize(forventet[2 * i], forventet[2 * i]));
      QVERIFY(img.hasAlphaChannel());
    }
  }

  void referencesiden() {
    InitResources();
    QFile f(QStringLiteral(":/info/reference_page.png"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray png = f.read(32);
    const auto* b = reinterpret_cast<const uchar*>(png.constData());
    QCOMPARE(qFromBigEndian<quint32>(b + 16), 1129u);  // IHDR width
    QCOMPARE(qFromBigEndian<quint32>(b + 20), 824u);   // height
    QCOMPARE(int(b[24]), 8);                           // 8 bits per channel
    QCOMPARE(int(b[25]), 2);                           // RGB, no alpha: 24-bit
  }

  // ---- How-to window

  void saadanLayout() {
    auto* w = qobject_cast<frmSaadan*>(VisSaadan(ejer_));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Sådan gør du"));
    QVERIFY(w->isWindow());
    QCOMPARE(w->parentWidget(), ejer_);
    QCOMPARE(w->size(), QSize(632, 225));  // 9480 x 3372 twips
    QVERIFY(!w->windowIcon().isNull());

    const struct {
      const char* navn;
      int index;
      QRect px;
      const char* tekst;
    } etiketter[] = {
        {"Label2", 0, PxRect(600, 360, 2535, 495), "Lækagehullet bliver vist i forkert størrelse. "},
        {"Label1", 0, PxRect(3720, 360, 2535, 495), "Lækagehullets størrelse skal kalibreres."},
        {"Label1", 2, PxRect(6840, 360, 2535, 495), "Indstilles fra: Filer - Indstillinger - Kalibrer."},
        {"Label2", 1, PxRect(600, 1680, 2535, 495), "Hvordan indstilles scrollbarerne?"},
        {"Label1", 1, PxRect(3720, 1560, 5655, 735),
         "Flyt curseren med musen hen til en af de små pile i enderne af scrollbaren, og hold "
         "den venstre musetast nede til den ønskede indstilling er opnået. Eller du kan trække "
         "skyderen med musen."},
    };
    for (const auto& e : etiketter) {
      auto* l = w->findChild<QLabel*>(IndekseretNavn(e.navn, e.index));
      QVERIFY2(l, e.navn);
      QCOMPARE(l->property(kIndeksEgenskab).toInt(), e.index);
      QCOMPARE(l->text(), QString::fromUtf8(e.tekst));
      QCOMPARE(l->geometry(), e.px);
      QVERIFY(l->wordWrap());
      // The whole text is visible inside the label's border.
      QVERIFY2(TekstenPasser(l), e.navn);
      // White background painted opaque, a thin dark border.
      QCOMPARE(Pixel(l, l->width() - 3, l->height() - 3), QColor(Qt::white));
      QVERIFY(Pixel(l, 0, l->height() / 2).lightness() < 100);
    }

    const struct {
      const char* navn;
      int index;
      int x, y;
    } billeder[] = {{"Image2", 0, 120, 360}, {"Image1", 0, 3240, 360}, {"Image3", 0, 6360, 360},
                    {"Image2", 1, 120, 1680}, {"Image3", 1, 3240, 1680}};
    for (const auto& b : billeder) {
      auto* l = w->findChild<QLabel*>(IndekseretNavn(b.navn, b.index));
      QVERIFY2(l, b.navn);
      QCOMPARE(l->geometry(), QRect(Px(b.x), Px(b.y), 32, 32));
      QCOMPARE(l->pixmap().size(), QSize(32, 32));  // unscaled
    }

    // Command2 is the only control that takes the focus, and it has it.
    QPushButton* knap = w->Command2();
    QCOMPARE(knap->objectName(), QStringLiteral("Command2"));
    QCOMPARE(knap->text(), QStringLiteral("Vend tilbage til Vesparo"));
    QCOMPARE(knap->geometry(), PxRect(6960, 2880, 2415, 375));
    QVERIFY(!knap->isDefault());
    QCOMPARE(w->focusWidget(), knap);
    for (QWidget* c : w->findChildren<QWidget*>()) {
      if (c != knap) QCOMPARE(c->focusPolicy(), Qt::NoFocus);
    }
    QVERIFY(QFontMetrics(knap->font()).horizontalAdvance(knap->text()) < knap->width() - 8);
  }

  void saadanRiller() {
    auto* w = qobject_cast<frmSaadan*>(VisSaadan(ejer_));
    QCOMPARE(w->findChildren<LinjeKontrol*>().size(), 7);
    for (int i = 0; i < 7; ++i) QVERIFY(w->findChild<LinjeKontrol*>(IndekseretNavn("Line1", i)));

    // Two engraved rules in the first size: grey with white directly beneath, to the edge.
    QImage bild = w->grab().toImage();
    const QColor graa(128, 128, 128);
    for (int y : {Px(1200), Px(2640)}) {
      for (int x : {0, 300, w->width() - 1}) {
        QCOMPARE(bild.pixelColor(x, y), graa);
        QCOMPARE(bild.pixelColor(x, y + 1), QColor(Qt::white));
        QVERIFY(bild.pixelColor(x, y - 1) != graa);
      }
    }
    // The third rule lies below the client area until the window is made taller.
    QVERIFY(Px(4080) >= w->height());

    QHash<QWidget*, QRect> foer;
    for (QWidget* c : w->findChildren<QWidget*>()) foer.insert(c, c->geometry());
    w->resize(900, 320);
    QCoreApplication::processEvents();
    for (auto it = foer.cbegin(); it != foer.cend(); ++it) {
      QCOMPARE(it.key()->geometry(), it.value());  // nothing moves or resizes
    }
    bild = w->grab().toImage();
    QCOMPARE(bild.pixelColor(100, Px(4080)), graa);
    QCOMPARE(bild.pixelColor(100, Px(4080) + 1), QColor(Qt::white));
    // The lines end past the first client area's right edge (9960 twips = 664 pixels).
    QCOMPARE(bild.pixelColor(Px(9960) - 1, Px(1200)), graa);
    QVERIFY(bild.pixelColor(Px(9960) + 5, Px(1200)) != graa);
  }

  void saadanCentreret() {
    QWidget* w = VisSaadan(ejer_);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QVERIFY(PaaMidten(w));
  }

  void saadanTaster_data() {
    QTest::addColumn<int>("tast");
    QTest::addColumn<bool>("lukker");
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("Enter på det numeriske tastatur") << int(Qt::Key_Enter) << true;
    QTest::newRow("Mellemrum") << int(Qt::Key_Space) << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
  }

  void saadanTaster() {
    QFETCH(int, tast);
    QFETCH(bool, lukker);
    QPointer<QWidget> w = VisSaadan(ejer_);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::keyClick(w->focusWidget(), static_cast<Qt::Key>(tast));
    KoerUdskudteSletninger();
    QCOMPARE(w.isNull(), lukker);  // closed means unloaded: the instance is gone
    QCOMPARE(AabenInstans<frmSaadan>() != nullptr, !lukker);
  }

  void enInstansAfHver_data() {
    QTest::addColumn<int>("vindue");
    QTest::newRow("frmSaadan") << 0;
    QTest::newRow("frmGrundlag") << 1;
  }

  void enInstansAfHver() {
    QFETCH(int, vindue);
    const auto vis = [&] { return vindue == 0 ? VisSaadan(ejer_) : VisGrundlag(ejer_); };
    const auto antal = [&] {
      return vindue == 0 ? AntalVinduer<frmSaadan>() : AntalVinduer<frmGrundlag>();
    };
    QPointer<QWidget> foerste = vis();
    QVERIFY(foerste && foerste->isVisible());
    QCOMPARE(vis(), foerste.data());  // a second choice brings the same window
    QCOMPARE(antal(), 1);

    // Its own button unloads it; the close box does the same.
    QTest::mouseClick(vindue == 0 ? qobject_cast<frmSaadan*>(foerste.data())->Command2()
                                  : qobject_cast<frmGrundlag*>(foerste.data())->Command1(),
                      Qt::LeftButton);
    KoerUdskudteSletninger();
    QVERIFY(foerste.isNull());
    QCOMPARE(antal(), 0);

    QPointer<QWidget> anden = vis();
    QVERIFY(anden && anden->isVisible());
    QCOMPARE(antal(), 1);
    anden->close();
    KoerUdskudteSletninger();
    QVERIFY(anden.isNull());
    QCOMPARE(antal(), 0);
  }

  // ---- Basis window

  void grundlagGeometri_data() {
    QTest::addColumn<int>("bredde");  // screen in pixels
    QTest::addColumn<int>("hoejde");
    QTest::addColumn<float>("sideBredde");
    QTest::addColumn<float>("sideHoejde");
    QTest::addColumn<float>("sideTop");
    QTest::newRow("800 x 600") << 800 << 600 << 12000.0f << 8000.0f << 660.0f;
    QTest::newRow("1024 x 768") << 1024 << 768 << 15360.0f << 10240.0f << 940.0f;
    QTest::newRow("1280 x 1024") << 1280 << 1024 << 19200.0f << 12800.0f << 2220.0f;
    QTest::newRow("1280 x 800") << 1280 << 800 << 19200.0f << 12800.0f << -1140.0f;
    QTest::newRow("1920 x 1080") << 1920 << 1080 << 28800.0f << 19200.0f << -3340.0f;
  }

  void grundlagGeometri() {
    QFETCH(int, bredde);
    QFETCH(int, hoejde);
    QFETCH(float, sideBredde);
    QFETCH(float, sideHoejde);
    QFETCH(float, sideTop);
    const SkaermTwips skaerm{static_cast<float>(bredde * 15), static_cast<float>(hoejde * 15)};
    const GrundlagGeometri g = BeregnGrundlagGeometri(skaerm);
    QCOMPARE(g.vinduesBredde, skaerm.bredde);
    QCOMPARE(g.vinduesHoejde, skaerm.hoejde);
    QCOMPARE(g.sideBredde, sideBredde);
    QCOMPARE(g.sideHoejde, sideHoejde);
    QCOMPARE(g.sideTop, sideTop);

    // The window's load step uses it with the screen of the moment.
    SaetSkaermForTest(skaerm);
    auto* w = qobject_cast<frmGrundlag*>(VisGrundlag(ejer_));
    QVERIFY(w);
    QCOMPARE(w->Geometri().sideTop, sideTop);
    QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Image1"))->geometry(),
             PxRect(0, sideTop, sideBredde, sideHoejde));
  }

  void grundlagLayout() {
    auto* w = qobject_cast<frmGrundlag*>(VisGrundlag(ejer_));
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->windowTitle(), QStringLiteral("Grundlag"));
    QCOMPARE(w->parentWidget(), ejer_);
    QVERIFY(w->isMaximized());
    const Qt::WindowFlags f = w->windowFlags();
    QVERIFY(!(f & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    QVERIFY(f & Qt::WindowCloseButtonHint);
    QCOMPARE(w->minimumSize(), w->maximumSize());  // fixed border
    QVERIFY(!w->windowIcon().isNull());

    auto* note = w->findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(note);
    QCOMPARE(note->text(),
             QStringLiteral("K-faktoren er af erfaringsmæssige årsager ændret i Vesparo til: 0.02971487"));
    QCOMPARE(note->geometry(), PxRect(712, 60, 3135, 495));
    QVERIFY(TekstenPasser(note));
    QCOMPARE(Pixel(note, note->width() - 3, note->height() - 3), QColor(Qt::white));

    QCOMPARE(w->Command1()->text(), QStringLiteral("Tilbage til Vesparo"));
    QCOMPARE(w->Command1()->objectName(), QStringLiteral("Command1"));
    QCOMPARE(w->focusWidget(), w->Command1());

    auto* tegn = w->findChild<QLabel*>(QStringLiteral("Image2"));
    QCOMPARE(tegn->geometry(), QRect(Px(120), Px(72), 32, 32));
    QCOMPARE(tegn->pixmap().size(), QSize(32, 32));

    auto* side = w->findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(side->hasScaledContents());
    QCOMPARE(side->pixmap().size(), QSize(1129, 824));
    // The note, the sign and the button stay above the page where it reaches up.
    const QObjectList boern = w->children();
    QVERIFY(boern.indexOf(side) < boern.indexOf(note));
    QVERIFY(boern.indexOf(side) < boern.indexOf(w->Command1()));
  }

  void grundlagHoldesSinGeometriVedNyVisning() {
    auto* w = qobject_cast<frmGrundlag*>(VisGrundlag(ejer_));
    QCOMPARE(w->Geometri().sideTop, 940.0f);
    SaetSkaermForTest(SkaermTwips{19200, 12000});  // 1280 x 800
    QCOMPARE(VisGrundlag(ejer_), w);               // brought to the front, not loaded again
    QCOMPARE(w->Geometri().sideTop, 940.0f);
    w->close();
    KoerUdskudteSletninger();
    w = qobject_cast<frmGrundlag*>(VisGrundlag(ejer_));  // a new load, the new screen
    QCOMPARE(w->Geometri().sideTop, -1140.0f);
  }

  // ---- About window

  void omTekster() {
    QString titel, version, navn, advarsel, ophavsret, beskrivelse;
    bool fedOphavsret = false, fedNavn = false;
    bool fokusPaaOK = false, erModal = false, paaMidten = false, fastStoerrelse = false;
    MensOmErAaben(ejer_, [&](frmOm* om) {
      if (!om) return;
      titel = om->windowTitle();
      version = om->findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
      navn = om->findChild<QLabel*>(QStringLiteral("lblTitle"))->text();
      advarsel = om->findChild<QLabel*>(QStringLiteral("lblDisclaimer"))->text();
      auto* label1 = om->findChild<QLabel*>(QStringLiteral("Label1"));
      ophavsret = label1->text();
      fedOphavsret = label1->font().bold();
      fedNavn = om->findChild<QLabel*>(QStringLiteral("lblTitle"))->font().bold();
      beskrivelse = om->findChild<QLabel*>(QStringLiteral("lblDescription"))->text();
      fokusPaaOK = om->focusWidget() == om->cmdOK();
      erModal = QApplication::activeModalWidget() == om && om->parentWidget() == ejer_;
      paaMidten = PaaMidten(om);
      fastStoerrelse = om->minimumSize() == QSize(382, 360) && om->maximumSize() == om->minimumSize();
    });
    QCOMPARE(titel, QStringLiteral("Om Vesparo"));
    QCOMPARE(version, QStringLiteral("Version 1.0.5"));
    QCOMPARE(navn, QStringLiteral("Vesparo®"));
    QCOMPARE(advarsel, QString());
    QVERIFY(ophavsret.startsWith(QStringLiteral("Copyright ©")));
    QVERIFY(!ophavsret.contains(QLatin1Char('\n')));
    QVERIFY(fedOphavsret);
    QVERIFY(fedNavn);
    QCOMPARE(beskrivelse,
             QStringLiteral("Vesparo er et hjælpeværktøj til at beregne lækagetabet fra vandrør, "
                            "dels i vandmængde, dels i Kr.\nParametre: Lækagehulsdiameter, tryk og "
                            "vandpris, der indstilles individuelt på scrollbarer."));
    QVERIFY(fokusPaaOK);
    QVERIFY(erModal);
    QVERIFY(paaMidten);
    QVERIFY(fastStoerrelse);
    KoerUdskudteSletninger();
    QVERIFY(!AabenInstans<frmOm>());
  }

  // Every text of the About window is fully visible in its label at its font.
  void omTeksterPasser() {
    QStringList for_store;
    MensOmErAaben(ejer_, [&](frmOm* om) {
      for (QLabel* l : om->findChildren<QLabel*>()) {
        if (!l->text().isEmpty() && !TekstenPasser(l)) for_store << l->objectName();
      }
      for (QPushButton* b : om->findChildren<QPushButton*>()) {
        if (QFontMetrics(b->font()).horizontalAdvance(b->text().remove(QLatin1Char('&'))) >
            b->width() - 8)
          for_store << b->objectName();
      }
      // The copyright notice stays on one line.
      auto* label1 = om->findChild<QLabel*>(QStringLiteral("Label1"));
      if (QFontMetrics(label1->font()).horizontalAdvance(label1->text()) > label1->width())
        for_store << QStringLiteral("Label1 på én linje");
    });
    QCOMPARE(for_store, QStringList());
  }

  void omLayout() {
    QRect ikon;
    QSize billede;
    QColor bag, hjoerne;
    MensOmErAaben(ejer_, [&](frmOm* om) {
      auto* pic = om->findChild<QLabel*>(QStringLiteral("picIcon"));
      ikon = pic->geometry();
      billede = pic->pixmap().size();
      const QImage g = pic->grab().toImage();
      hjoerne = g.pixelColor(0, 0);
      bag = g.pixelColor(3, 3);
    });
    QCOMPARE(ikon, QRect(16, 16, 36, 36));  // 32 x 32 and a sunken border of two pixels
    QCOMPARE(billede, QSize(32, 32));
    QCOMPARE(bag.rgb(), ejer_->palette().color(QPalette::Mid).rgb());  // application-workspace colour
    QVERIFY(hjoerne != bag);                                // the sunken border
  }

  void omTaster_data() {
    QTest::addColumn<int>("tast");
    QTest::addColumn<bool>("paaSysInfo");
    QTest::addColumn<bool>("lukker");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false << true;
    QTest::newRow("Enter på OK") << int(Qt::Key_Return) << false << true;
    QTest::newRow("Esc med fokus på System Info") << int(Qt::Key_Escape) << true << true;
    QTest::newRow("Enter på System Info") << int(Qt::Key_Return) << true << false;
  }

  void omTaster() {
    QFETCH(int, tast);
    QFETCH(bool, paaSysInfo);
    QFETCH(bool, lukker);
    test::MessageCatcher beskeder;  // the launcher's message where no tool is installed
    bool aabenBagefter = false;
    MensOmErAaben(ejer_, [&](frmOm* om) {
      QWidget* fokus = om->cmdOK();
      if (paaSysInfo) {
        om->cmdSysInfo()->setFocus();
        fokus = om->cmdSysInfo();
      }
      QTest::keyClick(fokus, static_cast<Qt::Key>(tast));
      aabenBagefter = AabenInstans<frmOm>() == om;
    });
    QCOMPARE(aabenBagefter, !lukker);
  }

  // The button hands over to the launcher, which finds no tool on the empty PATH of this
  // test and says so; the About window stays open.
  void omSysInfoLukkerIkke() {
    test::MessageCatcher beskeder;
    bool aabenEfterAltS = false, aabenEfterKlik = false;
    int beskederEfterAltS = -1, beskederEfterKlik = -1;
    MensOmErAaben(ejer_, [&](frmOm* om) {
      QCOMPARE(om->cmdSysInfo()->text(), QStringLiteral("&System Info..."));
      om->activateWindow();
      (void)QTest::qWaitFor([om] { return QApplication::activeWindow() == om; });
      QTest::keyClick(om, Qt::Key_S, Qt::AltModifier);
      // An access key presses its button with the short animation of a click.
      (void)QTest::qWaitFor([&] { return beskeder.count() > 0; }, 2000);
      beskederEfterAltS = beskeder.count();
      aabenEfterAltS = AabenInstans<frmOm>() == om;
      QTest::mouseClick(om->cmdSysInfo(), Qt::LeftButton);
      beskederEfterKlik = beskeder.count();
      aabenEfterKlik = AabenInstans<frmOm>() == om;
    });
    QCOMPARE(beskederEfterAltS, 1);
    QCOMPARE(beskederEfterKlik, 2);
    QVERIFY(aabenEfterAltS);
    QVERIFY(aabenEfterKlik);
  }

  void omEnInstans() {
    QPointer<frmOm> foerste;
    int antalEfterAndenVisning = -1;
    MensOmErAaben(ejer_, [&](frmOm* om) {
      foerste = om;
      VisOm(ejer_);  // returns at once: the window is open already
      antalEfterAndenVisning = AntalVinduer<frmOm>();
      QTest::mouseClick(om->cmdOK(), Qt::LeftButton);
    });
    QCOMPARE(antalEfterAndenVisning, 1);
    KoerUdskudteSletninger();
    QVERIFY(foerste.isNull());  // unloaded

    bool ny = false;
    MensOmErAaben(ejer_, [&](frmOm* om) { ny = om && foerste.isNull(); });
    QVERIFY(ny);
  }
};

VESPARO_TEST_MAIN(TestInfoWindows)
#include "test_info_windows.moc"

#include "ui/calibration/dialog_kalibrering.h"

#include "resources/resources.h"
#include "settings/settings_store.h"
#include "ui/calibration/calibration.h"
#include "ui/calibration/calibration_geometry.h"
#include "ui/platform/calibration_message.h"
#include "ui/platform/circle_shape.h"
#include "ui/platform/message_box.h"
#include "ui/platform/shared_instance.h"
#include "ui/platform/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>

#include <cmath>
#include <cstdint>

namespace vesparo {

namespace {

// The client area below the menu bar, in twips.
constexpr double kKlientBredde = 7716;
constexpr double kKlientHoejde = 7140;

constexpr Qt::WindowFlags kVinduesFlag = Qt::Dialog | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint |
                                         Qt::MSWindowsFixedSizeDialogHint;

// A stored text the dialog can show: it converts, is not negative, and lies within the
// bar's range once rounded. Anything else was typed into the settings file by hand.
bool KanVises(const QString& tekst) {
  const Konvertering<float> single = TilSingle(tekst);
  if (!single.ok() || !std::isfinite(*single.vaerdi) || *single.vaerdi < 0) return false;
  const Konvertering<std::int16_t> heltal = TilHeltal16(tekst);
  return heltal.ok() && *heltal.vaerdi >= 0 && *heltal.vaerdi <= DialogKalibrering::kBarMaksimum;
}

QIcon KalibreringIkon() {
  InitResources();
  return QIcon(QStringLiteral(":/calibration/kalibrering.ico"));
}

}  // namespace

DialogKalibrering::DialogKalibrering(QWidget* owner) : QWidget(owner, kVinduesFlag) {
  setObjectName(QStringLiteral("DialogKalibrering"));
  setWindowTitle(QStringLiteral("Kalibrering af lækagehullets størrelse på skærmen"));
  setWindowIcon(KalibreringIkon());

  // Two commands directly in the menu bar, no menus: a click runs each at once.
  menu_ = new QMenuBar(this);
  menu_->setNativeMenuBar(false);
  kalibrer_ = menu_->addAction(QStringLiteral("&Kalibrer"));
  kalibrer_->setObjectName(QStringLiteral("Kalibrer"));
  hjaelp_ = menu_->addAction(QStringLiteral("Hj&ælp"));
  hjaelp_->setObjectName(QStringLiteral("Hjælp"));

  const QSize klientPx = PxSize(kKlientBredde, kKlientHoejde);
  const int menuPx = menu_->sizeHint().height();
  menu_->setGeometry(0, 0, klientPx.width(), menuPx);
  klient_ = new QWidget(this);
  klient_->setObjectName(QStringLiteral("Klientflade"));
  klient_->setGeometry(QRect(QPoint(0, menuPx), klientPx));
  setFixedSize(klientPx.width(), menuPx + klientPx.height());

  HScrollKalibreringW = new QScrollBar(Qt::Horizontal, klient_);
  HScrollKalibreringW->setObjectName(QStringLiteral("HScrollKalibreringW"));
  HScrollKalibreringW->setRange(0, kBarMaksimum);
  HScrollKalibreringW->setSingleStep(10);
  HScrollKalibreringW->setPageStep(10);
  HScrollKalibreringW->setValue(0);
  HScrollKalibreringW->setFocusPolicy(Qt::StrongFocus);
  // Up, Page Up and Page Down already work as on any scroll bar; Left and Right are
  // inverted by QScrollBar and are set right in eventFilter.
  HScrollKalibreringW->installEventFilter(this);
  HScrollKalibreringW->setAccessibleName(QStringLiteral("Cirkelens diameter"));
  SaetBarGeometri();

  Shape1 = new CirkelShape(klient_);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setWidth(1815);
  Shape1->setHeight(1695);
  Shape1->setLeft(2880);
  Shape1->setTop(3000);
  // Where a large circle reaches the bar, the bar stays visible on top of it.
  HScrollKalibreringW->raise();

  connect(HScrollKalibreringW, &QScrollBar::valueChanged, this, [this] { OpdaterCirkel(); });
  connect(HScrollKalibreringW, &QScrollBar::sliderMoved, this, [this] { OpdaterCirkel(); });
  connect(kalibrer_, &QAction::triggered, this, [this] { KalibrerClick(); });
  connect(hjaelp_, &QAction::triggered, this, [this] { HjaelpClick(); });

  Load();

  // Centred on the screen, counting the decorations as W and H do.
  QScreen* skaerm = owner ? owner->screen() : QGuiApplication::primaryScreen();
  if (skaerm) {
    const QRect s = skaerm->geometry();
    const int ydreBredde = width() + 2 * kRammePx;
    const int ydreHoejde = height() + kTitellinjePx + 2 * kRammePx;
    move(s.x() + (s.width() - ydreBredde) / 2, s.y() + (s.height() - ydreHoejde) / 2);
  }

  // The bar is the only control that takes the focus.
  HScrollKalibreringW->setFocus();
}

QSizeF DialogKalibrering::YdreStoerrelseTwips() const {
  return QSizeF(Twips(width() + 2 * kRammePx), Twips(height() + kTitellinjePx + 2 * kRammePx));
}

void DialogKalibrering::Load() {
  // The stored value converts three times: to single precision for the circle's width and
  // height, and to a 16-bit integer for the bar. One read serves all three, so that a write
  // by another copy of the program in between cannot mix two values.
  const Laesning laesning = LaesKalibreringMedTilstand();
  QString gemt = laesning.tekst;
  if (laesning.tilstand == Filtilstand::Ulaeselig) {
    VisBesked(parentWidget(), UlaeseligKalibreringsfilTekst(KalibreringsFil()), QString(),
              BeskedIkon::Udraabstegn);
  } else if (!KanVises(gemt)) {
    // Typed into the file by hand. Explain once, open at the default, and leave the file
    // alone: the next Kalibrer replaces the entry.
    VisBesked(parentWidget(), UbrugeligKalibreringTekst(gemt, KalibreringsFil()), QString(),
              BeskedIkon::Udraabstegn);
    gemt = QString::fromLatin1(kStandardKalibrering);
  }

  const float W = static_cast<float>(YdreStoerrelseTwips().width());
  const float H = static_cast<float>(YdreStoerrelseTwips().height());

  // KanVises has checked gemt, or it is the default; value_or only guards the impossible.
  Shape1->setWidth(TilSingle(gemt).vaerdi.value_or(1000.0f));
  Shape1->setHeight(TilSingle(gemt).vaerdi.value_or(1000.0f));
  // From 0 to the stored position: the change notification runs OpdaterCirkel right here.
  HScrollKalibreringW->setValue(TilHeltal16(gemt).vaerdi.value_or(1000));
  Shape1->setLeft(KalibreringCirkelLeft(W, Shape1->Width()));
  Shape1->setTop(KalibreringCirkelTop(Shape1->Left()));

  barWidth_ = KalibreringBarWidth(W);
  barTop_ = KalibreringBarTop(H);
  barLeft_ = KalibreringBarLeft(W, barWidth_);
  SaetBarGeometri();
}

void DialogKalibrering::OpdaterCirkel() {
  const float W = static_cast<float>(YdreStoerrelseTwips().width());
  // The thumb's position: while it is dragged, sliderMoved comes before value() follows.
  Shape1->setWidth(static_cast<float>(HScrollKalibreringW->sliderPosition()));
  Shape1->setHeight(static_cast<float>(HScrollKalibreringW->sliderPosition()));
  Shape1->setLeft(KalibreringCirkelLeft(W, Shape1->Width()));
  Shape1->setTop(KalibreringCirkelTop(Shape1->Left()));
}

void DialogKalibrering::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  // The owner becomes the active window again, so that its recalculation on activation
  // draws the hole at the scale just stored. Most window managers do this for a closing
  // dialog by themselves; not all do, and without one (offscreen) nothing would.
  if (event->isAccepted() && isActiveWindow() && parentWidget()) {
    parentWidget()->window()->activateWindow();
  }
}

bool DialogKalibrering::eventFilter(QObject* watched, QEvent* event) {
  if (watched == HScrollKalibreringW && event->type() == QEvent::KeyPress) {
    const auto* tast = static_cast<QKeyEvent*>(event);
    if (tast->modifiers() == Qt::NoModifier || tast->modifiers() == Qt::KeypadModifier) {
      const bool hoejreTilVenstre = HScrollKalibreringW->isRightToLeft();
      if (tast->key() == Qt::Key_Right || tast->key() == Qt::Key_Left) {
        const bool stoerre = (tast->key() == Qt::Key_Right) != hoejreTilVenstre;
        HScrollKalibreringW->triggerAction(stoerre ? QAbstractSlider::SliderSingleStepAdd
                                               : QAbstractSlider::SliderSingleStepSub);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void DialogKalibrering::SaetBarGeometri() {
  HScrollKalibreringW->setGeometry(PxRect(barLeft_, barTop_, barWidth_, barHeight_));
}

void DialogKalibrering::KalibrerClick() {
  const auto position = static_cast<std::int16_t>(HScrollKalibreringW->value());
  if (!GemKalibrering(position)) {
    // Nothing is lost: the dialog stays open with the position, and the user can try again.
    VisBesked(this,
              QStringLiteral("Kalibreringen kunne ikke gemmes i indstillingsfilen:\n"
                             "%1\n"
                             "\n"
                             "Kontrollér, at filen og dens mappe må skrives, og klik så på "
                             "Kalibrer igen.")
                  .arg(KalibreringsFil()),
              QString(), BeskedIkon::Udraabstegn);
    return;
  }
  close();
}

QString DialogKalibrering::HjaelpTitel() {
  return QStringLiteral("Kalibrering af lækagehulsdiameter!");
}

QString DialogKalibrering::HjaelpTekst() {
  return QStringLiteral("For at lækagehullet skal blive vist i den rigtige størrelse,") +
         QChar(10) + QStringLiteral("må dette kalibreres.") + QChar(10) +
         QStringLiteral("Stil scrollbaren i den position hvor diameteren på cirkelen er 100 mm.") +
         QChar(13) + QChar(10) +
         QStringLiteral("Måles direkte på skærmen med f.eks. en lineal.") + QChar(13) +
         QChar(10) + QStringLiteral("Klik herefter på Kalibrer!");
}

void DialogKalibrering::HjaelpClick() {
  VisBesked(this, HjaelpTekst(), HjaelpTitel(), BeskedIkon::Ingen);
}

QWidget* VisDialogKalibrering(QWidget* owner) {
  return VisDeltInstans<DialogKalibrering>([owner] { return new DialogKalibrering(owner); });
}

}  // namespace vesparo

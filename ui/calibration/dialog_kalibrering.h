// DialogKalibrering: the user holds a ruler to the screen, moves the scroll bar until the
// circle measures 100 mm across, and chooses "Kalibrer"; the bar's position (the circle's
// diameter in twips) becomes the stored calibration value.
//
// Show it through VisDialogKalibrering (calibration.h), which keeps the one shared
// instance. The constructor is the dialog's load step.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QWidget>

class QAction;
class QMenuBar;
class QScrollBar;

namespace vesparo {

class CirkelShape;

class DialogKalibrering : public QWidget {
  Q_OBJECT

 public:
  // Window decorations that the outer size W x H counts, in pixels: a frame of 3 at the
  // sides and the bottom and a title bar of 19, on every platform, plus the real menu bar.
  // They are ours rather than the window manager's: the load step runs before the window
  // has a frame at all, W and H must not change while the dialog is open, and a desktop's
  // taller title bar would push the bar below the client area (it lies H - 1000 down).
  static constexpr int kRammePx = 3;
  static constexpr int kTitellinjePx = 19;

  static constexpr int kBarMaksimum = 8000;

  explicit DialogKalibrering(QWidget* owner);

  // W and H: the outer size in twips, frame, title bar and menu bar included.
  QSizeF YdreStoerrelseTwips() const;

  // The scroll bar's box in twips, relative to the client area, as last set.
  QRectF BarTwips() const { return QRectF(barLeft_, barTop_, barWidth_, barHeight_); }

  // The client area below the menu bar, which holds the bar and the circle.
  QWidget* Klientflade() const { return klient_; }

  // The message the Hjælp command shows, with its line separators as written.
  static QString HjaelpTekst();
  static QString HjaelpTitel();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Load();
  void OpdaterCirkel();
  void KalibrerClick();
  void HjaelpClick();

  void SaetBarGeometri();

  QMenuBar* menu_ = nullptr;
  QAction* kalibrer_ = nullptr;
  QAction* hjaelp_ = nullptr;
  QWidget* klient_ = nullptr;
  QScrollBar* HScrollKalibreringW = nullptr;
  CirkelShape* Shape1 = nullptr;

  float barLeft_ = 120;
  float barTop_ = 6720;
  float barWidth_ = 7275;
  float barHeight_ = 255;
};

}  // namespace vesparo

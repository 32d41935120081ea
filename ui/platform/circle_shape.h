// The filled circle of the main window (ShapeØ) and of the calibration dialog (Shape1):
// the largest circle that fits centred in a box given in single-precision twips relative
// to its container, painted with sub-pixel precision. A box of zero size draws nothing.
//
// The widget itself covers the whole container and is transparent to the mouse; only the
// circle is painted. It takes no focus and has no events.
#pragma once

#include <QColor>
#include <QWidget>

namespace vesparo {

class CirkelShape : public QWidget {
  Q_OBJECT

 public:
  // Dark blue outline, one pixel wide, around a blue disc.
  static constexpr QColor kKant{0, 0, 128};
  static constexpr QColor kFyld{0, 0, 192};

  explicit CirkelShape(QWidget* container);

  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }

  void setLeft(float twips);
  void setTop(float twips);
  // A negative size is refused: the value is clamped to 0 and the call returns false.
  bool setWidth(float twips);
  bool setHeight(float twips);

  // The circle's box in (fractional) pixels of the container.
  QRectF boksPx() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void opdater();

  float left_ = 0;
  float top_ = 0;
  float width_ = 0;
  float height_ = 0;
  QRect malet_;  // the area the last box asked to be painted, in pixels
};

}  // namespace vesparo

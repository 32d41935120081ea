#include "ui/platform/circle_shape.h"

#include "ui/platform/twips.h"

#include <QEvent>
#include <QPainter>
#include <QPen>

namespace vesparo {

CirkelShape::CirkelShape(QWidget* container) : QWidget(container) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(container->rect());
  container->installEventFilter(this);
}

void CirkelShape::setLeft(float twips) {
  left_ = twips;
  opdater();
}

void CirkelShape::setTop(float twips) {
  top_ = twips;
  opdater();
}

bool CirkelShape::setWidth(float twips) {
  const bool ok = twips >= 0;
  width_ = ok ? twips : 0;
  opdater();
  return ok;
}

bool CirkelShape::setHeight(float twips) {
  const bool ok = twips >= 0;
  height_ = ok ? twips : 0;
  opdater();
  return ok;
}

QRectF CirkelShape::boksPx() const {
  return QRectF(PxF(left_), PxF(top_), PxF(width_), PxF(height_));
}

void CirkelShape::opdater() {
  // Only the old and the new box need painting: while a slider is dragged the circle moves
  // many times a second inside a large frame.
  const QRect ny = boksPx().toAlignedRect().adjusted(-2, -2, 2, 2);
  update(ny.united(malet_));
  malet_ = ny;
}

bool CirkelShape::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) {
    setGeometry(parentWidget()->rect());
  }
  return QWidget::eventFilter(watched, event);
}

void CirkelShape::paintEvent(QPaintEvent*) {
  const QRectF box = boksPx();
  if (box.width() <= 0 || box.height() <= 0) return;

  // The largest circle that fits centred in the box.
  const double side = std::min(box.width(), box.height());
  QRectF circle(0, 0, side, side);
  circle.moveCenter(box.center());

  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(kKant);
  pen.setWidthF(1.0);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.setBrush(kFyld);
  // The outline lies inside the box, like a one-pixel inside-solid border.
  painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace vesparo

#include "ui/platform/hyperlink_label.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace vesparo {

HyperlinkLabel::HyperlinkLabel(QWidget* parent) : QWidget(parent), fontHot_(font()) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
}

void HyperlinkLabel::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void HyperlinkLabel::setCaptionHot(const QString& caption) {
  captionHot_ = caption;
  update();
}

void HyperlinkLabel::setFontHot(const QFont& font) {
  fontHot_ = font;
  update();
}

void HyperlinkLabel::setHot(bool hot) {
  if (hot_ == hot) return;
  hot_ = hot;
  update();
}

void HyperlinkLabel::enterEvent(QEnterEvent*) { setHot(true); }

void HyperlinkLabel::leaveEvent(QEvent*) {
  setHot(false);
  trykket_ = false;
}

void HyperlinkLabel::mousePressEvent(QMouseEvent* event) {
  trykket_ = event->button() == Qt::LeftButton;
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a press and a release of the left button on the label, as with a button:
  // sliding off before releasing cancels it.
  const bool klik = trykket_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  trykket_ = false;
  if (!klik) return;
  emit clicked();
  if (!url_.isEmpty()) QDesktopServices::openUrl(QUrl(url_));
}

void HyperlinkLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Link blue at rest; while the pointer is over it the hot caption in the hot font and a
  // darker shade, so that the user sees that the text reacts.
  const QColor farve = hot_ ? palette().color(QPalette::LinkVisited) : palette().color(QPalette::Link);
  painter.setPen(farve);
  painter.setFont(hot_ ? fontHot_ : font());
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shownText());
}

}  // namespace vesparo

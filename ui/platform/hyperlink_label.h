// A link on a window: shows its caption in its font, and its hot caption in its hot font
// while the mouse pointer is over it, with a pointing-hand pointer; a click hands its url
// to the desktop's handler for that kind of address (the web browser for https:, the mail
// program for mailto:). The window itself handles none of its events.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

namespace vesparo {

class HyperlinkLabel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString caption READ caption WRITE setCaption)
  Q_PROPERTY(QString captionhot READ captionHot WRITE setCaptionHot)
  Q_PROPERTY(QFont fonthot READ fontHot WRITE setFontHot)
  Q_PROPERTY(QString url READ url WRITE setUrl)

 public:
  explicit HyperlinkLabel(QWidget* parent = nullptr);

  QString caption() const { return caption_; }
  void setCaption(const QString& caption);
  QString captionHot() const { return captionHot_; }
  void setCaptionHot(const QString& caption);
  // The normal font is the widget's own font (setFont).
  QFont fontHot() const { return fontHot_; }
  void setFontHot(const QFont& font);
  QString url() const { return url_; }
  void setUrl(const QString& url) { url_ = url; }

  bool isHot() const { return hot_; }
  // What the label shows now.
  QString shownText() const { return hot_ ? captionHot_ : caption_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void setHot(bool hot);

  QString caption_;
  QString captionHot_;
  QFont fontHot_;
  QString url_;
  bool hot_ = false;
  bool trykket_ = false;
};

}  // namespace vesparo

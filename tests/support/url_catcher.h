// Stands in for the desktop's URL handler (QDesktopServices::setUrlHandler) so that a test
// can click a link and see which address it would have opened, without opening anything.
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace vesparo::test {

class UrlOpfanger : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> aabnet;

 public slots:
  void aabn(const QUrl& url) { aabnet << url; }
};

}  // namespace vesparo::test

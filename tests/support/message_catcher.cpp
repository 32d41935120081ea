#include "message_catcher.h"

#include <QAbstractButton>
#include <QApplication>

namespace vesparo::test {

MessageCatcher::MessageCatcher() {
  timer_.setInterval(5);
  connect(&timer_, &QTimer::timeout, this, &MessageCatcher::poll);
  timer_.start();
}

MessageCatcher::~MessageCatcher() { timer_.stop(); }

void MessageCatcher::poll() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(w);
    if (!box || !box->isVisible() || box->property("vesparoCaught").toBool()) continue;
    box->setProperty("vesparoCaught", true);
    messages_.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                         box->windowModality()});
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      ok->click();
    } else {
      box->close();
    }
  }
}

}  // namespace vesparo::test

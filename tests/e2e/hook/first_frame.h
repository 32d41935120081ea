// The moment a top-level window has shown its first frame, measured the same way for the
// program's main window and for the bare window it is compared with.
//
// First frame: the window's first expose event has been delivered. For a widget window Qt
// paints the exposed region and flushes the backing store while it delivers that event, so
// when control is back in the event loop the frame is on the screen (or, offscreen, in the
// platform's buffer). The watcher sees the event through an application-wide event filter,
// so it needs no access to the window before it is shown, and reports it from a zero-time
// timer, that is after the delivery.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace vesparo::automation {

class FirstFrameWatcher : public QObject {
 public:
  // onFrame(widget) runs once for the first top-level widget whose window is exposed and
  // whose objectName is name (any top-level widget when name is empty).
  FirstFrameWatcher(QObject* parent, QString name, std::function<void(QWidget*)> onFrame)
      : QObject(parent), name_(std::move(name)), onFrame_(std::move(onFrame)) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!done_ && event->type() == QEvent::Expose) {
      if (auto* window = qobject_cast<QWindow*>(watched); window && window->isExposed()) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
          if (w->windowHandle() == window && (name_.isEmpty() || w->objectName() == name_)) {
            done_ = true;
            QPointer<QWidget> widget(w);
            QTimer::singleShot(0, this, [this, widget] {
              qApp->removeEventFilter(this);
              if (widget) onFrame_(widget);
            });
            break;
          }
        }
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QString name_;
  std::function<void(QWidget*)> onFrame_;
  bool done_ = false;
};

}  // namespace vesparo::automation

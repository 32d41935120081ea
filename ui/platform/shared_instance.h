// Every window of the program is one shared instance of its class. Showing a window that
// is not loaded creates it (its constructor is its load step) and shows it; showing one
// that is open only brings it to the front; closing it destroys it, so that the next show
// creates it afresh.
#pragma once

#include <QPointer>
#include <QWidget>

namespace vesparo {

template <class W>
QPointer<W>& DeltInstans() {
  static QPointer<W> instance;
  return instance;
}

// The open instance of W, or nullptr when it is not loaded.
template <class W>
W* AabenInstans() {
  W* w = DeltInstans<W>().data();
  return (w && w->isVisible()) ? w : nullptr;
}

// make() creates the window; it is called only when no instance is open.
template <class W, class Make>
W* VisDeltInstans(Make make) {
  QPointer<W>& slot = DeltInstans<W>();
  if (slot && !slot->isVisible()) {
    // Closed, but its deferred deletion has not run yet: it counts as unloaded.
    slot->deleteLater();
    slot.clear();
  }
  if (!slot) {
    slot = make();
    slot->setAttribute(Qt::WA_DeleteOnClose);
    slot->show();
  } else {
    if (slot->isMinimized()) slot->showNormal();
    slot->raise();
    slot->activateWindow();
  }
  return slot.data();
}

}  // namespace vesparo

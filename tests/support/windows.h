// Small helpers for tests that open and close the program's windows.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace vesparo::test {

// A closed window is destroyed by a deferred delete; run those now.
inline void KoerUdskudteSletninger() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// How many windows of class W are open.
template <class W>
int AntalVinduer() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<W*>(w) && w->isVisible()) ++n;
  }
  return n;
}

}  // namespace vesparo::test

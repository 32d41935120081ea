// The windows are laid out in twips for a small dialog font (8 points at 96 dpi, about 11
// pixels). Qt's default font is larger and would clip the widest figures and captions, so
// every window of the program takes its font from here.
#pragma once

#include <QFont>

namespace vesparo {

// Liberation Sans has the metrics of Arial, close to the dialog font the layout was made
// for: "371.655.362,428" fits a result box and every caption fits its frame. Sizes are in
// pixels so that the layout, which is in pixels too, does not depend on the logical dpi.
inline QFont VinduesSkrift() {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(11);
  return f;
}

// The links' font, "7.8 points": a pixel smaller than the window's.
inline QFont LinkSkrift() {
  QFont f = VinduesSkrift();
  f.setPixelSize(10);
  return f;
}

}  // namespace vesparo

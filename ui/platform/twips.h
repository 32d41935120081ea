// Window geometry is designed in twips, 1440 to the inch; on screen 15 twips make one
// pixel. Edges are rounded separately so that neighbouring controls never gain or lose a
// pixel between them.
#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>

#include <cmath>

namespace vesparo {

inline constexpr double kTwipsPerPixel = 15.0;

inline int Px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

inline double PxF(double twips) { return twips / kTwipsPerPixel; }

inline double Twips(double pixels) { return pixels * kTwipsPerPixel; }

// A rectangle given as left, top, width, height in twips, in whole pixels.
inline QRect PxRect(double left, double top, double width, double height) {
  const int l = Px(left);
  const int t = Px(top);
  return QRect(l, t, Px(left + width) - l, Px(top + height) - t);
}

inline QSize PxSize(double width, double height) { return QSize(Px(width), Px(height)); }

}  // namespace vesparo

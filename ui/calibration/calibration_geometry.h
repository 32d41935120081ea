// Where the calibration dialog puts its circle and its scroll bar, as plain arithmetic on
// single-precision twips, so that the rules can be checked without a window.
//
// W and H are the dialog's outer width and height (frame, title bar and menu bar
// included); every result is relative to the top-left corner of the client area below the
// menu bar. The circle grows and shrinks about the fixed point (W / 2, W / 2 - 500): its top
// is derived from its left, not from the height. The bar is centred on the outer width and
// lies 1000 twips above the outer height.
#pragma once

namespace vesparo {

inline constexpr float kKalibreringBarHoejde = 255.0f;

inline float KalibreringCirkelLeft(float W, float cirkelWidth) {
  return W / 2.0f - cirkelWidth / 2.0f;
}

inline float KalibreringCirkelTop(float cirkelLeft) { return cirkelLeft - 500.0f; }

inline float KalibreringBarWidth(float W) { return W - 500.0f; }

inline float KalibreringBarTop(float H) { return H - 1000.0f; }

inline float KalibreringBarLeft(float W, float barWidth) { return W / 2.0f - barWidth / 2.0f; }

struct KalibreringsGeometri {
  float cirkelLeft;
  float cirkelTop;
  float cirkelWidth;
  float cirkelHeight;
  float barLeft;
  float barTop;
  float barWidth;
  float barHeight;
};

// The whole picture for a circle of the given diameter (the bar's position, in twips).
inline KalibreringsGeometri BeregnKalibreringsGeometri(float W, float H, float diameter) {
  KalibreringsGeometri g{};
  g.cirkelWidth = diameter;
  g.cirkelHeight = diameter;
  g.cirkelLeft = KalibreringCirkelLeft(W, g.cirkelWidth);
  g.cirkelTop = KalibreringCirkelTop(g.cirkelLeft);
  g.barWidth = KalibreringBarWidth(W);
  g.barTop = KalibreringBarTop(H);
  g.barLeft = KalibreringBarLeft(W, g.barWidth);
  g.barHeight = kKalibreringBarHoejde;
  return g;
}

}  // namespace vesparo

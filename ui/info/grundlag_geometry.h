// The basis window's load step: the window as large as the screen and the reference page
// across its full width at 3 : 2, its bottom edge 340 twips above the window's outer bottom
// edge. A pure function of the screen size so that it can be checked for any screen.
#pragma once

#include "ui/platform/screen.h"

namespace vesparo {

// All in twips. The window's size is its outer size, frame included; the page's position is
// relative to the client area (left 0). On a screen wider than about 3 : 2 the top is
// negative and the upper part of the page lies out of sight above the client area.
struct GrundlagGeometri {
  float vinduesBredde;
  float vinduesHoejde;
  float sideBredde;
  float sideHoejde;
  float sideTop;
};

// Each step takes the value the previous one stored; the quotient and the difference are
// formed in double and stored as single precision, as the controls keep them.
constexpr GrundlagGeometri BeregnGrundlagGeometri(SkaermTwips skaerm) {
  GrundlagGeometri g{};
  g.vinduesBredde = skaerm.bredde;
  g.vinduesHoejde = skaerm.hoejde;
  g.sideBredde = g.vinduesBredde;
  g.sideHoejde = static_cast<float>(static_cast<double>(g.sideBredde) / 1.5);
  g.sideTop = static_cast<float>(static_cast<double>(g.vinduesHoejde) -
                                 (static_cast<double>(g.sideHoejde) + 340.0));
  return g;
}

}  // namespace vesparo

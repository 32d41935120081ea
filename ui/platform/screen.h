// The screen's size in twips (15 per pixel). Every window reads it through this one
// function, so that tests can stand in another screen.
#pragma once

#include <QSizeF>

#include <optional>

namespace vesparo {

// Width and height of the primary screen in twips, as single-precision numbers.
struct SkaermTwips {
  float bredde;
  float hoejde;
};

SkaermTwips SkaermStoerrelseTwips();

// Tests only: a screen of this size instead of the real one; nullopt restores the real one.
void SaetSkaermForTest(std::optional<SkaermTwips> skaerm);

}  // namespace vesparo

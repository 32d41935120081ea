#include "ui/platform/system_colours.h"

namespace vesparo {

QPalette::ColorRole PaletteRolle(SystemFarve farve) {
  switch (farve) {
    case SystemFarve::Vinduesbaggrund: return QPalette::Base;
    case SystemFarve::Vinduestekst: return QPalette::Text;
    case SystemFarve::AktivTitelTekst: return QPalette::HighlightedText;
    case SystemFarve::AktivKant: return QPalette::Window;
    case SystemFarve::ProgramArbejdsflade: return QPalette::Mid;
    case SystemFarve::Knapflade: return QPalette::Button;
  }
  return QPalette::Window;
}

QColor Farve(SystemFarve farve, const QPalette& palette) {
  return palette.color(QPalette::Active, PaletteRolle(farve));
}

}  // namespace vesparo

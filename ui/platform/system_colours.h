// The system colours that the window designs name by index (&H800000nn&), mapped once to
// the palette roles of the user's colour scheme, so that the windows follow it.
#pragma once

#include <QColor>
#include <QPalette>

namespace vesparo {

enum class SystemFarve : int {
  Vinduesbaggrund = 5,      // window background: behind text boxes
  Vinduestekst = 8,         // window text
  AktivTitelTekst = 9,      // text of an active title bar: white in the usual schemes
  AktivKant = 10,           // active border: a light grey
  ProgramArbejdsflade = 12, // application workspace: a mid grey
  Knapflade = 15,           // button face: the background of windows, frames and labels
};

QPalette::ColorRole PaletteRolle(SystemFarve farve);
QColor Farve(SystemFarve farve, const QPalette& palette);

// A fixed colour written &H00BBGGRR&.
inline QColor FastFarve(unsigned bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace vesparo

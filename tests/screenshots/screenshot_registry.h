// The pictures that `make screenshots` takes. A window adds itself with one file
// shot_<name>.cpp in this folder (the CMake list picks it up) holding one line such as
//
//   static vesparo::skaermbilleder::Registrering kalibrering(
//       "calibration", [] { return vesparo::VisDialogKalibrering(vesparo::skaermbilleder::Hovedvindue()); });
//
// The function creates and shows the window and returns the widget to photograph; the
// program lets pending events run, grabs the widget's window into <name>.png and closes it
// again (the shared main window stays open for the next picture). A message box that
// opens meanwhile is closed with OK.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace vesparo {
class frmVesparoMain;
}

namespace vesparo::skaermbilleder {

using Lav = std::function<QWidget*()>;

struct Skaermbillede {
  QString navn;
  Lav lav;
};

std::vector<Skaermbillede>& Alle();

struct Registrering {
  Registrering(const char* navn, Lav lav) { Alle().push_back({QString::fromUtf8(navn), std::move(lav)}); }
};

// The main window in its restored state, created on first use, shown and active: the owner
// of the other windows.
frmVesparoMain* Hovedvindue();

}  // namespace vesparo::skaermbilleder

#include "tests/screenshots/screenshot_registry.h"
#include "ui/calibration/calibration.h"
#include "ui/main/frm_vesparo_main.h"

// The calibration dialog as it opens with nothing stored: the bar at 1000, a circle of
// 1000 twips.
static vesparo::skaermbilleder::Registrering kalibrering("calibration", [] {
  return vesparo::VisDialogKalibrering(vesparo::skaermbilleder::Hovedvindue());
});

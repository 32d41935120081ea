#include "tests/screenshots/screenshot_registry.h"
#include "ui/main/frm_vesparo_main.h"

// The main window in its restored state, at the start values.
static vesparo::skaermbilleder::Registrering hovedvindue("main", [] {
  return static_cast<QWidget*>(vesparo::skaermbilleder::Hovedvindue());
});

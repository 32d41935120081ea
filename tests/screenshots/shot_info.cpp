#include "tests/screenshots/screenshot_registry.h"
#include "ui/info/frm_om.h"
#include "ui/info/info_windows.h"
#include "ui/main/frm_vesparo_main.h"
#include "ui/platform/shared_instance.h"

// The how-to window in its first size, and the basis window maximised on the screen.
static vesparo::skaermbilleder::Registrering saadan("info_saadan", [] {
  return vesparo::VisSaadan(vesparo::skaermbilleder::Hovedvindue());
});

static vesparo::skaermbilleder::Registrering grundlag("info_grundlag", [] {
  return vesparo::VisGrundlag(vesparo::skaermbilleder::Hovedvindue());
});

// The About window shown modal as VisOm shows it, but without its blocking loop, so that
// the picture can be taken while it is open.
static vesparo::skaermbilleder::Registrering om("info_om", [] {
  return static_cast<QWidget*>(vesparo::VisDeltInstans<vesparo::frmOm>(
      [] { return new vesparo::frmOm(vesparo::skaermbilleder::Hovedvindue()); }));
});

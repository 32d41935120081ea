#include "ui/main/frm_vesparo_main.h"
#include "ui/platform/application.h"

// The program is its main window: everything else is opened from its menu.
int main(int argc, char* argv[]) {
  vesparo::VesparoApplication app(argc, argv);
  vesparo::frmVesparoMain* window = nullptr;
  const int rc = app.koer([&] {
    window = new vesparo::frmVesparoMain;
    window->showMaximized();
  });
  delete window;
  return rc;
}

#include "tests/screenshots/screenshot_registry.h"
#include "ui/main/frm_vesparo_main.h"

#include <QScrollBar>

// The main window in its restored state, at the start values.
static vesparo::skaermbilleder::Registrering hovedvindue("main", [] {
  return static_cast<QWidget*>(vesparo::skaermbilleder::Hovedvindue());
});

// A window of its own at the largest positions: the widest figures must fit their boxes.
static vesparo::skaermbilleder::Registrering stoerst("main-largest", [] {
  auto* w = new vesparo::frmVesparoMain;
  w->setAttribute(Qt::WA_DeleteOnClose);
  w->show();
  w->findChild<QScrollBar*>(QStringLiteral("HScrollØ"))->setValue(1000);
  w->findChild<QScrollBar*>(QStringLiteral("HScrollBar"))->setValue(100);
  w->findChild<QScrollBar*>(QStringLiteral("HScrollKubikPris"))->setValue(5000);
  return static_cast<QWidget*>(w);
});

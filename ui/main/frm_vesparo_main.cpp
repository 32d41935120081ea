#include "ui/main/frm_vesparo_main.h"

namespace vesparo {

frmVesparoMain::frmVesparoMain(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("QN-Vesparo"));
}

}  // namespace vesparo

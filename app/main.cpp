#include "ui/main/frm_vesparo_main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  vesparo::frmVesparoMain window;
  window.showMaximized();
  return app.exec();
}

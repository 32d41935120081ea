// The start-up window: three sliders, sixteen result fields, the hole drawn at real size,
// the status bar, the maker's links and the menus.
#pragma once

#include <QMainWindow>

namespace vesparo {

class frmVesparoMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmVesparoMain(QWidget* parent = nullptr);
};

}  // namespace vesparo

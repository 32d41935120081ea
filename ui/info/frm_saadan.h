// The how-to window: why the leak hole may be drawn at the wrong size, and how the scroll
// bars are worked, in a small table of pictograms and short texts. Modeless and owned by
// the main window; its one button closes it. Nothing moves or resizes with the window.
#pragma once

#include <QWidget>

class QPushButton;

namespace vesparo {

class frmSaadan : public QWidget {
  Q_OBJECT

 public:
  // Client area 9480 x 3372 twips, centred on the screen.
  explicit frmSaadan(QWidget* owner);

  QPushButton* Command2() const { return command2_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool centreret_ = false;
  QPushButton* command2_ = nullptr;
};

}  // namespace vesparo

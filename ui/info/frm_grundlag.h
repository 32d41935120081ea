// The basis window: the reference page that derives the outflow formula, and a note with
// the K-factor that the program really uses. Modeless and owned by the main window; opened
// maximised with a fixed border; its one button closes it.
#pragma once

#include "ui/info/grundlag_geometry.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace vesparo {

class frmGrundlag : public QWidget {
  Q_OBJECT

 public:
  // The load step sizes the window and the page from the screen size (screen.h).
  explicit frmGrundlag(QWidget* owner);

  // The geometry of the last load, in twips.
  const GrundlagGeometri& Geometri() const { return geometri_; }
  QPushButton* Command1() const { return command1_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  GrundlagGeometri geometri_{};
  QPushButton* command1_ = nullptr;
  bool laast_ = false;
};

}  // namespace vesparo

// Entry point of the calibration dialog for its owner, the main window.
#pragma once

class QWidget;

namespace vesparo {

// Shows DialogKalibrering modeless and owned by owner: creates it and runs its load step
// when it is not loaded, otherwise brings it to the front. Returns the dialog.
QWidget* VisDialogKalibrering(QWidget* owner);

}  // namespace vesparo

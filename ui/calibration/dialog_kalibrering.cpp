#include "ui/calibration/calibration.h"

namespace vesparo {

QWidget* VisDialogKalibrering(QWidget*) { return nullptr; }  // the dialog lands later

}  // namespace vesparo

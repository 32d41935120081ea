#include "ui/info/system_info_launcher.h"

namespace vesparo {

void StartSysInfo(QWidget*) {}  // the launcher lands later

}  // namespace vesparo

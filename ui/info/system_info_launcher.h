// The About window's "&System Info..." button: starts the operating system's
// system-information tool, or tells the user that none is available.
#pragma once

class QWidget;

namespace vesparo {

// owner: the window over which a failure message is shown (the About window).
void StartSysInfo(QWidget* owner);

}  // namespace vesparo

// The compiled-in pictures (icons, logo, reference page). Call InitResources() before the
// first use of a ":/" path; it is cheap to call again.
#pragma once

namespace vesparo {
void InitResources();
}

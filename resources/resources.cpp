#include "resources/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitAlle() {
  Q_INIT_RESOURCE(main);
  Q_INIT_RESOURCE(calibration);
  Q_INIT_RESOURCE(info);
}

void vesparo::InitResources() {
  static const bool done = (InitAlle(), true);
  (void)done;
}

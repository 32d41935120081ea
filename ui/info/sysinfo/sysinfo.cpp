#include "ui/info/sysinfo/sysinfo.h"

#pragma once
// The chart windows of the report window, as the program has them.
#include "reports/ui/ReportCompanions.h"

namespace tessamo {

ReportCompanions ReportCompanionWindows();

}  // namespace tessamo

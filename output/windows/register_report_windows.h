#pragma once
// Start-up of the report output's windows: the preview class, the print
// setup dialog and the progress window become the ones the report opens,
// and the application's error box and message box the ones they use.

#include "output/windows/report_window_hooks.h"

namespace zel {

void RegisterReportWindows(TReportWindowHooks hooks);

} // namespace zel

#pragma once
// The report's print setup: the print dialog offered with the report's
// printer, copies, orientation and, after a finished preview, its pages;
// the answer goes back to the report for its next print. The preview is
// not made again.

#include "output/report_window_classes.h"
#include "output/windows/print_dialog.h"

#include <optional>

namespace zel {

// Sets the dialog and its printer up for the request.
void PreparePrintSetup(TQRPrintDialog& dialog, const TQRPrintSetupRequest& request);
// The settings a confirmed dialog gives the report; all pages are 0 to 0.
TQRPrintSetupAnswer PrintSetupAnswer(const TQRPrintDialog& dialog);

// The whole exchange on the application's printer; nothing when cancelled.
std::optional<TQRPrintSetupAnswer> RunQRPrintSetup(const TQRPrintSetupRequest& request);

} // namespace zel

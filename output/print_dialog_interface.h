#pragma once
// How the report asks for print settings without depending on a window:
// window code registers a print dialog class at start-up, and the report's
// print setup makes one through it. Without one registered, the dialog is
// cancelled at once and nothing changes.

#include "report/paper_sizes.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace zel {

enum class TPrintRange : std::uint8_t { prAllPages, prSelection, prPageNums };

// What the dialog opens with.
struct TQRPrintSetupRequest {
    int PrinterIndex = -1; // -1 is the default printer
    int MinPage = 0;
    int MaxPage = 9999;
    int FromPage = 0;
    int ToPage = 0;
    TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
    int Copies = 1;
};

// What a confirmed dialog chose. Copies is already the printer's own count
// when the dialog returned 1.
struct TQRPrintSetupAnswer {
    int PrinterIndex = -1;
    TPrintRange PrintRange = TPrintRange::prAllPages;
    int FromPage = 0;
    int ToPage = 0;
    TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
    int Copies = 1;
};

// The base class confirms nothing; the standard print dialog derives from it.
class TQRPrintDialogInterface {
public:
    virtual ~TQRPrintDialogInterface() = default;
    // Shows the dialog modally; true when confirmed, `answer` then filled.
    virtual bool Execute(const TQRPrintSetupRequest& request, TQRPrintSetupAnswer& answer);
};

using TQRPrintDialogClass = std::function<std::unique_ptr<TQRPrintDialogInterface>()>;

// The class print dialogs are made from from now on; an empty one brings
// back the base class.
void SetQRPrintDialogClass(TQRPrintDialogClass dialogClass);
std::unique_ptr<TQRPrintDialogInterface> CreateQRPrintDialog();

} // namespace zel

#pragma once
// How the report opens its print-setup dialog and its progress window
// without depending on a window: window code registers both at start-up,
// as it registers the preview class. Nothing registered means no dialog
// (print setup answers "cancelled") and no progress window.

#include "output/bins.h"
#include "page/paper_table.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zel {

class TQRPrinter;
class TQRPrinterClient;

// What the report offers in its print-setup dialog.
struct TQRPrintSetupRequest {
    int PrinterIndex = -1; // -1 is the default printer
    int Copies = 1;
    TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
    // Pages of a finished preview, offered as the page range; 0 when the
    // preview is still being made or there is none.
    int FinishedPageCount = 0;
    bool Collate = false;
    TQRBin OutputBin = TQRBin::Auto;
};

// The operator's choices when the dialog was confirmed.
struct TQRPrintSetupAnswer {
    int PrinterIndex = -1;
    int Copies = 1;
    TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
    // 0 and 0 for all pages.
    int FirstPage = 0;
    int LastPage = 0;
    // Copies as whole sets; the tray the paper comes from.
    bool Collate = false;
    TQRBin OutputBin = TQRBin::Auto;
    bool operator==(const TQRPrintSetupAnswer&) const = default;
};

using TQRPrintSetupDialog =
    std::function<std::optional<TQRPrintSetupAnswer>(const TQRPrintSetupRequest&)>;
void SetQRPrintSetupDialog(TQRPrintSetupDialog dialog);
// Nothing when the operator cancelled or no dialog is registered.
std::optional<TQRPrintSetupAnswer> ExecuteQRPrintSetup(const TQRPrintSetupRequest& request);

// The window that follows a print run: made the report printer's client,
// shown only when the report wants it, released after the run.
class TQRProgressWindow {
public:
    virtual ~TQRProgressWindow() = default;
    virtual TQRPrinterClient& Client() = 0;
    virtual void Show() = 0;
};

// What the report output tells the operator without it being an error (a
// job waiting on a paused printer); nothing until a window registers it.
using TQRNotice = std::function<void(const std::string& text)>;
void SetQRNotice(TQRNotice notice);
void ShowQRNotice(const std::string& text);

// A warning the operator may answer by going on (true) or stopping: a
// printer without the report's paper. Nothing registered stops: no one
// was told.
using TQRGoOnQuestion = std::function<bool(const std::string& text)>;
void SetQRGoOnQuestion(TQRGoOnQuestion question);
bool AskQRGoOn(const std::string& text);

using TQRProgressWindowClass = std::function<std::unique_ptr<TQRProgressWindow>(TQRPrinter&)>;
void SetQRProgressWindowClass(TQRProgressWindowClass windowClass);
// Nothing when no class is registered.
std::unique_ptr<TQRProgressWindow> CreateQRProgressWindow(TQRPrinter& printer);

} // namespace zel

// The classes through which the report opens its print dialog and its
// progress window, as the window code registers them.

#include "output/print_dialog_interface.h"
#include "output/progress_interface.h"

namespace zel {
namespace {

TQRPrintDialogClass& PrintDialogClass() {
    static TQRPrintDialogClass dialogClass;
    return dialogClass;
}

TQRProgressWindowClass& ProgressWindowClass() {
    static TQRProgressWindowClass windowClass;
    return windowClass;
}

} // namespace

bool TQRPrintDialogInterface::Execute(const TQRPrintSetupRequest&, TQRPrintSetupAnswer&) {
    return false;
}

void SetQRPrintDialogClass(TQRPrintDialogClass dialogClass) {
    PrintDialogClass() = std::move(dialogClass);
}

std::unique_ptr<TQRPrintDialogInterface> CreateQRPrintDialog() {
    if (const TQRPrintDialogClass& dialogClass = PrintDialogClass())
        if (auto dialog = dialogClass())
            return dialog;
    return std::make_unique<TQRPrintDialogInterface>();
}

void SetQRProgressWindowClass(TQRProgressWindowClass windowClass) {
    ProgressWindowClass() = std::move(windowClass);
}

std::unique_ptr<TQRProgressWindow> CreateQRProgressWindow(TQRPrinter& printer) {
    if (const TQRProgressWindowClass& windowClass = ProgressWindowClass())
        if (auto window = windowClass(printer))
            return window;
    return std::make_unique<TQRProgressWindow>(printer);
}

} // namespace zel

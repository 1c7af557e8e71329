#include "output/windows/register_report_windows.h"

#include "output/preview_interface.h"
#include "output/report_window_classes.h"
#include "output/windows/print_setup.h"
#include "output/windows/progress_form.h"
#include "output/windows/report_window_hooks.h"
#include "output/windows/standard_preview.h"

namespace zel {

void RegisterReportWindows(TReportWindowHooks hooks) {
    SetReportWindowHooks(std::move(hooks));
    SetQRNotice(&ShowReportWindowMessage);
    SetQRGoOnQuestion(&AskReportWindowGoOn);
    SetQRPreviewInterfaceClass([] { return std::make_unique<TQRStandardPreviewInterface>(); });
    SetQRPrintSetupDialog(&RunQRPrintSetup);
    SetQRProgressWindowClass([](TQRPrinter& printer) {
        auto window = std::make_unique<TQRProgressForm>();
        window->SetQRPrinter(&printer);
        return window;
    });
}

} // namespace zel

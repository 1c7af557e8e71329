#include "output/windows/print_setup.h"

#include "output/bins.h"

namespace zel {

void PreparePrintSetup(TQRPrintDialog& dialog, const TQRPrintSetupRequest& request) {
    platform::TPrinter& printer = dialog.Printer();
    // Whatever an earlier setup chose is forgotten: the report's own
    // settings are what the dialog starts from.
    printer.ResetDeviceSettings();
    printer.SetPrinterIndex(request.PrinterIndex);
    dialog.SetMinPage(0);
    dialog.SetMaxPage(9999);
    if (request.FinishedPageCount > 0) {
        dialog.SetMinPage(1);
        dialog.SetMaxPage(request.FinishedPageCount);
        dialog.SetFromPage(1);
        dialog.SetToPage(request.FinishedPageCount);
    }
    dialog.SetOptions(poPageNums | poWarning);
    platform::TDeviceSettings settings = printer.DeviceSettings();
    settings.Orientation = request.Orientation == TPrinterOrientation::poLandscape
                               ? platform::kOrientationLandscape
                               : platform::kOrientationPortrait;
    settings.DefaultSource = BinCode(request.OutputBin);
    printer.SetDeviceSettings(settings);
    dialog.SetCopies(request.Copies);
    dialog.SetCollate(request.Collate);
}

TQRPrintSetupAnswer PrintSetupAnswer(const TQRPrintDialog& dialog) {
    TQRPrintSetupAnswer answer;
    answer.Copies = dialog.Copies();
    answer.Collate = dialog.Collate();
    answer.OutputBin = BinOfCode(dialog.Printer().DeviceSettings().DefaultSource);
    answer.PrinterIndex = dialog.Printer().PrinterIndex();
    answer.Orientation =
        dialog.Printer().DeviceSettings().Orientation == platform::kOrientationLandscape
            ? TPrinterOrientation::poLandscape
            : TPrinterOrientation::poPortrait;
    if (dialog.PrintRange() == TPrintRange::prPageNums) {
        answer.FirstPage = dialog.FromPage();
        answer.LastPage = dialog.ToPage();
    }
    return answer;
}

std::optional<TQRPrintSetupAnswer> RunQRPrintSetup(const TQRPrintSetupRequest& request) {
    TQRPrintDialog dialog;
    PreparePrintSetup(dialog, request);
    if (!dialog.Execute())
        return std::nullopt;
    return PrintSetupAnswer(dialog);
}

} // namespace zel

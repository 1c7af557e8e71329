#pragma once
// TPagettaRep: a report that generates itself. It asks its controller for
// records, prints title, headers, detail, groups, footers and summary down
// the columns of a page and across pages, into a report printer that either
// records the pages for the preview or sends them to the printer. Preview
// and Print start a run; the preview's commands come back as the printer's
// master calls.

#include "framework/notify_event.h"
#include "framework/small_set.h"
#include "output/report_printer.h"
#include "output/report_printer_client.h"
#include "output/report_printer_settings.h"
#include "platform/notifications.h"
#include "report/controls/custom_report.h"
#include "report/expressions/evaluator_environment.h"
#include "report/run/controller.h"
#include "report/run/report_values.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zel {

enum class TQRReportOption : std::uint8_t { FirstPageHeader, LastPageFooter, Compression };

// A set of report options.
using TQRReportOptions = TSmallSet<TQRReportOption, std::uint8_t>;

class TPagettaRep : public TCustomPagettaRep, public TQRPrinterMaster {
public:
    using TQROnNeedDataEvent = TQRController::TQROnNeedDataEvent;
    using TQRReportBeforePrintEvent =
        std::function<void(TCustomPagettaRep& sender, bool& printReport)>;

    TPagettaRep();
    ~TPagettaRep() override;

    // Generates the report into a new report printer whose pages the preview
    // shows, then waits until the preview has closed. When no preview window
    // opens (none registered, or an OnPreview that shows none), it returns
    // right after the run and the pages stay readable through QRPrinter()
    // until the next Preview or Print, or until the report goes.
    void Preview();
    // Generates the report into a new report printer that prints, with a
    // progress window. Raises EPrinter when no printer is installed: a
    // print that silently does nothing leaves the operator waiting.
    void Print();
    // The run itself; nothing while a run is in progress.
    void GenerateReport();
    // Asks the print dialog for printer, copies, orientation and page range
    // for the next print; Tag becomes 0 when confirmed, 1 when cancelled.
    // Raises EPrinter when no printer is installed. Refused, with a word to
    // the operator, while a run is going.
    void PrintSetup();
    // Stops a run at the next record; nothing between runs.
    void Cancel();

    // The report printer of the current run, or of the preview open last;
    // none otherwise.
    TQRPrinter* QRPrinter() const { return m_QRPrinter; }

    TQRReportOptions Options() const { return m_Options; }
    void SetOptions(TQRReportOptions options) { m_Options = options; }
    bool PrintIfEmpty() const { return m_Controller.PrintIfEmpty(); }
    void SetPrintIfEmpty(bool print) { m_Controller.SetPrintIfEmpty(print); }
    bool ShowProgress() const { return m_ShowProgress; }
    void SetShowProgress(bool show) { m_ShowProgress = show; }
    const std::string& ReportTitle() const { return m_ReportTitle; }
    void SetReportTitle(const std::string& title) { m_ReportTitle = title; }
    TQRNavigableDataSet* DataSet() const { return m_Controller.DataSet(); }
    void SetDataSet(TQRNavigableDataSet* dataSet) { m_Controller.SetDataSet(dataSet); }
    TQREvEnvironment& Functions() { return m_Functions; }
    TPagettaRepPrinterSettings& PrinterSettings() { return m_PrinterSettings; }
    int Tag() const { return m_Tag; }
    void SetTag(int tag) { m_Tag = tag; }
    TQRController& Controller() { return m_Controller; }

    // Whether a band of that type exists; true makes one, false frees it.
    bool HasBand(TQRBandType type) const { return FindBand(type) != nullptr; }
    void SetHasBand(TQRBandType type, bool has);

    TQRReportBeforePrintEvent BeforePrint;
    TQROnNeedDataEvent OnNeedData;
    TNotifyEvent<TCustomPagettaRep> OnStartPage;
    TNotifyEvent<TCustomPagettaRep> OnEndPage;
    TNotifyEvent<TQRComponent> AfterPrint;
    TNotifyEvent<TQRComponent> AfterPreview;
    TNotifyEvent<TQRPrinter> OnPreview;

    // Run state.
    bool Cancelled() const { return m_Cancelled; }
    bool FinalPage() const { return m_FinalPage; }
    int CurrentColumn() const { return m_CurrentColumn; }
    int ColumnTop() const { return m_ColumnTop; }
    long double FooterSpace() const { return m_FooterSpace; }
    bool HeaderJustPrinted() const { return m_HeaderJustPrinted; }
    void SetHeaderJustPrinted(bool printed) { m_HeaderJustPrinted = printed; }

    // Layout operations.
    int SpaceLeft() const override;
    void NewColumn() override;
    void EnsureSpace(TQRCustomBand& band) override;
    void BreakToNewPage() override;
    void BreakToNewColumn() override;
    void OutputBand(TQRCustomBand* band) override;
    void NewPage();
    void EndPage();

    // The preview's print command prints.
    void PrintRequested() override;
    // Releases the printer of the preview that closed, or cancels the run
    // still filling it.
    void PreviewClosed(TQRPrinter& printer) override;

private:
    struct TPrinterEntry;

    // A fresh report printer with the report's hooks.
    std::unique_ptr<TQRPrinter> CreateReportPrinter();
    // Makes `printer` the one bands print through (none clears it).
    void UsePrinter(TQRPrinter* printer);
    bool OwnsPreviewPrinter(const TQRPrinter* printer) const;
    void ReleasePreviewPrinter(TQRPrinter* printer);
    // Printers of earlier previews that never showed a window.
    void ReleaseUnshownPreviewPrinters();
    // Lets every Preview waiting for its window look again.
    void WakePreviewWaits();
    void PrintSetupFor(TQRPrinter* printer);
    void HandToPrinter();
    void RunBody();
    void PrepareRun();
    void UnprepareRun();
    void CheckMargins();
    // The paper's extent from top to bottom as the report printer lays it.
    long double PaperLengthForLayout() const;
    long double ComputeFooterSpace() const;
    // The band being placed has been placed: its controller's expressions
    // take the record into account now, so that a page footer printed
    // while placing it does not count it.
    void PlacementDone();

    TQRController m_Controller;
    TQREvEnvironment m_Functions;
    TQRReportValues m_ReportValues;
    TPagettaRepPrinterSettings m_PrinterSettings;
    TQRReportOptions m_Options{TQRReportOption::FirstPageHeader, TQRReportOption::LastPageFooter};
    bool m_ShowProgress = true;
    std::string m_ReportTitle;
    int m_Tag = 0;

    // Printers of previews still open, each freed when its own preview
    // closes; m_QRPrinter is one of them, or the printer of a print run.
    std::vector<std::unique_ptr<TQRPrinter>> m_PreviewPrinters;
    TQRPrinter* m_QRPrinter = nullptr;
    std::unique_ptr<TQRPrintSurface> m_Surface;
    // The waits of the Preview calls whose windows are open, innermost last.
    std::vector<platform::TMessageLoop*> m_PreviewWaits;

    bool m_Cancelled = false;
    bool m_FinalPage = false;
    int m_CurrentColumn = 1;
    int m_ColumnTop = 0;
    long double m_FooterSpace = 0;
    bool m_HeaderJustPrinted = false;
    bool m_ColumnRequestSeen = false;
    TQRUnit m_SavedUnits = TQRUnit::MM;
    bool m_RunPrepared = false;
    TQRController* m_PendingUpdate = nullptr;
};

} // namespace zel

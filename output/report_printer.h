#pragma once
// TQRPrinter: the object one run of report generation produces its pages
// through. With destination Metafile every page is recorded into the page
// store, where the preview finds it while later pages are still being
// drawn; with destination Printer the pages inside the page range go
// straight to the printer. It also plays recorded pages back to the
// printer, loads and saves saved-report files, and tells its client window
// about progress and new pages with posted calls.
//
// Lengths given to it are tenths of a millimetre from the paper's top-left
// corner; XPos/YPos turn them into pixels of the page being drawn.

#include "framework/notify_event.h"
#include "output/metafile.h"
#include "output/page_list.h"
#include "output/page_stream.h"
#include "output/printer_settings.h"
#include "output/report_printer_client.h"
#include "page/paper_extent.h"
#include "page/paper_table.h"
#include "platform/printers.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zel {

class TQRPreviewForm;

enum class TQRPrinterDestination : std::uint8_t { Metafile = 0, Printer = 1 };
enum class TQRPrinterStatus : std::uint8_t { Ready = 0, Busy = 1, Finished = 2 };

class TQRPrinter {
public:
    // On the system's default printer, when one is installed.
    TQRPrinter();
    ~TQRPrinter();
    TQRPrinter(const TQRPrinter&) = delete;
    TQRPrinter& operator=(const TQRPrinter&) = delete;

    // A document: BeginDoc, NewPage before every page, EndDoc (or Abort).
    // Raises EQRError when called out of order.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    // Only raises the flag; whoever produces pages looks at it.
    void Cancel() { m_Cancelled = true; }
    // Back to Ready with an empty page store.
    void Cleanup();

    // Tenths of a millimetre to pixels of the page being drawn, halves to
    // even. Positions are taken from the printable area's corner on a
    // printer, whose canvas starts there.
    int XPos(long double value) const;
    int YPos(long double value) const;
    int XSize(long double value) const;
    int YSize(long double value) const;
    long double XFactor() const { return m_XFactor; }
    long double YFactor() const { return m_YFactor; }

    // The paper of the settings, tenths of a millimetre.
    int PaperWidth() const;
    int PaperLength() const;

    // Whether the page being begun lies inside FirstPage ... LastPage.
    bool ShouldPrintPage() const;

    // Page n as recorded; nothing before a document, outside 1 ...
    // PageCount, or while the page is still being drawn.
    std::unique_ptr<TMetafile> GetPage(int pageNumber);

    // Opens the preview on this report printer: OnPreview when set,
    // otherwise the registered preview class. Returns at once.
    void Preview();
    // The preview's print command: pages a report made are made again by
    // the report for the printer; pages of a file are played back.
    void Print();
    // Replaces the pages by those of a saved report, which give the paper
    // size and orientation too. A file that cannot be read changes nothing.
    void Load(const std::string& fileName);
    // As Load, on a saved report already open as a stream.
    // Ignored while a loaded file plays back to the printer.
    void LoadFromStream(std::shared_ptr<TQRStream> stream);
    void Save(const std::string& fileName);
    // Writes pages first ... last (0: the last page) of a finished document
    // as a PDF of the paper they were made for, calling `pageWritten` after
    // each. False when the range holds no page; a file that cannot be
    // written raises EFCreateError naming it and leaves nothing behind.
    bool SaveToPdf(const std::string& fileName, int firstPage = 1, int lastPage = 0,
                   const std::function<void(int pageNumber)>& pageWritten = {});

    // The preview control attaching (true) and detaching (false); detaching
    // cancels a run still going.
    void SetShowingPreview(bool showing);
    // The preview window closing: the master hears of it before this returns;
    // while a file plays back, the playback stops and the master hears of
    // it once the playback has let go of this printer.
    void NotifyPreviewClosed();

    void SetProgress(int percent);

    // Settings the report hands over before BeginDoc.
    int PrinterIndex() const;
    void SetPrinterIndex(int index);
    // A loaded file's pages give the paper size and orientation until a
    // setter is used, whether or not the device offers that paper.
    TQRPaperSize PaperSize() const;
    void SetPaperSize(TQRPaperSize size);
    void SetPaperWidth(int width);
    void SetPaperLength(int length);
    TPrinterOrientation Orientation() const;
    void SetOrientation(TPrinterOrientation orientation);
    int Copies() const { return m_PrinterSettings->Copies(); }
    void SetCopies(int copies) { m_PrinterSettings->SetCopies(copies); }
    TQRBin OutputBin() const { return m_PrinterSettings->OutputBin(); }
    void SetOutputBin(TQRBin bin) { m_PrinterSettings->SetOutputBin(bin); }
    bool Collate() const { return m_PrinterSettings->Collate(); }
    void SetCollate(bool collate) { m_PrinterSettings->SetCollate(collate); }
    bool Duplex() const { return m_PrinterSettings->Duplex(); }
    void SetDuplex(bool duplex) { m_PrinterSettings->SetDuplex(duplex); }
    bool Compression() const { return m_PageList->Compression(); }
    void SetCompression(bool compression) { m_PageList->SetCompression(compression); }

    int FirstPage() const { return m_FirstPage; }
    void SetFirstPage(int page) { m_FirstPage = page; }
    int LastPage() const { return m_LastPage; }
    void SetLastPage(int page) { m_LastPage = page; }
    const std::string& Title() const { return m_Title; }
    void SetTitle(const std::string& title) { m_Title = title; }
    TQRPrinterDestination Destination() const { return m_Destination; }
    void SetDestination(TQRPrinterDestination destination) { m_Destination = destination; }
    // Hears of progress and of new pages; may be none.
    TQRPrinterClient* Client() const { return m_Client; }
    void SetClient(TQRPrinterClient* client) { m_Client = client; }
    // The report: asked to print, told of the preview closing; may be none.
    TQRPrinterMaster* Master() const { return m_Master; }
    void SetMaster(TQRPrinterMaster* master) { m_Master = master; }

    TNotifyEvent<TQRPrinter> AfterPrint;
    TNotifyEvent<TQRPrinter> AfterPreview;
    TNotifyEvent<TQRPrinter> OnPreview;
    TNotifyEvent<TQRPrinter> OnPrintSetup;

    platform::TPrinter& DevicePrinter() { return *m_DevicePrinter; }
    TPrinterSettings& PrinterSettings() { return *m_PrinterSettings; }
    const std::shared_ptr<TQRStream>& Stream() const { return m_Stream; }
    TQRPageList& PageList() { return *m_PageList; }
    // The surface of the page being drawn; none between pages.
    platform::TCanvas* Canvas() const { return m_Canvas; }
    int AvailablePages() const { return m_AvailablePages; }
    bool Cancelled() const { return m_Cancelled; }
    int LeftOffset() const { return m_LeftOffset; }
    int TopOffset() const { return m_TopOffset; }
    int PageCount() const { return m_PageCount; }
    // A loaded file is going out to the printer; events run between pages.
    bool PlayingBack() const { return m_PlayingBack; }
    int PageNumber() const { return m_PageNumber; }
    bool PrinterOK() const { return m_PrinterOK; }
    int Progress() const { return m_Progress; }
    bool ShowingPreview() const { return m_ShowingPreview; }
    TQRPrinterStatus Status() const { return m_Status; }
    TQRPreviewForm* PreviewForm() const { return m_PreviewForm; }
    bool LoadedFromFile() const { return m_LoadedFromFile; }

private:
    void StartRecordedPage();
    void StartDevicePage();
    // Completes the recorded page and keeps it in the page store.
    void StoreRecordedPage();
    // Drops the page being recorded, stored or not.
    void ReleaseRecordedPage();
    void AnnouncePage();
    void UseScreenFactors();
    void UseDeviceFactors();
    void StartDeviceJob();
    void PlayBackPages();
    void EndPlayback();
    [[noreturn]] void RaisePrinterError() const;
    // A job handed to a stopped queue waits there: the operator is told.
    void TellIfPaused() const;
    // False when the device lacks the report's paper and the operator,
    // told so, chose not to print on the paper in force.
    bool OperatorTakesPaperInForce() const;
    // A recorded page's bytes; bad bytes of a saved report name its file.
    static TMetafile DecodePage(const std::string& bytes, const std::string& fileName);

    std::unique_ptr<platform::TPrinter> m_DevicePrinter;
    std::unique_ptr<TPrinterSettings> m_PrinterSettings;
    std::shared_ptr<TQRStream> m_Stream;
    int m_AvailablePages = 0;
    bool m_Cancelled = false;
    platform::TCanvas* m_Canvas = nullptr;
    TQRPrinterDestination m_Destination = TQRPrinterDestination::Metafile;
    int m_FirstPage = 0;
    int m_LastPage = 0;
    int m_LeftOffset = 0;
    TQRPrinterClient* m_Client = nullptr;
    TQRPrinterMaster* m_Master = nullptr;
    std::unique_ptr<TMetafile> m_CurrentPage;
    std::unique_ptr<TMetafileCanvas> m_PageCanvas;
    int m_PageCount = 0;
    int m_PageNumber = 0;
    bool m_PrinterOK = false;
    int m_Progress = 0;
    std::string m_Title;
    int m_TopOffset = 0;
    bool m_ShowingPreview = false;
    TQRPrinterStatus m_Status = TQRPrinterStatus::Ready;
    long double m_XFactor = 1.0L;
    long double m_YFactor = 1.0L;
    std::unique_ptr<TQRPageList> m_PageList;
    TQRPreviewForm* m_PreviewForm = nullptr;
    bool m_LoadedFromFile = false;
    // Print of a loaded file lets events run between pages: a second press
    // of Print, or the preview closing, arrives while pages go out.
    bool m_PlayingBack = false;
    bool m_ClosedWhilePlayingBack = false;
    std::string m_LoadedFileName;
    std::optional<TPageOfPaper> m_FilePaper;
};

} // namespace zel

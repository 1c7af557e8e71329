// The report printer's recorded pages written as a PDF: the same pages the
// preview shows and the printer gets, each stretched over the whole paper.

#include "framework/exceptions.h"
#include "framework/format.h"
#include "framework/messages.h"
#include "output/report_printer.h"
#include "page/paper_extent.h"
#include "platform/pdf_file.h"
#include "platform/screen.h"

#include <algorithm>

namespace zel {
namespace {

// The paper a page was recorded for, as it lies: the table's exact size
// when the page's extent matches a named paper, else the extent itself.
platform::TPaperMillimetres PaperOfRecordedPage(const TMetafile& page) {
    const long double pixelsPerInch = platform::ScreenPixelsPerInch();
    const std::optional<TPageOfPaper> paper =
        PaperOfPage(page.Width(), page.Height(), pixelsPerInch / 254.0L);
    if (paper) {
        if (const auto size = PaperDimensions(paper->PaperSize)) {
            if (paper->Orientation == TPrinterOrientation::poLandscape)
                return {size->Length, size->Width};
            return *size;
        }
    }
    return {page.Width() * 25.4L / pixelsPerInch, page.Height() * 25.4L / pixelsPerInch};
}

// A report without a title is named after its file: "tickets" for
// "/tmp/tickets.pdf".
std::string DocumentName(const std::string& fileName) {
    const std::size_t slash = fileName.find_last_of('/');
    std::string name = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    if (const std::size_t dot = name.find_last_of('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

} // namespace

bool TQRPrinter::SaveToPdf(const std::string& fileName, int firstPage, int lastPage,
                           const std::function<void(int)>& pageWritten) {
    if (m_Status != TQRPrinterStatus::Finished)
        return false;
    const int first = std::max(firstPage, 1);
    const int last = lastPage > 0 ? std::min(lastPage, m_PageCount) : m_PageCount;
    if (first > last)
        return false;
    const std::unique_ptr<TMetafile> firstOfRange = GetPage(first);
    if (!firstOfRange)
        return false;
    platform::TPdfFile pdf(fileName, PaperOfRecordedPage(*firstOfRange),
                           m_Title.empty() ? DocumentName(fileName) : m_Title);
    if (!pdf.Begin())
        throw EFCreateError(Fmt(msg::kFileCreateError, {fileName}));
    const platform::TSize paper = pdf.PageSize();
    for (int i = first; i <= last; ++i) {
        if (i > first && !pdf.NewPage())
            throw EFWriteError(Fmt(msg::kFileWriteError, {fileName}));
        const std::unique_ptr<TMetafile> page = i == first ? nullptr : GetPage(i);
        if (const TMetafile* shown = i == first ? firstOfRange.get() : page.get())
            shown->Draw(*pdf.Canvas(), {0, 0, paper.Width, paper.Height});
        if (pageWritten)
            pageWritten(i);
    }
    if (!pdf.Finish())
        throw EFWriteError(Fmt(msg::kFileWriteError, {fileName}));
    return true;
}

} // namespace zel

// A saved report loaded as the report printer's Load does, from memory,
// then every page played back. A file is either refused with the damaged-
// file or the invalid-page error, leaving the printer as it was, or it
// loads and each of its pages comes back as a page or one of those errors.

#include "output/report_printer.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/page_playback_check.h"

#include <string>

namespace {

// Pages beyond these are walked to, not all drawn: the walk is what a
// long file tests, and drawing each would slow the run down.
constexpr int kPagesDrawn = 8;

bool Loads(zel::TQRPrinter& printer, std::string bytes) {
    try {
        printer.LoadFromStream(zel::TQRStream::CreateFromBytes(std::move(bytes), "fuzz.qrp"));
        return true;
    } catch (const zel::EFileError&) {
    } catch (const zel::EInvalidGraphic&) {
    }
    return false;
}

// The page, or nothing when it is refused with a documented error.
std::unique_ptr<zel::TMetafile> Page(zel::TQRPrinter& printer, int number) {
    try {
        auto page = printer.GetPage(number);
        FUZZ_CHECK(page != nullptr, "a page inside the count is missing");
        return page;
    } catch (const zel::EFileError&) {
    } catch (const zel::EInvalidGraphic&) {
    }
    return nullptr;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    zel::fuzz::StartGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static zel::TQRPrinter printer;
    const int pagesBefore = printer.PageCount();
    if (!Loads(printer, std::string(reinterpret_cast<const char*>(data), size))) {
        FUZZ_CHECK(printer.PageCount() == pagesBefore, "a refused file changed the pages");
        return 0;
    }
    FUZZ_CHECK(printer.LoadedFromFile(), "a loaded file is not marked as one");
    FUZZ_CHECK(printer.Status() == zel::TQRPrinterStatus::Finished, "a loaded file is not done");
    const int count = printer.PageCount();
    FUZZ_CHECK(printer.GetPage(0) == nullptr && printer.GetPage(count + 1) == nullptr,
               "a page outside the count");
    for (int number = 1; number <= count; ++number) {
        const auto page = Page(printer, number);
        if (page && number <= kPagesDrawn)
            zel::fuzz::PlayOntoImage(page->Page());
    }
    // Back to front walks the chain by its back links.
    for (int number = count - 1; number >= 1; --number)
        Page(printer, number);
    return 0;
}

#pragma once
// Runs of the ticket report for tests: the print offsets written to the
// settings file of a fresh folder, the report run into the page store with
// no preview window, and the recorded pages read back. The report printer
// gets a device that offers B5, so the pages are B5 whatever printers the
// machine has.

#include "app/settings.h"
#include "app/ticket_report.h"
#include "output/report_printer.h"
#include "platform/cp932.h"
#include "tests/app/examinee_table.h"
#include "tests/output/report_printer_test_support.h"
#include "tests/support/temp_dir.h"

#include <string>
#include <vector>

namespace zel::test {

struct TPrintedText {
    int Page; // 1-based
    platform::TPoint At;
    std::string Text; // UTF-8
};

class TTicketRun {
public:
    TTicketRun() : report(examinees) {
        // No window: the pages stay in the report printer for the test.
        report.OnPreview = [this](TQRPrinter& printer) {
            printer.PrinterSettings().SetDevice(&device);
        };
    }

    void WriteOffsets(int left, int top, int space, int height) {
        const TIniFile settings = app::OpenSettings();
        settings.WriteString(app::kSectionMargin, app::kKeyLeft, std::to_string(left));
        settings.WriteString(app::kSectionMargin, app::kKeyTop, std::to_string(top));
        settings.WriteString(app::kSectionMargin, app::kKeySpace, std::to_string(space));
        settings.WriteString(app::kSectionMargin, app::kKeyHeight, std::to_string(height));
    }
    void AddExaminees(int count) {
        for (int i = 1; i <= count; ++i)
            examinees.Add({std::to_string(100000 + i), "受験者" + std::to_string(i), "本校"});
    }
    // What the print request does once a term has been chosen.
    void Print() {
        report.SchoolNameLabel->SetCaption(cp932::FromUtf8("ゼルマーク塾"));
        report.YearLabel->SetCaption("31");
        report.TermLabel->SetCaption(cp932::FromUtf8("夏期"));
        report.ApplyPrintOffsets();
        report.Preview();
    }

    int PageCount() const { return report.QRPrinter() ? report.QRPrinter()->PageCount() : 0; }
    std::vector<platform::TPageRecord> Records(int page) const {
        const auto metafile = report.QRPrinter()->GetPage(page);
        return metafile ? metafile->Page().Records() : std::vector<platform::TPageRecord>{};
    }
    template <class Record> std::vector<Record> All(int page) const {
        std::vector<Record> found;
        for (const auto& record : Records(page))
            if (const Record* r = std::get_if<Record>(&record))
                found.push_back(*r);
        return found;
    }
    // Every non-empty text of every page, in drawing order.
    std::vector<TPrintedText> Texts() const {
        std::vector<TPrintedText> texts;
        for (int page = 1; page <= PageCount(); ++page)
            for (const auto& text : All<platform::TTextOutRecord>(page))
                if (!text.Text.empty())
                    texts.push_back({page, text.At, cp932::ToUtf8(text.Text)});
        return texts;
    }
    std::vector<TPrintedText> TextsStartingWith(const std::string& prefixUtf8) const {
        std::vector<TPrintedText> found;
        for (const TPrintedText& text : Texts())
            if (text.Text.starts_with(prefixUtf8))
                found.push_back(text);
        return found;
    }

    TTempDir dir;
    TCurrentDirectory in{dir.Path()};
    TExamineeTable examinees;
    TAcceptingDevice device;
    app::TTicketReport report;
};

} // namespace zel::test

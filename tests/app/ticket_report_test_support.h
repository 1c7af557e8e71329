#pragma once
// Runs of the ticket report for tests: an examinee list, the report run into the page store with no
// preview window, on a device that offers B5 so the pages are B5 whatever printers the machine has,
// and the recorded pages read back.

#include "app/settings.h"
#include "app/ticket_report.h"
#include "app/ticket_report_offsets.h"
#include "output/report_printer.h"
#include "platform/cp932.h"
#include "tests/output/report_printer_test_support.h"
#include "tests/report/band_test_support.h"
#include "tests/support/temp_dir.h"

#include <string>
#include <vector>

namespace zel::test {

// Rows of UTF-8 cells, row 0 the caption row. RowCount can be made shorter
// than the rows kept, the way a grid keeps the rows of a longer paste.
class TExamineeTable : public app::TExamineeRows {
public:
    TExamineeTable() { rows.push_back({"受験番号", "氏名", "会場"}); }

    void Add(std::vector<std::string> cellsUtf8) { rows.push_back(std::move(cellsUtf8)); }

    int RowCount() const override {
        return shownRows >= 0 ? shownRows : static_cast<int>(rows.size());
    }
    std::string Cells(int col, int row) const override {
        if (row < 0 || row >= static_cast<int>(rows.size()) ||
            col >= static_cast<int>(rows[row].size()))
            return {};
        return cp932::FromUtf8(rows[row][col]);
    }

    std::vector<std::vector<std::string>> rows;
    int shownRows = -1; // -1: every row kept is shown
};

struct TPrintedText {
    int Page; // 1-based
    platform::TPoint At;
    std::string Text; // UTF-8
};

// What the last run of `report` recorded.
class TTicketPages {
public:
    explicit TTicketPages(app::TTicketReport& report) : m_Report(report) {
        // No window: the pages stay in the report printer for the test.
        report.OnPreview = [this](TQRPrinter& printer) {
            printer.PrinterSettings().SetDevice(&m_Device);
        };
    }

    int PageCount() const { return m_Report.QRPrinter() ? m_Report.QRPrinter()->PageCount() : 0; }
    std::vector<platform::TPageRecord> Records(int page) const {
        const auto metafile = m_Report.QRPrinter()->GetPage(page);
        return metafile ? metafile->Page().Records() : std::vector<platform::TPageRecord>{};
    }
    template <class Record> std::vector<Record> All(int page) const {
        return test::All<Record>(Records(page));
    }
    // Every non-empty text of every page, in drawing order.
    std::vector<TPrintedText> Texts(const std::string& prefixUtf8 = "") const {
        std::vector<TPrintedText> texts;
        for (int page = 1; page <= PageCount(); ++page)
            for (const auto& text : All<platform::TTextOutRecord>(page))
                if (!text.Text.empty() && cp932::ToUtf8(text.Text).starts_with(prefixUtf8))
                    texts.push_back({page, text.At, cp932::ToUtf8(text.Text)});
        return texts;
    }
    // The same texts joined with "|", for comparing a whole run at once.
    std::string Joined() const {
        std::string joined;
        for (const TPrintedText& text : Texts())
            joined += (joined.empty() ? "" : "|") + text.Text;
        return joined;
    }

private:
    app::TTicketReport& m_Report;
    TAcceptingDevice m_Device;
};

// The ticket report on an examinee table, in a fresh current folder.
class TTicketRun {
public:
    void WriteOffsets(const app::TPrintOffsets& offsets) {
        const TIniFile settings = app::OpenSettings();
        settings.WriteString(app::kSectionMargin, app::kKeyLeft, std::to_string(offsets.left));
        settings.WriteString(app::kSectionMargin, app::kKeyTop, std::to_string(offsets.top));
        settings.WriteString(app::kSectionMargin, app::kKeySpace, std::to_string(offsets.space));
        settings.WriteString(app::kSectionMargin, app::kKeyHeight, std::to_string(offsets.height));
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

    TTempDir dir;
    TCurrentDirectory in{dir.Path()};
    TExamineeTable examinees;
    app::TTicketReport report{examinees};
    TTicketPages pages{report};
};

} // namespace zel::test

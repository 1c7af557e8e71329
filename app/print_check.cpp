#include "app/print_check.h"

#include "framework/format.h"
#include "framework/messages.h"
#include "platform/cp932.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace zel::app {
namespace {

// The paste leaves an empty field as one blank: that is empty too.
bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += cp932::CharLength(text, pos))
        ++count;
    return count;
}

// 0x3F is never the second byte of a double-byte character, so any one
// found is a question mark of its own.
bool HasQuestionMark(std::string_view text) {
    return text.find('?') != std::string_view::npos;
}

// Venues repeat down a list, so each text is measured once.
class TWidthCache {
public:
    explicit TWidthCache(const std::function<int(std::string_view)>& measure)
        : m_Measure(measure) {}
    int Width(const std::string& text) {
        auto [it, inserted] = m_Widths.try_emplace(text, 0);
        if (inserted)
            it->second = m_Measure(text);
        return it->second;
    }

private:
    const std::function<int(std::string_view)>& m_Measure;
    std::unordered_map<std::string, int> m_Widths;
};

// Whether any text of a ticket at (x, y) falls outside the paper.
bool OffPaper(const TTicketSheet& sheet, long double x, long double y) {
    return std::any_of(sheet.Texts.begin(), sheet.Texts.end(), [&](const TTextBox& box) {
        return x + box.Left < 0 || y + box.Top < 0 || x + box.Left + box.Width > sheet.PageWidth ||
               y + box.Top + box.Height > sheet.PageLength;
    });
}

void CheckSheet(const TTicketSheet& sheet, int tickets, std::vector<TPrintFinding>& findings) {
    if (tickets <= 0 || sheet.Texts.empty())
        return;
    const long double usable = sheet.PageLength - sheet.TopMargin - sheet.BottomMargin;
    // A column holds at least one ticket, however tall the band. A band of
    // no height or less never runs out of room: the run puts every ticket
    // into the first column, each one at or above the one before.
    const int perColumn = sheet.RowPitch > 0
                              ? std::max(1, static_cast<int>(std::floor(usable / sheet.RowPitch)))
                              : tickets;
    const int rows = std::min(perColumn, tickets);
    const int columns = std::clamp((tickets + perColumn - 1) / perColumn, 1, sheet.Columns);
    const long double lastX = sheet.LeftMargin + (columns - 1) * sheet.ColumnStep;
    const long double lastY = sheet.TopMargin + (rows - 1) * sheet.RowPitch;
    // The corners of the block of tickets are enough: the rest lie between.
    if (OffPaper(sheet, sheet.LeftMargin, sheet.TopMargin) ||
        OffPaper(sheet, lastX, sheet.TopMargin) || OffPaper(sheet, sheet.LeftMargin, lastY) ||
        OffPaper(sheet, lastX, lastY))
        findings.push_back({0, TFindingKind::OffPaper});

    long double left = sheet.Texts[0].Left, right = left + sheet.Texts[0].Width;
    long double top = sheet.Texts[0].Top, bottom = top + sheet.Texts[0].Height;
    for (const TTextBox& box : sheet.Texts) {
        left = std::min(left, box.Left);
        right = std::max(right, box.Left + box.Width);
        top = std::min(top, box.Top);
        bottom = std::max(bottom, box.Top + box.Height);
    }
    if ((rows > 1 && std::fabs(sheet.RowPitch) < bottom - top) ||
        (columns > 1 && sheet.ColumnStep < right - left))
        findings.push_back({0, TFindingKind::TicketsOverlap});
}

const char* TextOf(TFindingKind kind) {
    switch (kind) {
    case TFindingKind::ExamNumberTooLong:
        return msg::kCheckExamNumberTooLong;
    case TFindingKind::NameTooWide:
        return msg::kCheckNameTooWide;
    case TFindingKind::VenueTooWide:
        return msg::kCheckVenueTooWide;
    case TFindingKind::SchoolTooWide:
        return msg::kCheckSchoolTooWide;
    case TFindingKind::YearTooWide:
        return msg::kCheckYearTooWide;
    case TFindingKind::QuestionMark:
        return msg::kCheckQuestionMark;
    case TFindingKind::EmptyRow:
        return msg::kCheckEmptyRow;
    case TFindingKind::NameMissing:
        return msg::kCheckNameMissing;
    case TFindingKind::VenueMissing:
        return msg::kCheckVenueMissing;
    case TFindingKind::OffPaper:
        return msg::kCheckOffPaper;
    case TFindingKind::TicketsOverlap:
        return msg::kCheckTicketsOverlap;
    }
    return "";
}

} // namespace

std::vector<TPrintFinding> CheckTickets(const TPrintCheckInput& input) {
    std::vector<TPrintFinding> findings;
    TWidthCache widths(input.LineWidth);
    const auto tooWide = [&](const std::string& text) {
        return !text.empty() && input.LineWidth && widths.Width(text) > input.LineLabelWidth;
    };
    if (tooWide(input.SchoolName))
        findings.push_back({0, TFindingKind::SchoolTooWide});
    if (!input.Year.empty() && input.YearWidth &&
        input.YearWidth(input.Year) > input.YearLabelWidth)
        findings.push_back({0, TFindingKind::YearTooWide});
    if (HasQuestionMark(input.SchoolName) || HasQuestionMark(input.Year))
        findings.push_back({0, TFindingKind::QuestionMark});

    const int rowCount = input.Rows ? input.Rows->RowCount() : 0;
    CheckSheet(input.Sheet, rowCount - 1, findings);
    // Empty rows wait until a row with an examinee shows they are inside
    // the list, not at its end.
    std::vector<int> emptyRows;
    for (int row = 1; row < rowCount; ++row) {
        const std::string number = input.Rows->Cells(0, row);
        const std::string name = input.Rows->Cells(1, row);
        const std::string venue = input.Rows->Cells(2, row);
        if (IsBlank(number) && IsBlank(name) && IsBlank(venue)) {
            emptyRows.push_back(row);
            continue;
        }
        for (const int empty : emptyRows)
            findings.push_back({empty, TFindingKind::EmptyRow});
        emptyRows.clear();
        if (CharacterCount(number) > static_cast<std::size_t>(input.ExamNumberBoxes))
            findings.push_back({row, TFindingKind::ExamNumberTooLong});
        // An examinee with a number but no name or venue: a cell that did
        // not arrive, most likely.
        if (!IsBlank(number) && IsBlank(name))
            findings.push_back({row, TFindingKind::NameMissing});
        if (!IsBlank(number) && IsBlank(venue))
            findings.push_back({row, TFindingKind::VenueMissing});
        if (tooWide(name))
            findings.push_back({row, TFindingKind::NameTooWide});
        if (tooWide(venue))
            findings.push_back({row, TFindingKind::VenueTooWide});
        if (HasQuestionMark(number) || HasQuestionMark(name) || HasQuestionMark(venue))
            findings.push_back({row, TFindingKind::QuestionMark});
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const TPrintFinding& a, const TPrintFinding& b) { return a.Row < b.Row; });
    return findings;
}

std::string FindingsText(const std::vector<TPrintFinding>& findings, std::size_t listed) {
    std::string text;
    const std::size_t shown = std::min(listed, findings.size());
    for (std::size_t i = 0; i < shown; ++i) {
        const TPrintFinding& finding = findings[i];
        if (finding.Row > 0)
            text += Fmt(msg::kRowNumber, {std::int64_t{finding.Row}}) + ": ";
        text += cp932::Sys(TextOf(finding.Kind)) + "\n";
    }
    if (findings.size() > shown)
        text +=
            Fmt(msg::kMoreFindings, {static_cast<std::int64_t>(findings.size() - shown)}) + "\n";
    if (!text.empty())
        text.pop_back();
    return text;
}

} // namespace zel::app

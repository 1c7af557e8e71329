#pragma once
// The look over the tickets before they print: what would come out wrong
// without a word (cut exam numbers, names cut at their label, "?" for
// characters code page 932 could not hold, empty tickets in the middle of
// the list, offsets that push texts off the paper or tickets onto each
// other). Numbers and texts in, findings out: no window, no report.

#include "app/ticket_report_examinees.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zel::app {

// A label's rectangle on its band, tenths of a millimetre.
struct TTextBox {
    long double Left = 0, Top = 0, Width = 0, Height = 0;
};

// How the tickets sit on a sheet, tenths of a millimetre from the paper's
// top-left corner.
struct TTicketSheet {
    long double PageWidth = 0, PageLength = 0;
    long double LeftMargin = 0, TopMargin = 0, BottomMargin = 0;
    long double RowPitch = 0;   // the band's height
    long double ColumnStep = 0; // from one column's left edge to the next
    int Columns = 1;
    std::vector<TTextBox> Texts; // every label of one ticket
};

struct TPrintCheckInput {
    const TExamineeRows* Rows = nullptr; // row 0 is the caption row
    std::string SchoolName;              // code page 932, as it will print
    std::string Year;
    int ExamNumberBoxes = 6;
    // The name, school and venue labels: their width and how they measure
    // a line, in the same pixels.
    int LineLabelWidth = 0;
    std::function<int(std::string_view)> LineWidth;
    // The year label: its width and how it measures the year, in pixels.
    int YearLabelWidth = 0;
    std::function<int(std::string_view)> YearWidth;
    TTicketSheet Sheet;
};

enum class TFindingKind {
    ExamNumberTooLong,
    NameTooWide,
    VenueTooWide,
    SchoolTooWide,
    YearTooWide,
    QuestionMark, // a "?" where a character could not be held
    EmptyRow,     // an empty ticket with examinees after it
    NameMissing,  // an exam number without a name
    VenueMissing, // an exam number without a venue
    OffPaper,
    TicketsOverlap,
};

struct TPrintFinding {
    int Row = 0; // grid row; 0 for what concerns every ticket
    TFindingKind Kind{};
};

// Every finding, those for every ticket first, then by row.
std::vector<TPrintFinding> CheckTickets(const TPrintCheckInput& input);

// The first `listed` findings one to a line ("3 行目: 氏名が枠に入りません"),
// then how many more; code page 932.
std::string FindingsText(const std::vector<TPrintFinding>& findings, std::size_t listed = 10);

} // namespace zel::app

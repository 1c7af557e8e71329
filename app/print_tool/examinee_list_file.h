#pragma once
// An examinee list read from a file or standard input for the command-line
// tool: its bytes decoded to code page 932 and split into rows as CSV (or
// TSV when it holds a tab) files are written.

#include "app/print_tool/print_tool_options.h"
#include "app/print_tool/tool_failure.h"
#include "app/ticket_report_examinees.h"
#include "framework/sheet_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace zel::app {

struct TDecodedList {
    std::string Text;                  // code page 932
    std::vector<std::string> Warnings; // UTF-8, one per line
    std::vector<int> UnheldRows;       // rows whose "?" the warnings name
};

// UTF-16 with its byte-order mark (either order); UTF-8 with or without
// its mark, else code page 932, unless `encoding` says which. Characters code page 932 cannot hold
// become "?" and are named in the warnings; bytes that are not text in the chosen encoding raise
// EToolFailure naming `name` and the line.
TDecodedList DecodeExamineeList(std::string_view bytes, TListEncoding encoding,
                                const std::string& name);

// The rows of a decoded list, row 0 being the empty caption row.
class TExamineeTable : public TExamineeRows {
public:
    explicit TExamineeTable(const std::vector<TSheetRow>& rows);
    int RowCount() const override { return static_cast<int>(m_Rows.size()) + 1; }
    std::string Cells(int col, int row) const override;

private:
    struct TRow {
        std::string Fields[3];
    };
    std::vector<TRow> m_Rows;
};

// The examinees of a decoded list: a text holding a tab is TSV, any other
// CSV; a quoted cell runs to its closing quote, across lines, and its line
// breaks become spaces. Empty rows at the end are dropped; a first row
// that reads as the sheet's header is skipped unless `keepFirstLine`.
// What is skipped or cannot be taken whole goes to `warnings` (UTF-8). A
// quote that never closes raises EToolFailure naming `name` and its line.
TExamineeTable ReadExamineeTable(std::string_view text, bool keepFirstLine, const std::string& name,
                                 std::vector<std::string>& warnings);

} // namespace zel::app

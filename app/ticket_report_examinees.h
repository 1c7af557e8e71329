#pragma once
// Where the ticket report reads its records: the examinee rows of the main
// window's grid, row 0 being the caption row. The report sees only this,
// so it prints the same from a grid, a test table or a benchmark's list.

#include <string>

namespace zel::app {

class TExamineeRows {
public:
    virtual ~TExamineeRows() = default;
    // Rows including the caption row.
    virtual int RowCount() const = 0;
    // Column 0 exam number, 1 name, 2 venue. Rows at or past RowCount may
    // still hold what an earlier, longer list left there.
    virtual std::string Cells(int col, int row) const = 0;
};

} // namespace zel::app

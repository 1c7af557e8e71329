#pragma once
// Where the ticket report reads its records: the examinee rows of the main
// window's grid, row 0 being the caption row. The report sees only this,
// so it prints the same from a grid, a test table or a benchmark's list.

#include <array>
#include <string>
#include <vector>

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

// A copy of the examinee rows taken when a run starts: the run reads it,
// so that whatever the operator does to the list meanwhile (a paste, an
// edit) is not printed half-way.
class TExamineeCopy final : public TExamineeRows {
public:
    void Take(const TExamineeRows& rows);
    int RowCount() const override { return m_RowCount; }
    // Empty for rows the copy does not hold.
    std::string Cells(int col, int row) const override;

private:
    int m_RowCount = 0;
    std::vector<std::array<std::string, 3>> m_Rows; // from row 1 on
};

} // namespace zel::app

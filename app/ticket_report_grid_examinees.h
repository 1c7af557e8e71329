#pragma once
// The examinee grid of the main window as the ticket report's record source.

#include "app/ticket_report_examinees.h"
#include "grid/core/string_grid.h"

namespace zel::app {

class TGridExaminees final : public TExamineeRows {
public:
    explicit TGridExaminees(const TStringGrid& grid) : m_Grid(grid) {}
    int RowCount() const override { return m_Grid.RowCount(); }
    std::string Cells(int col, int row) const override { return m_Grid.Cells(col, row); }

private:
    const TStringGrid& m_Grid;
};

} // namespace zel::app

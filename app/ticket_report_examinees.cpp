#include "app/ticket_report_examinees.h"

#include <algorithm>

namespace zel::app {

void TExamineeCopy::Take(const TExamineeRows& rows) {
    m_RowCount = rows.RowCount();
    m_Rows.clear();
    m_Rows.reserve(static_cast<std::size_t>(std::max(m_RowCount - 1, 0)));
    for (int row = 1; row < m_RowCount; ++row)
        m_Rows.push_back({rows.Cells(0, row), rows.Cells(1, row), rows.Cells(2, row)});
}

std::string TExamineeCopy::Cells(int col, int row) const {
    if (col < 0 || col >= 3 || row < 1 || row > static_cast<int>(m_Rows.size()))
        return {};
    return m_Rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)];
}

} // namespace zel::app

#pragma once
// An examinee list for the ticket report's tests: rows of UTF-8 cells,
// row 0 the caption row. RowCount can be made shorter than the rows kept,
// the way a grid keeps the rows of an earlier, longer paste.

#include "app/ticket_report_examinees.h"
#include "platform/cp932.h"

#include <string>
#include <vector>

namespace zel::test {

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

} // namespace zel::test

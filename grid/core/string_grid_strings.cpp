#include "grid/core/string_grid_strings.h"

#include "framework/messages.h"
#include "grid/core/grid_errors.h"
#include "grid/core/string_grid.h"

#include <algorithm>

namespace zel {

TStringGridStrings::TStringGridStrings(TStringGrid& grid, TKind kind, int index)
    : m_Grid(grid), m_Kind(kind), m_Index(index) {}

int TStringGridStrings::Count() const {
    return m_Kind == TKind::Row ? m_Grid.ColCount() : m_Grid.RowCount();
}

int TStringGridStrings::Add(const std::string& s) {
    for (int i = 0; i < Count(); ++i) {
        if (Get(i).empty()) {
            Put(i, s.empty() ? std::string(" ") : s);
            return i;
        }
    }
    return -1;
}

void TStringGridStrings::Insert(int, const std::string&) {
    RaiseGridError(msg::kCannotInsertDeleteGridRow);
}

void TStringGridStrings::Delete(int) {
    RaiseGridError(msg::kCannotInsertDeleteGridRow);
}

void TStringGridStrings::Clear() {
    if (m_Kind == TKind::Row) {
        m_Grid.ClearRow(m_Index);
        return;
    }
    for (int row = Count() - 1; row >= 0; --row)
        m_Grid.SetCell(m_Index, row, std::string(), nullptr);
}

void TStringGridStrings::Assign(const TStrings& source) {
    Updating([&] {
        const int count = std::min(source.Count(), Count());
        for (int i = 0; i < count; ++i)
            m_Grid.SetCell(ColOf(i), RowOf(i), source.Strings(i), source.Objects(i));
    });
}

void TStringGridStrings::SetCommaText(std::string_view text) {
    Updating([&] {
        Clear();
        const std::vector<std::string> fields = SplitCommaFields(text);
        const int count = std::min(static_cast<int>(fields.size()), Count());
        for (int i = 0; i < count; ++i) {
            const std::string& field = fields[static_cast<std::size_t>(i)];
            // An empty field still uses its item.
            m_Grid.SetCell(ColOf(i), RowOf(i), field.empty() ? std::string(" ") : field, nullptr);
        }
    });
}

std::string TStringGridStrings::Get(int index) const {
    return m_Grid.Cells(ColOf(index), RowOf(index));
}

void TStringGridStrings::Put(int index, const std::string& s) {
    m_Grid.SetCells(ColOf(index), RowOf(index), s);
}

void* TStringGridStrings::GetObject(int index) const {
    return m_Grid.Objects(ColOf(index), RowOf(index));
}

void TStringGridStrings::PutObject(int index, void* object) {
    m_Grid.SetObjects(ColOf(index), RowOf(index), object);
}

void TStringGridStrings::SetUpdateState(bool updating) {
    m_Grid.SetUpdateState(updating);
}

} // namespace zel

#include "grid/columns/grid_columns.h"

#include "framework/exceptions.h"
#include "grid/columns/column_string_grid.h"

#include <algorithm>

namespace zel {

TMOGridColumns::TMOGridColumns(TMOStringGrid* grid) : m_Grid(grid) {}

// The grid is going away with its definitions: nothing is told.
TMOGridColumns::~TMOGridColumns() = default;

TMOGridColumn& TMOGridColumns::Items(int index) const {
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    return *m_Items[static_cast<std::size_t>(index)];
}

int TMOGridColumns::IndexOf(const TMOGridColumn& item) const {
    const auto it = std::find_if(m_Items.begin(), m_Items.end(),
                                 [&](const auto& p) { return p.get() == &item; });
    return it == m_Items.end() ? -1 : static_cast<int>(it - m_Items.begin());
}

TMOGridColumn& TMOGridColumns::Add() {
    m_Items.push_back(std::make_unique<TMOGridColumn>(*this));
    TMOGridColumn& item = *m_Items.back();
    Changed();
    return item;
}

void TMOGridColumns::Delete(int index) {
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    m_Items.erase(m_Items.begin() + index);
    Changed();
}

void TMOGridColumns::Clear() {
    if (m_Items.empty())
        return;
    BeginUpdate();
    m_Items.clear();
    EndUpdate();
}

void TMOGridColumns::BeginUpdate() {
    ++m_UpdateCount;
}

void TMOGridColumns::EndUpdate() {
    if (m_UpdateCount > 0 && --m_UpdateCount == 0)
        Update();
}

void TMOGridColumns::Assign(const TMOGridColumns& source) {
    // Clearing first would leave nothing to copy from.
    if (&source == this)
        return;
    BeginUpdate();
    try {
        m_Items.clear();
        for (const auto& item : source.m_Items)
            Add().Assign(*item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TMOGridColumns::Changed() {
    if (m_UpdateCount == 0)
        Update();
}

void TMOGridColumns::Repaint() {
    if (m_Grid && m_UpdateCount == 0)
        m_Grid->InvalidateGrid();
}

void TMOGridColumns::Update() {
    if (!m_Grid)
        return;
    if (m_SyncColCount && Count() != m_Grid->ColCount())
        m_Grid->SetColCount(Count());
    m_Grid->InvalidateGrid();
}

} // namespace zel

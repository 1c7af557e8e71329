#pragma once
// The column definitions of a string grid, one per column. The collection
// and the grid's column count follow each other: adding or removing a
// definition sets the count, and a new count adds default definitions or
// frees the trailing ones (the grid does that part, with the sync off).

#include "grid/columns/grid_column.h"

#include <memory>
#include <vector>

namespace zel {

class TMOStringGrid;

class TMOGridColumns {
public:
    // `grid` may be null for a collection that belongs to no grid.
    explicit TMOGridColumns(TMOStringGrid* grid);
    // A derived grid's create-columns step may make a derived collection.
    virtual ~TMOGridColumns();

    TMOGridColumns(const TMOGridColumns&) = delete;
    TMOGridColumns& operator=(const TMOGridColumns&) = delete;

    TMOStringGrid* Grid() const { return m_Grid; }

    int Count() const { return static_cast<int>(m_Items.size()); }
    // The list-index error for an index outside the collection.
    TMOGridColumn& Items(int index) const;
    int IndexOf(const TMOGridColumn& item) const;
    TMOGridColumn& Add();
    void Delete(int index);
    void Clear();

    // Changes inside a bracket reach the grid once, when it closes.
    void BeginUpdate();
    void EndUpdate();

    // Replaces the definitions by copies of `source`'s (each copied as a
    // definition's Assign copies).
    void Assign(const TMOGridColumns& source);

    // While off, adding and removing definitions leave the column count
    // alone.
    bool SyncColCount() const { return m_SyncColCount; }
    void SetSyncColCount(bool value) { m_SyncColCount = value; }

    // Called by a definition whose change may concern the column count.
    void Changed();
    // Called by a definition whose change only shows.
    void Repaint();

private:
    void Update();

    TMOStringGrid* m_Grid;
    std::vector<std::unique_ptr<TMOGridColumn>> m_Items;
    int m_UpdateCount = 0;
    bool m_SyncColCount = true;
};

} // namespace zel

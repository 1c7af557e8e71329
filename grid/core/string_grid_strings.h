#pragma once
// A string-list view of one row or one column of a string grid. It holds
// no texts itself: item i is a cell of the grid. Its count follows the
// grid's column (row) count; it cannot insert or delete.

#include "framework/string_list.h"

namespace zel {

class TStringGrid;

class TStringGridStrings : public TStrings {
public:
    enum class TKind { Row, Column };

    TStringGridStrings(TStringGrid& grid, TKind kind, int index);

    int Count() const override;
    // Stores into the first empty item; "" is stored as one blank so that
    // the item counts as used. -1 (and nothing stored) when none is empty.
    int Add(const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    // Copies as many items as both lists have, texts and objects.
    void Assign(const TStrings& source) override;
    // The same cells as emptying the view and adding field by field, placed
    // directly: after the clear every Add would take the next item anyway.
    void SetCommaText(std::string_view text) override;

protected:
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    void* GetObject(int index) const override;
    void PutObject(int index, void* object) override;
    void SetUpdateState(bool updating) override;

private:
    int ColOf(int index) const { return m_Kind == TKind::Row ? index : m_Index; }
    int RowOf(int index) const { return m_Kind == TKind::Row ? m_Index : index; }

    TStringGrid& m_Grid;
    TKind m_Kind;
    int m_Index;
};

} // namespace zel

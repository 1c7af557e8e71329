#pragma once
// The grid with its hooks turned into events: the owner paints cells,
// vets moves and supplies edit texts through these.

#include "grid/core/custom_grid.h"

namespace zel {

class TDrawGrid : public TCustomGrid {
    Q_OBJECT
public:
    explicit TDrawGrid(QWidget* parent = nullptr);

    std::function<void(QObject* sender, int col, int row, const QRect& rect, TGridDrawState state)>
        OnDrawCell;
    std::function<void(QObject* sender, int col, int row, bool& canSelect)> OnSelectCell;
    std::function<void(QObject* sender, int col, int row, std::string& value)> OnGetEditMask;
    std::function<void(QObject* sender, int col, int row, std::string& value)> OnGetEditText;
    std::function<void(QObject* sender, int col, int row, const std::string& value)> OnSetEditText;
    std::function<void(QObject* sender, int fromIndex, int toIndex)> OnColumnMoved;
    std::function<void(QObject* sender, int fromIndex, int toIndex)> OnRowMoved;
    TNotifyEvent<QObject> OnTopLeftChanged;

protected:
    void DrawCell(int col, int row, const QRect& rect, TGridDrawState state) override;
    bool SelectCell(int col, int row) override;
    std::string GetEditMask(int col, int row) override;
    std::string GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const std::string& value) override;
    void ColumnMoved(int fromIndex, int toIndex) override;
    void RowMoved(int fromIndex, int toIndex) override;
    void TopLeftChanged() override;
};

} // namespace zel

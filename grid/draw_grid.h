#pragma once
// The grid with its hooks turned into events: the owner paints cells,
// vets moves and supplies edit texts through these.

#include "grid/custom_grid.h"

namespace zel {

class TDrawGrid : public TCustomGrid {
    Q_OBJECT
public:
    explicit TDrawGrid(QWidget* parent = nullptr);

    std::function<void(QObject* Sender, int ACol, int ARow, const QRect& Rect,
                       TGridDrawState State)>
        OnDrawCell;
    std::function<void(QObject* Sender, int ACol, int ARow, bool& CanSelect)> OnSelectCell;
    std::function<void(QObject* Sender, int ACol, int ARow, std::string& Value)> OnGetEditMask;
    std::function<void(QObject* Sender, int ACol, int ARow, std::string& Value)> OnGetEditText;
    std::function<void(QObject* Sender, int ACol, int ARow, const std::string& Value)>
        OnSetEditText;
    std::function<void(QObject* Sender, int FromIndex, int ToIndex)> OnColumnMoved;
    std::function<void(QObject* Sender, int FromIndex, int ToIndex)> OnRowMoved;
    TNotifyEvent OnTopLeftChanged;

protected:
    void DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    std::string GetEditMask(int ACol, int ARow) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void TopLeftChanged() override;
};

} // namespace zel

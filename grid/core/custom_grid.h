#pragma once
// The grid core: a scroll area whose viewport the grid paints itself, with
// cell geometry, scrolling, selection, keyboard and mouse handling and the
// life cycle of the one in-place editor. Derived grids specialise it
// through the virtual hooks below; the draw grid turns them into events.

#include "framework/notify_event.h"
#include "grid/core/grid_canvas.h"
#include "grid/core/grid_types.h"
#include "grid/core/repeat_timer.h"
#include "grid/core/system_colors.h"
#include "platform/cp932.h"

#include <QAbstractScrollArea>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zel {

class TInplaceEdit;

// Metrics of one axis as the grid is scrolled now, in viewport pixels.
struct TGridAxisDrawInfo {
    int EffectiveLineWidth = 0;
    int FixedBoundary = 0;       // end of the fixed cells and their lines
    int GridBoundary = 0;        // end of the last (partly) shown cell
    int GridExtent = 0;          // the client extent
    int LastFullVisibleCell = 0; // at least the first scrolling cell
    int FullVisBoundary = 0;     // end of the last fully shown cell
    int FixedCellCount = 0;
    int FirstGridCell = 0;
    int GridCellCount = 0;
    const std::vector<int>* Extents = nullptr;
    int DefaultExtent = 0;

    // Any stored extent is accepted; geometry takes it within what a screen
    // can show, so that sums of extents cannot overflow and a width below
    // zero never walks backwards over the line before it.
    static constexpr int kMaxDrawnExtent = 1 << 20;
    int Extent(int index) const {
        const int stored = Extents ? (*Extents)[static_cast<std::size_t>(index)] : DefaultExtent;
        return std::clamp(stored, -EffectiveLineWidth, kMaxDrawnExtent);
    }
};

struct TGridDrawInfo {
    TGridAxisDrawInfo Horz;
    TGridAxisDrawInfo Vert;
};

enum class TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

class TCustomGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    // The grid and the grids derived from it name the states unqualified.
    using enum TGridState;

    explicit TCustomGrid(QWidget* parent = nullptr);
    ~TCustomGrid() override;

    int ColCount() const { return m_ColCount; }
    void SetColCount(int value);
    int RowCount() const { return m_RowCount; }
    void SetRowCount(int value);
    int FixedCols() const { return m_FixedCols; }
    void SetFixedCols(int value);
    int FixedRows() const { return m_FixedRows; }
    void SetFixedRows(int value);

    int DefaultColWidth() const { return m_DefaultColWidth; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return m_DefaultRowHeight; }
    void SetDefaultRowHeight(int value);
    int GridLineWidth() const { return m_GridLineWidth; }
    void SetGridLineWidth(int value);
    int ColWidths(int index) const;
    void SetColWidths(int index, int value);
    int RowHeights(int index) const;
    void SetRowHeights(int index, int value);
    bool TabStops(int index) const;
    void SetTabStops(int index, bool value);

    TGridOptions Options() const { return m_Options; }
    void SetOptions(TGridOptions value);
    TColor FixedColor() const { return m_FixedColor; }
    void SetFixedColor(TColor value);
    TColor Color() const { return m_Color; }
    void SetColor(TColor value);
    TScrollStyle ScrollBars() const { return m_ScrollBars; }
    void SetScrollBars(TScrollStyle value);
    TBorderStyle BorderStyle() const { return m_BorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool DefaultDrawing() const { return m_DefaultDrawing; }
    void SetDefaultDrawing(bool value);
    bool Ctl3D() const { return m_Ctl3D; }
    void SetCtl3D(bool value);
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool value);

    // The current cell; setting one moves there as a plain move.
    int Col() const { return m_Current.X; }
    void SetCol(int value);
    int Row() const { return m_Current.Y; }
    void SetRow(int value);
    TGridRect Selection() const;
    void SetSelection(TGridRect value);
    int LeftCol() const { return m_TopLeft.X; }
    void SetLeftCol(int value);
    int TopRow() const { return m_TopLeft.Y; }
    void SetTopRow(int value);
    int VisibleColCount() const;
    int VisibleRowCount() const;

    bool EditorMode() const { return m_EditorMode; }
    void SetEditorMode(bool value);
    void ShowEditor();
    void HideEditor();
    TInplaceEdit* InplaceEditor() const { return m_InplaceEdit; }

    // Geometry in viewport pixels; empty for a cell that is not shown.
    QRect CellRect(int col, int row) const;
    TGridCoord MouseCoord(int x, int y) const;
    TGridDrawInfo CalcDrawInfo() const;

    void MoveColumn(int fromIndex, int toIndex);
    void MoveRow(int fromIndex, int toIndex);

    // Valid only inside DrawCell.
    TGridCanvas& Canvas() const { return *m_Canvas; }
    // The timer that scrolls while the pointer is held outside the cells
    // during a selection; tests give the grid one they fire themselves.
    void SetScrollTimer(std::unique_ptr<TRepeatTimer> timer);

    void InvalidateCell(int col, int row);
    void InvalidateCol(int col);
    void InvalidateRow(int row);
    void InvalidateGrid();

    TNotifyEvent<QObject> OnClick;
    TNotifyEvent<QObject> OnDblClick;
    // Set Handled to keep the grid from moving the current row.
    std::function<void(QObject* sender, Qt::KeyboardModifiers shift, QPoint mousePos,
                       bool& handled)>
        OnMouseWheelDown;
    std::function<void(QObject* sender, Qt::KeyboardModifiers shift, QPoint mousePos,
                       bool& handled)>
        OnMouseWheelUp;
    // Told when text that code page 932 could not hold all of went into the
    // cells from (col, row) on, by the paste key or by typing; answering
    // true puts the substitutes in.
    std::function<bool(const cp932::TCheckedText& text, int col, int row)> OnUnheldText;

    // Keyboard entry points the in-place editor forwards to.
    virtual void KeyDown(int key, Qt::KeyboardModifiers shift);
    // One character in code page 932; emptied when consumed.
    virtual void KeyPress(std::string& key);

    // The paste key (Ctrl+V, Shift+Insert) on the grid itself, not on its
    // editor; the base grid holds no texts and ignores it.
    virtual void PasteFromClipboard() {}

    // Asked by the editor.
    virtual bool CanEditAcceptKey(const std::string& key);
    virtual bool CanEditModify();
    qint64 LastLeftPressTime() const { return m_LastLeftPressTime; }

protected:
    // Overridable hooks.
    virtual TInplaceEdit* CreateEditor();
    virtual bool CanEditShow();
    virtual void DrawCell(int col, int row, const QRect& rect, TGridDrawState state) = 0;
    virtual bool SelectCell(int col, int row);
    virtual void DeleteColumn(int col);
    virtual void DeleteRow(int row);
    virtual TGridState CalcSizingState(int x, int y, int& sizingIndex, int& sizingPos,
                                       int& sizingOfs, const TGridDrawInfo& info);
    virtual bool CanGridAcceptKey(int key, Qt::KeyboardModifiers shift);
    virtual std::string GetEditText(int col, int row);
    virtual void SetEditText(int col, int row, const std::string& value);
    virtual std::string GetEditMask(int col, int row);
    virtual int GetEditLimit();
    virtual void ColumnMoved(int fromIndex, int toIndex);
    virtual void RowMoved(int fromIndex, int toIndex);
    virtual void SizeChanged(int oldColCount, int oldRowCount);
    virtual void TopLeftChanged();
    virtual void TimedScroll(bool left, bool right, bool up, bool down);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual bool BeginColumnDrag(int& origin, const QPoint& mousePt);
    virtual bool BeginRowDrag(int& origin, const QPoint& mousePt);
    virtual bool CheckColumnDrag(int& origin, int& destination, const QPoint& mousePt);
    virtual bool CheckRowDrag(int& origin, int& destination, const QPoint& mousePt);
    virtual bool EndColumnDrag(int& origin, int& destination, const QPoint& mousePt);
    virtual bool EndRowDrag(int& origin, int& destination, const QPoint& mousePt);

    virtual void Paint(QPainter& painter, const QRect& clip);
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y,
                           bool doubleClick);
    virtual void MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    virtual void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    virtual bool DoMouseWheelDown(Qt::KeyboardModifiers shift, QPoint mousePos);
    virtual bool DoMouseWheelUp(Qt::KeyboardModifiers shift, QPoint mousePos);
    virtual void Click();
    virtual void DblClick();

    // Moves the current cell: the editor closes, the anchor follows when
    // asked, the cell is scrolled into view when asked.
    void MoveCurrent(int col, int row, bool moveAnchor, bool show);
    void MoveAnchor(TGridCoord newAnchor);
    void FocusCell(int col, int row, bool moveAnchor);
    void MoveTopLeft(int left, int top);
    void UpdateEdit();
    void UpdateText();
    void HideEdit();
    void InvalidateEditor();
    bool IsActiveControl() const;
    TGridState GridState() const { return m_GridState; }
    TGridCoord InplaceCell() const { return {m_InplaceCol, m_InplaceRow}; }

    // Qt's side.
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class TInplaceEdit;

    void Initialize();
    void ChangeSize(int newColCount, int newRowCount);
    void ApplySize(int newColCount, int newRowCount);
    void ClampInView(TGridCoord coord);
    TGridCoord CalcMaxTopLeft(const TGridDrawInfo& info) const;
    QRect BoxRect(const TGridRect& cells) const;
    void SelectionMoved(const TGridRect& oldSel);
    void TopLeftMoved(TGridCoord oldTopLeft, const TGridDrawInfo& oldInfo);
    void UpdateScrollRange();
    void UpdateScrollPos();
    void ScrollBarAction(Qt::Orientation orientation, int action);
    void ScrollBarReleased(Qt::Orientation orientation);
    int ScrollPosToIndex(Qt::Orientation orientation, int pos) const;
    void InvalidateRect(const TGridRect& cells);
    void EditorFocusLost();
    void UpdateEditorGeometry();
    void TimedScrollTick();
    void DrawSizingLine(QPainter& painter) const;
    void DrawMoveIndicator(QPainter& painter) const;
    void StartMoving(TGridState state, int index, const QPoint& pt);
    void FinishSizing(bool columns, int x, int y);
    void FinishMoving(bool columns, int x, int y);
    void DrawLineArea(QPainter& painter, const TGridDrawInfo& info, bool horzLines, bool vertLines,
                      TColor color, bool fixedCols, bool fixedRows);
    void DrawCellArea(const QRect& clip, const TGridDrawInfo& info, bool fixedCols, bool fixedRows);
    void DrawFixedEdges(const QRect& where);

    int m_ColCount = 5;
    int m_RowCount = 5;
    int m_FixedCols = 1;
    int m_FixedRows = 1;
    int m_DefaultColWidth = 64;
    int m_DefaultRowHeight = 24;
    int m_GridLineWidth = 1;
    std::optional<std::vector<int>> m_ColWidths;
    std::optional<std::vector<int>> m_RowHeights;
    std::optional<std::vector<int>> m_TabStops;
    TGridOptions m_Options{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TColor m_FixedColor = clBtnFace;
    TColor m_Color = clWindow;
    TScrollStyle m_ScrollBars = ssBoth;
    TBorderStyle m_BorderStyle = bsSingle;
    bool m_DefaultDrawing = true;
    bool m_Ctl3D = true;

    TGridCoord m_Current{1, 1};
    TGridCoord m_Anchor{1, 1};
    TGridCoord m_TopLeft{1, 1};
    int m_InplaceCol = -1;
    int m_InplaceRow = -1;
    bool m_EditorMode = false;
    bool m_CanEditModify = true;
    TInplaceEdit* m_InplaceEdit = nullptr;
    bool m_FocusFromEditor = false;
    bool m_WritingBack = false;

    TGridCanvas* m_Canvas = nullptr;

    TGridState m_GridState = gsNormal;
    std::unique_ptr<TRepeatTimer> m_ScrollTimer;
    QPoint m_LastMousePos;
    int m_SizingIndex = -1;
    int m_SizingPos = 0;
    int m_SizingOfs = 0;
    int m_MoveIndex = -1;
    int m_MovePos = -1;
    qint64 m_LastLeftPressTime = 0;
    int m_WheelAccumulator = 0;
};

} // namespace zel

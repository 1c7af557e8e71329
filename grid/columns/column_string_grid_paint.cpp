// Painting by column: header cells with the caption or the row number in
// the header font, data cells in the column's colour (or the stripes) with
// its font and alignments, check-box cells as check boxes.

#include "grid/columns/column_string_grid.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace zel {
namespace {

// Text keeps this far from the cell's sides, and from its top and bottom.
constexpr int kTextMarginX = 5;
constexpr int kTextMarginY = 3;
// A check box stands in a strip this wide in the middle of its cell.
constexpr int kCheckBoxWidth = 14;

Qt::Alignment ToQtAlignment(TAlignment alignment, TAlignmentV alignmentV) {
    Qt::Alignment result;
    switch (alignment) {
    case taLeftJustify:
        result = Qt::AlignLeft;
        break;
    case taRightJustify:
        result = Qt::AlignRight;
        break;
    case taCenter:
        result = Qt::AlignHCenter;
        break;
    }
    switch (alignmentV) {
    case tavTop:
        return result | Qt::AlignTop;
    case tavCenter:
        return result | Qt::AlignVCenter;
    case tavBottom:
        return result | Qt::AlignBottom;
    }
    return result | Qt::AlignVCenter;
}

} // namespace

void TMOStringGrid::DrawCell(int col, int row, const QRect& rect, TGridDrawState state) {
    const TMOGridColumn* definition = Definition(col);
    if (DefaultDrawing() && definition) {
        std::string text = Cells(col, row);
        TGridCanvas& canvas = Canvas();
        if (state.Contains(gdFixed)) {
            // The background stays the grid's fixed colour.
            canvas.SetFont(ToQFont(definition->FixCellFont()));
            canvas.SetFontColor(definition->FixCellFont().Color);
            if (text.empty() && row == 0)
                text = definition->Caption();
            else if (text.empty() && m_FixAutoNum && row >= FixedRows())
                text = std::to_string(row - FixedRows() + 1);
            DrawCellText(rect, text, definition->FixAlignment(), definition->FixAlignmentV());
        } else {
            // The column's colour replaces the selection highlight too.
            canvas.SetBrushColor(CellColor(col, row));
            canvas.FillRect(rect);
            if (definition->ButtonStyle() == cbsCheckBox) {
                DrawCheckBox(rect, text == "1");
            } else {
                canvas.SetFont(ToQFont(definition->Font()));
                canvas.SetFontColor(definition->Font().Color);
                DrawCellText(rect, text, definition->Alignment(), definition->AlignmentV());
            }
        }
    }
    // Not the string grid's own text output: only its event.
    TDrawGrid::DrawCell(col, row, rect, state);
}

void TMOStringGrid::DrawCellText(const QRect& rect, const std::string& text, TAlignment alignment,
                                 TAlignmentV alignmentV) {
    Canvas().AlignedText(rect.adjusted(kTextMarginX, kTextMarginY, -kTextMarginX, -kTextMarginY),
                         text, ToQtAlignment(alignment, alignmentV));
}

void TMOStringGrid::DrawCheckBox(const QRect& rect, bool checked) {
    const QRect strip(rect.left() + rect.width() / 2 - kCheckBoxWidth / 2, rect.top(),
                      kCheckBoxWidth, rect.height());
    // The style's indicator is square; it sits in the middle of the strip.
    const int side = std::min(kCheckBoxWidth - 1, rect.height());
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = QRect(0, 0, side, side);
    option.rect.moveCenter(strip.center());
    option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &Canvas().Painter(), this);
}

} // namespace zel

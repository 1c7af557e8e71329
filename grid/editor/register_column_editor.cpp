#include "grid/editor/register_column_editor.h"

#include "grid/columns/column_string_grid.h"
#include "grid/editor/inplace_edit_3d.h"

namespace zel {

void RegisterColumnEditor() {
    TMOStringGrid::SetEditorFactory(
        [](TMOStringGrid& grid) -> TInplaceEdit* { return new TInplaceEdit3D(&grid); });
}

} // namespace zel

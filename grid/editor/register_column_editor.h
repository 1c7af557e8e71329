#pragma once
// Start-up of the grid's editors: grids with column definitions edit in
// the editor with buttons from here on.

namespace zel {

void RegisterColumnEditor();

} // namespace zel

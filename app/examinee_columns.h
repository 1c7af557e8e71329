#pragma once
// The examinee list's columns: exam number, name and venue, with their
// captions, alignments, fonts and the input method kept off.

namespace zel {
class TMOStringGrid;
}

namespace zel::app {

// Replaces the grid's column definitions by the three examinee columns and
// sets the stripe colour (the rows stay unstriped).
void SetUpExamineeColumns(TMOStringGrid& grid);

} // namespace zel::app

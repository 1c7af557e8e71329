#pragma once
// A grid's column definitions stored as text, so that a grid's columns can
// be saved and set up again. Texts are code page 932, lines end in CR LF:
//
//   zelmark grid columns 1
//   [Column]
//   Alignment=taCenter
//   Caption="受験番号"
//   Font.Height=-12
//   ...
//
// One section per definition; its properties by name, in the order a
// definition stores them, each at most once; a property at its stored
// default is left out. Quoted texts write '"', '%' and control bytes as
// %XX.

#include "framework/exceptions.h"
#include "grid/columns/grid_columns.h"

#include <string>
#include <string_view>

namespace zel {

// Text that is not stored column definitions; the message names the line.
class EGridColumnsError : public Exception {
public:
    using Exception::Exception;
};

std::string SaveGridColumns(const TMOGridColumns& columns);

// Replaces the definitions by the stored ones inside one update bracket, so
// the grid's column count is set once, to the number of sections. Each
// section starts from a new definition's values and sets its properties in
// the stored order, so a stored button style overrides a stored data type.
// Bad text raises EGridColumnsError before anything has changed.
void LoadGridColumns(TMOGridColumns& columns, std::string_view text);

} // namespace zel

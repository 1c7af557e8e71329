#pragma once
// The stored properties of a column definition, in stored order, with how
// each is read from and written to a definition and the default below which
// it is not stored. Nested objects (fonts, spin options, calendar colours)
// appear as their own properties under dotted names.

#include "grid/columns/grid_column.h"

#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace zel {

enum class TStoredKind {
    Enum,      // one of Names, by index
    Int,       // a number within [Min, Max]
    Color,     // a colour name or $ and eight hexadecimal digits
    Text,      // one quoted text
    TextList,  // quoted texts separated by commas
    FontStyle, // style bit names separated by commas
};

using TStoredValue = std::variant<int, std::string, std::vector<std::string>>;

struct TColumnProperty {
    std::string Name;
    TStoredKind Kind = TStoredKind::Int;
    std::span<const char* const> Names;
    int Min = 0;
    int Max = 0;
    TStoredValue (*Get)(const TMOGridColumn&) = nullptr;
    void (*Set)(TMOGridColumn&, const TStoredValue&) = nullptr;
    std::optional<TStoredValue> Default;
};

const std::vector<TColumnProperty>& ColumnProperties();

// Style bit names, lowest bit first.
std::span<const char* const> FontStyleNames();

} // namespace zel

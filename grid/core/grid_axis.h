#pragma once
// Walking the cells of one axis in the order they are shown: the fixed
// cells from 0, then the scrolling cells from the first one shown, until
// the client extent is used up.

#include "grid/core/custom_grid.h"

namespace zel::grid_axis {

// Calls f(index, start, extent) for each shown cell of the fixed part
// (fixedPart) or of the scrolling part; f returns false to stop early.
template <typename F> void ForEachShown(const TGridAxisDrawInfo& a, bool fixedPart, F&& f) {
    if (fixedPart) {
        int pos = 0;
        for (int i = 0; i < a.FixedCellCount && pos < a.GridExtent; ++i) {
            const int extent = a.Extent(i);
            if (!f(i, pos, extent))
                return;
            pos += extent + a.EffectiveLineWidth;
        }
        return;
    }
    int pos = a.FixedBoundary;
    for (int i = a.FirstGridCell; i < a.GridCellCount && pos < a.GridExtent; ++i) {
        const int extent = a.Extent(i);
        if (!f(i, pos, extent))
            return;
        pos += extent + a.EffectiveLineWidth;
    }
}

// Start and extent of a shown cell; false when it is not shown.
inline bool CellSpan(const TGridAxisDrawInfo& a, int index, int& start, int& extent) {
    bool found = false;
    auto find = [&](int i, int pos, int ext) {
        if (i != index)
            return true;
        start = pos;
        extent = ext;
        found = true;
        return false;
    };
    if (index < a.FixedCellCount)
        ForEachShown(a, true, find);
    else if (index >= a.FirstGridCell)
        ForEachShown(a, false, find);
    return found;
}

// The first cell from which `last` and the cells before it, down to the
// result, fit into the scrolling part (at least `last` itself).
inline int FirstFitting(const TGridAxisDrawInfo& a, int last) {
    const int space = a.GridExtent - a.FixedBoundary + a.EffectiveLineWidth;
    int first = last;
    int used = a.Extent(last) + a.EffectiveLineWidth;
    while (first - 1 >= a.FixedCellCount) {
        const int next = a.Extent(first - 1) + a.EffectiveLineWidth;
        if (used + next > space)
            break;
        used += next;
        --first;
    }
    return first;
}

} // namespace zel::grid_axis

#pragma once
// What a grid with column definitions asks of its editor beyond the plain
// in-place box: the flag of a check-box cell. The editor with buttons sits
// a layer above the grid, so the grid reaches it through this interface
// and makes it through the factory that layer registers at start-up.

namespace zel {

class TColumnCellEditor {
public:
    virtual ~TColumnCellEditor() = default;

    // Whether the current cell is edited as a check box.
    virtual bool EditsCheckBox() const = 0;
    virtual bool Checked() const = 0;
    virtual void SetChecked(bool value) = 0;
};

} // namespace zel

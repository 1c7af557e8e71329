#pragma once
// The Size of a band and of a printable control: lengths in the report's
// unit, held natively, with the owner's pixel bounds kept in step.

#include "report/controls/unit_holders.h"

#include <optional>

namespace zel {

class TQRBandSize : public TQRUnitBase {
public:
    enum TValueIndex { kHeight = 0, kWidth = 1 };

    // Until the band sets its own size: 20 high, 40 wide, native units.
    explicit TQRBandSize(TQRSizedControl* band = nullptr,
                         int resolution = platform::kScreenPixelsPerInch);

    TQRSizedControl* Band() const { return m_Band; }
    void SetBand(TQRSizedControl* band) { m_Band = band; }

    long double Height() const { return GetValue(kHeight); }
    void SetHeight(long double v) { SetValue(kHeight, v); }
    long double Width() const { return GetValue(kWidth); }
    void SetWidth(long double v) { SetValue(kWidth, v); }

    void SetValue(int index, long double value) override;
    // The band keeps its left and top; width and height follow the values.
    void UpdateOwner() override;

private:
    TQRSizedControl* m_Band;
};

// A printable control as its Size sees it: on a band or report, whose zoom
// scales the control's Pixels reading once more.
class TQRPrintableControl : public TQRSizedControl {
public:
    // Zoom in percent of the band or report the control sits on; nothing
    // while it has no parent.
    virtual std::optional<int> ParentZoom() const = 0;
};

class TQRPrintableSize : public TQRUnitBase {
public:
    enum TValueIndex { kHeight = 0, kLeft = 1, kTop = 2, kWidth = 3 };

    // Until the control sets its own bounds: 20 native units each.
    explicit TQRPrintableSize(TQRPrintableControl* control = nullptr,
                              int resolution = platform::kScreenPixelsPerInch);

    TQRPrintableControl* Control() const { return m_Control; }
    void SetControl(TQRPrintableControl* control) { m_Control = control; }

    long double Height() const { return GetValue(kHeight); }
    void SetHeight(long double v) { SetValue(kHeight, v); }
    long double Left() const { return GetValue(kLeft); }
    void SetLeft(long double v) { SetValue(kLeft, v); }
    long double Top() const { return GetValue(kTop); }
    void SetTop(long double v) { SetValue(kTop, v); }
    long double Width() const { return GetValue(kWidth); }
    void SetWidth(long double v) { SetValue(kWidth, v); }

    // In Pixels, a control on a band or report reads its values scaled once
    // more by that parent's zoom; writing does not undo it.
    long double GetValue(int index) const override;
    void SetValue(int index, long double value) override;
    void UpdateOwner() override;

private:
    TQRPrintableControl* m_Control;
};

} // namespace zel

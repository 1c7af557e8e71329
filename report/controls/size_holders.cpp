#include "report/controls/size_holders.h"

namespace zel {

TQRBandSize::TQRBandSize(TQRSizedControl* band, int resolution)
    : TQRUnitBase({false, true}, resolution), m_Band(band) {
    SetNative(kHeight, 20);
    SetNative(kWidth, 40);
}

void TQRBandSize::SetValue(int index, long double value) {
    TQRUnitBase::SetValue(index, value);
    UpdateOwner();
}

void TQRBandSize::UpdateOwner() {
    if (!m_Band)
        return;
    TUpdatingScope scope(*this);
    if (!scope.Entered())
        return;
    m_Band->SetBounds(m_Band->Left(), m_Band->Top(), Pixels(true, NativeValue(kWidth)),
                      Pixels(false, NativeValue(kHeight)));
}

TQRPrintableSize::TQRPrintableSize(TQRPrintableControl* control, int resolution)
    : TQRUnitBase({false, true, false, true}, resolution), m_Control(control) {
    for (int i = 0; i < ValueCount(); ++i)
        SetNative(i, 20);
}

long double TQRPrintableSize::GetValue(int index) const {
    long double value = TQRUnitBase::GetValue(index);
    if (Units() == TQRUnit::Pixels && m_Control) {
        if (const auto zoom = m_Control->ParentZoom())
            value = value * *zoom / 100;
    }
    return value;
}

void TQRPrintableSize::SetValue(int index, long double value) {
    TQRUnitBase::SetValue(index, value);
    UpdateOwner();
}

void TQRPrintableSize::UpdateOwner() {
    if (!m_Control)
        return;
    TUpdatingScope scope(*this);
    if (!scope.Entered())
        return;
    m_Control->SetBounds(Pixels(true, NativeValue(kLeft)), Pixels(false, NativeValue(kTop)),
                         Pixels(true, NativeValue(kWidth)), Pixels(false, NativeValue(kHeight)));
}

} // namespace zel

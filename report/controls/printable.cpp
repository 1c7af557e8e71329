#include "report/controls/printable.h"

#include "report/controls/band.h"
#include "report/controls/custom_report.h"

namespace zel {

TQRPrintable::TQRPrintable() : m_Size(this), m_Frame(this) {
    SetBounds(0, 0, 10, 10);
}

TQRPrintable::~TQRPrintable() {
    MarkDestroying();
    DestroyComponents();
    m_Size.SetControl(nullptr);
}

void TQRPrintable::SetColor(platform::TColor color) {
    m_Color = color;
    Repaint();
}

void TQRPrintable::SetAlignment(TAlignment alignment) {
    m_Alignment = alignment;
    AlignIt();
    Repaint();
}

void TQRPrintable::SetAlignToBand(bool align) {
    m_AlignToBand = align;
    AlignIt();
    Repaint();
}

void TQRPrintable::SetParentReport(TCustomPagettaRep* report) {
    m_ParentReport = report;
    m_Size.SetParentReport(report);
    if (report)
        FreeNotification(report);
}

TQRCustomBand* TQRPrintable::ParentBand() const {
    return dynamic_cast<TQRCustomBand*>(Parent());
}

void TQRPrintable::Notification(TQRComponent* component) {
    if (component == m_ParentReport) {
        m_ParentReport = nullptr;
        m_Size.SetParentReport(nullptr);
        m_QRPrinter = nullptr;
    }
}

void TQRPrintable::Prepare() {
    m_IsPrinting = true;
    m_QRPrinter = m_ParentReport ? m_ParentReport->QRPrinter() : nullptr;
}

void TQRPrintable::Unprepare() {
    m_IsPrinting = false;
}

platform::TRect TQRPrintable::PrintRect(long double offsetX, long double offsetY) const {
    const long double left = offsetX + NativeValue(TQRPrintableSize::kLeft);
    const long double top = offsetY + NativeValue(TQRPrintableSize::kTop);
    return {m_QRPrinter->XPos(left), m_QRPrinter->YPos(top),
            m_QRPrinter->XPos(left + NativeValue(TQRPrintableSize::kWidth)),
            m_QRPrinter->YPos(top + NativeValue(TQRPrintableSize::kHeight))};
}

void TQRPrintable::Print(long double offsetX, long double offsetY) {
    if (!m_ParentReport || !m_QRPrinter || !m_QRPrinter->Canvas() || !m_Frame.AnyFrame())
        return;
    m_Frame.PaintIt(*m_QRPrinter->Canvas(), PrintRect(offsetX, offsetY), m_QRPrinter->XFactor(),
                    m_QRPrinter->YFactor());
}

void TQRPrintable::AlignIt() {
    if (!m_AlignToBand || m_Aligning)
        return;
    m_Aligning = true;
    const TQRCustomBand* band = ParentBand();
    switch (m_Alignment) {
    case taLeftJustify:
        SetLeft(0);
        break;
    case taRightJustify:
        if (band)
            SetLeft(band->Width() - Width());
        break;
    case taCenter:
        if (band)
            SetLeft((band->Width() - Width()) / 2);
        break;
    }
    m_Aligning = false;
}

void TQRPrintable::QRNotification(TQRNotifyOperation operation) {
    if (operation == qrBandSizeChange)
        AlignIt();
}

void TQRPrintable::SetParent(TQRBasePanel* parent) {
    TQRControl::SetParent(parent);
    if (auto* report = dynamic_cast<TCustomPagettaRep*>(parent)) {
        m_Size.SetUnits(report->Units());
        SetParentReport(report);
        m_Size.SetZoom(report->Zoom());
    } else if (auto* band = dynamic_cast<TQRCustomBand*>(parent)) {
        m_Size.SetUnits(band->Size().Units());
        SetParentReport(band->ParentReport());
        m_Size.SetZoom(band->Zoom());
    } else {
        return;
    }
    // Written again, the position is stored for the new zoom and unit.
    SetTop(Top());
    SetLeft(Left());
}

std::optional<int> TQRPrintable::ParentZoom() const {
    if (const TQRBasePanel* parent = Parent())
        return parent->Zoom();
    return std::nullopt;
}

void TQRPrintable::SetBounds(int left, int top, int width, int height) {
    if (m_Size.Updating()) {
        ApplyBounds(left, top, width, height);
        return;
    }
    if (Loading()) {
        // Stored pixel bounds only back up values that come out as 0.
        const int bounds[4] = {left, top, width, height};
        for (int i = 0; i < 4; ++i)
            if (bounds[i] != 0)
                m_LoadedBounds[i] = bounds[i];
        ApplyBounds(left, top, width, height);
        return;
    }
    m_Size.SetSavedUnits(m_Size.Units());
    m_Size.SetUnits(TQRUnit::Pixels);
    if (height != m_Size.Height())
        m_Size.SetHeight(height);
    if (width != m_Size.Width())
        m_Size.SetWidth(width);
    if (top != m_Size.Top())
        m_Size.SetTop(top);
    if (left != m_Size.Left())
        m_Size.SetLeft(left);
    m_Size.SetUnits(m_Size.SavedUnits());
    m_Size.Refresh();
    AlignIt();
}

void TQRPrintable::Loaded() {
    TQRControl::Loaded();
    m_Size.Refresh();
    int bounds[4] = {TQRControl::Left(), TQRControl::Top(), Width(), Height()};
    bool changed = false;
    for (int i = 0; i < 4; ++i)
        if (bounds[i] == 0 && m_LoadedBounds[i] != 0) {
            bounds[i] = m_LoadedBounds[i];
            changed = true;
        }
    if (changed)
        ApplyBounds(bounds[0], bounds[1], bounds[2], bounds[3]);
}

} // namespace zel

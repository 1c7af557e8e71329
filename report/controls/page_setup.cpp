#include "report/controls/page_setup.h"

namespace zel {

TQRPage::TQRPage(TQRUnitsReport* report, int resolution)
    : TQRUnitBase({false, false, false, true, true, true, true}, resolution) {
    SetBottomMargin(0);
    if (DefaultUnits() == TQRUnit::Inches) {
        SetUnits(TQRUnit::Inches);
        SetPaperSize(TQRPaperSize::Letter);
        SetTopMargin(0.5L);
        SetBottomMargin(0.5L);
        SetLeftMargin(0.5L);
        SetRightMargin(0.5L);
    } else {
        SetUnits(TQRUnit::MM);
        SetPaperSize(TQRPaperSize::A4);
        SetTopMargin(10);
        SetBottomMargin(10);
        SetLeftMargin(10);
        SetRightMargin(10);
    }
    SetColumnSpace(0);
    m_Report = report;
    SetParentReport(report);
}

void TQRPage::SetReport(TQRUnitsReport* report) {
    m_Report = report;
    SetParentReport(report);
}

void TQRPage::SetValue(int index, long double value) {
    if ((index == kWidth || index == kLength) && m_PaperSize != TQRPaperSize::Custom)
        return;
    TQRUnitBase::SetValue(index, value);
    switch (index) {
    case kBottomMargin:
    case kLength:
    case kWidth:
        UpdateOwner();
        if (m_Report)
            m_Report->ArrangeBands();
        break;
    default:
        if (m_Report) {
            m_Report->ArrangeBands();
            m_Report->Repaint();
        }
        break;
    }
}

void TQRPage::UpdateOwner() {
    if (!m_Report)
        return;
    TUpdatingScope scope(*this);
    if (!scope.Entered())
        return;
    m_Report->SetPixelSize(Pixels(true, NativeValue(kWidth)), Pixels(false, NativeValue(kLength)));
}

void TQRPage::SetColumns(int columns) {
    if (columns == m_Columns || columns < 1)
        return;
    m_Columns = columns;
    if (m_Report) {
        m_Report->ArrangeBands();
        m_Report->Repaint();
    }
}

void TQRPage::SetOrientation(TPrinterOrientation orientation) {
    m_Orientation = orientation;
    SetPaperSize(m_PaperSize);
}

void TQRPage::SetPaperSize(TQRPaperSize size) {
    if (const auto paper = PaperDimensions(size)) {
        SetSavedUnits(Units());
        SetUnits(TQRUnit::MM);
        // Width and Length accept writes only for a custom size.
        m_PaperSize = TQRPaperSize::Custom;
        const bool portrait = m_Orientation == TPrinterOrientation::poPortrait;
        try {
            SetWidth(portrait ? paper->Width : paper->Length);
            SetLength(portrait ? paper->Length : paper->Width);
        } catch (...) {
            // A report callback failed: the page keeps the caller's unit.
            SetUnits(SavedUnits());
            m_PaperSize = size;
            throw;
        }
        SetUnits(SavedUnits());
        if (m_Report)
            m_Report->ArrangeBands();
    }
    m_PaperSize = size;
}

void TQRPage::SetRuler(bool ruler) {
    if (ruler == m_Ruler)
        return;
    m_Ruler = ruler;
    if (m_Report) {
        m_Report->Repaint();
        m_Report->ReapplyUnits();
    }
}

} // namespace zel

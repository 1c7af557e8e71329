#include "report/controls/label.h"

#include "report/controls/band.h"
#include "report/controls/custom_report.h"
#include "report/controls/measure_canvas.h"

#include <cstdlib>

namespace zel {

TQRCustomLabel::TQRCustomLabel() = default;

TQRCustomLabel::~TQRCustomLabel() = default;

void TQRCustomLabel::SetCaption(const std::string& caption) {
    m_Caption = caption;
    m_Text = caption;
    m_LinesValid = false;
    FormatLines();
    Repaint();
}

void TQRCustomLabel::SetAutoSize(bool autoSize) {
    m_AutoSize = autoSize;
    FormatLines();
}

void TQRCustomLabel::SetWordWrap(bool wordWrap) {
    m_WordWrap = wordWrap;
    FormatLines();
}

void TQRCustomLabel::SetTransparent(bool transparent) {
    m_Transparent = transparent;
    Repaint();
}

void TQRCustomLabel::SetAlignment(TAlignment alignment) {
    TQRPrintable::SetAlignment(alignment);
    FormatLines();
}

const platform::TFontSpec& TQRCustomLabel::Font() const {
    if (m_ParentFont) {
        if (const TQRCustomBand* band = ParentBand())
            return band->Font();
        if (const TCustomPagettaRep* report = ParentReport())
            return report->Font();
    }
    return m_Font;
}

void TQRCustomLabel::SetFont(const platform::TFontSpec& font) {
    m_Font = font;
    m_ParentFont = false;
    FormatLines();
}

void TQRCustomLabel::SetParentFont(bool parentFont) {
    if (!parentFont && m_ParentFont)
        m_Font = Font();
    m_ParentFont = parentFont;
    FormatLines();
}

int TQRCustomLabel::FontSize() const {
    const platform::TFontSpec& font = Font();
    if (font.Size != 0)
        return std::abs(font.Size);
    return MulDiv(std::abs(font.Height), 72, platform::kScreenPixelsPerInch);
}

void TQRCustomLabel::SetFontSize(int points) {
    m_StoredFontSize = points;
    if (Loading() || points <= 0)
        return;
    platform::TFontSpec font = Font();
    font.Size = points;
    SetFont(font);
}

void TQRCustomLabel::Loaded() {
    TQRPrintable::Loaded();
    if (m_StoredFontSize > 0)
        SetFontSize(m_StoredFontSize);
    FormatLines();
}

void TQRCustomLabel::Prepare() {
    TQRPrintable::Prepare();
    // Formatted again with the report's measuring.
    SetCaption(m_Caption);
}

void TQRCustomLabel::SetParent(TQRBasePanel* parent) {
    TQRPrintable::SetParent(parent);
    FormatLines();
}

int TQRCustomLabel::TextWidth(std::string_view text) {
    if (TCustomPagettaRep* report = ParentReport())
        return report->TextWidth(Font(), text, Size().Zoom());
    if (!m_OwnCanvas)
        m_OwnCanvas = std::make_unique<TQRMeasureCanvas>();
    m_OwnCanvas->SetFont(Font());
    return m_OwnCanvas->TextWidth(text);
}

int TQRCustomLabel::LineHeight() {
    if (TCustomPagettaRep* report = ParentReport())
        return report->TextHeight(Font(), Size().Zoom()) * Size().Zoom() / 100 + 1;
    if (!m_OwnCanvas)
        m_OwnCanvas = std::make_unique<TQRMeasureCanvas>();
    m_OwnCanvas->SetFont(Font());
    return m_OwnCanvas->TextHeight("W") + 1;
}

} // namespace zel

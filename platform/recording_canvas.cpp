#include "platform/recording_canvas.h"

#include "platform/text_metrics.h"

#include <algorithm>

namespace zel::platform {
namespace {

// Out-of-range values would make the page unloadable; nothing drawn that
// far away is visible anyway.
int Clamp(int v) {
    return std::clamp(v, -kMaxCoordinate, kMaxCoordinate);
}
TPoint Clamp(TPoint p) {
    return {Clamp(p.X), Clamp(p.Y)};
}
TRect Clamp(const TRect& r) {
    return {Clamp(r.Left), Clamp(r.Top), Clamp(r.Right), Clamp(r.Bottom)};
}

} // namespace

TRecordingCanvas::TRecordingCanvas(int width, int height, int pixelsPerInch)
    : m_PixelsPerInch(pixelsPerInch),
      m_Page(std::clamp(width, 0, kMaxPageExtent), std::clamp(height, 0, kMaxPageExtent)) {}

TRecordedPage TRecordingCanvas::TakePage() {
    TRecordedPage page = std::move(m_Page);
    m_Page = TRecordedPage(page.Width(), page.Height());
    return page;
}

void TRecordingCanvas::PenChanged() {
    TPenSpec pen = Pen();
    pen.Width = std::clamp(pen.Width, 0, kMaxPenWidth);
    m_Page.Add(TPenRecord{pen});
}

void TRecordingCanvas::BrushChanged() {
    m_Page.Add(TBrushRecord{Brush()});
}

void TRecordingCanvas::FontChanged() {
    TFontSpec font = Font();
    font.Name.resize(std::min(font.Name.size(), kMaxFaceNameBytes));
    font.Style &= kFontStyleMask;
    m_Page.Add(TFontRecord{font});
}

void TRecordingCanvas::BkModeChanged() {
    m_Page.Add(TBkModeRecord{BkMode()});
}
void TRecordingCanvas::BkColorChanged() {
    m_Page.Add(TBkColorRecord{BkColor()});
}
void TRecordingCanvas::TextAlignChanged() {
    m_Page.Add(TTextAlignRecord{TextAlign()});
}
void TRecordingCanvas::Moved() {
    m_Page.Add(TMoveToRecord{Clamp(PenPos())});
}
void TRecordingCanvas::DrawLine(TPoint, TPoint to) {
    m_Page.Add(TLineToRecord{Clamp(to)});
}
void TRecordingCanvas::Rectangle(const TRect& rect) {
    m_Page.Add(TRectangleRecord{Clamp(rect)});
}
void TRecordingCanvas::Ellipse(const TRect& rect) {
    m_Page.Add(TEllipseRecord{Clamp(rect)});
}
void TRecordingCanvas::FillRect(const TRect& rect) {
    m_Page.Add(TFillRectRecord{Clamp(rect)});
}

void TRecordingCanvas::TextOut(int x, int y, std::string_view text) {
    m_Page.Add(TTextOutRecord{Clamp(TPoint{x, y}), std::string(text)});
}

TSize TRecordingCanvas::TextExtent(std::string_view text) {
    return MeasureText(Font(), text);
}

void TRecordingCanvas::SetClipRect(const TRect& rect) {
    m_Page.Add(TClipRectRecord{Clamp(rect)});
}
void TRecordingCanvas::ClearClip() {
    m_Page.Add(TClearClipRecord{});
}

void TRecordingCanvas::PlayPage(const TRecordedPage& page, const TRect& target) {
    if (PageNestingDepth(page) >= kMaxPageNesting)
        return;
    m_Page.Add(TPlayPageRecord{Clamp(target), std::make_shared<const TRecordedPage>(page)});
}

int PageNestingDepth(const TRecordedPage& page) {
    int depth = 0;
    for (const TPageRecord& record : page.Records())
        if (const auto* played = std::get_if<TPlayPageRecord>(&record); played && played->Page)
            depth = std::max(depth, 1 + PageNestingDepth(*played->Page));
    return depth;
}

} // namespace zel::platform

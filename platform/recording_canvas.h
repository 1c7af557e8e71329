#pragma once
// A canvas that records every call into a recorded page instead of
// drawing. Its reference device is the screen, so text is measured in
// screen pixels and fonts given in points are resolved at the screen's
// resolution.

#include "platform/canvas.h"
#include "platform/recorded_page.h"
#include "platform/screen.h"

namespace zel::platform {

class TRecordingCanvas : public TCanvas {
public:
    // A page of width x height screen pixels (negative sizes count as 0).
    TRecordingCanvas(int width, int height, int pixelsPerInch = ScreenPixelsPerInch());

    int PixelsPerInch() const override { return m_PixelsPerInch; }
    const TRecordedPage& Page() const { return m_Page; }
    // Hands the page over; the canvas starts an empty page of the same size.
    TRecordedPage TakePage();

    void Rectangle(const TRect& rect) override;
    void Ellipse(const TRect& rect) override;
    void FillRect(const TRect& rect) override;
    void TextOut(int x, int y, std::string_view text) override;
    TSize TextExtent(std::string_view text) override;
    void SetClipRect(const TRect& rect) override;
    void ClearClip() override;
    // The page is kept whole inside this one, unless that would nest pages
    // deeper than a page may be loaded again; such a page is left out.
    void PlayPage(const TRecordedPage& page, const TRect& target) override;

protected:
    void PenChanged() override;
    void BrushChanged() override;
    void FontChanged() override;
    void BkModeChanged() override;
    void BkColorChanged() override;
    void TextAlignChanged() override;
    void Moved() override;
    void DrawLine(TPoint from, TPoint to) override;

private:
    int m_PixelsPerInch;
    TRecordedPage m_Page;
};

// How deep pages are nested inside the page: 0 for a page that plays no
// other page.
int PageNestingDepth(const TRecordedPage& page);

} // namespace zel::platform

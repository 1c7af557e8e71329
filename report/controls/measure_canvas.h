#pragma once
// A canvas that only measures text, through the screen's fonts at the
// engine's screen resolution; whatever is drawn on it is dropped. Labels
// break their lines with it, so breaking is the same for every device.

#include "platform/canvas.h"
#include "platform/screen.h"
#include "platform/text_metrics.h"

namespace zel {

class TQRMeasureCanvas : public platform::TCanvas {
public:
    explicit TQRMeasureCanvas(int pixelsPerInch = platform::ScreenPixelsPerInch())
        : m_PixelsPerInch(pixelsPerInch) {}

    int PixelsPerInch() const override { return m_PixelsPerInch; }
    platform::TSize TextExtent(std::string_view text) override {
        return platform::MeasureText(Font(), text);
    }
    void Rectangle(const platform::TRect&) override {}
    void Ellipse(const platform::TRect&) override {}
    void FillRect(const platform::TRect&) override {}
    void TextOut(int, int, std::string_view) override {}
    void SetClipRect(const platform::TRect&) override {}
    void ClearClip() override {}
    void PlayPage(const platform::TRecordedPage&, const platform::TRect&) override {}

protected:
    void DrawLine(platform::TPoint, platform::TPoint) override {}

private:
    int m_PixelsPerInch;
};

} // namespace zel

#pragma once
// TQRFrame: which sides of a panel or printable get a line, and how thick.
// The lines are solid fills inside the rectangle, so they print the same
// on every device whatever pen styles it knows.

#include "platform/canvas.h"

namespace zel {

class TQRControl;

class TQRFrame {
public:
    explicit TQRFrame(TQRControl* owner = nullptr) : m_Owner(owner) {}

    platform::TColor Color() const { return m_Color; }
    void SetColor(platform::TColor color);
    bool DrawTop() const { return m_DrawTop; }
    void SetDrawTop(bool draw);
    bool DrawBottom() const { return m_DrawBottom; }
    void SetDrawBottom(bool draw);
    bool DrawLeft() const { return m_DrawLeft; }
    void SetDrawLeft(bool draw);
    bool DrawRight() const { return m_DrawRight; }
    void SetDrawRight(bool draw);
    platform::TPenStyle Style() const { return m_Style; }
    void SetStyle(platform::TPenStyle style);
    // Points (1/72 inch); -1 is one device pixel whatever the device.
    int Width() const { return m_Width; }
    void SetWidth(int width);

    TQRControl* Owner() const { return m_Owner; }
    bool AnyFrame() const { return m_DrawTop || m_DrawBottom || m_DrawLeft || m_DrawRight; }

    // Draws the sides that are on inside `rect` (device pixels); the factors
    // are device pixels per tenth of a millimetre.
    void PaintIt(platform::TCanvas& canvas, const platform::TRect& rect, long double xFactor,
                 long double yFactor) const;

private:
    void Changed();

    TQRControl* m_Owner;
    platform::TColor m_Color = platform::kBlack;
    bool m_DrawTop = false;
    bool m_DrawBottom = false;
    bool m_DrawLeft = false;
    bool m_DrawRight = false;
    platform::TPenStyle m_Style = platform::TPenStyle::Solid;
    int m_Width = 1;
};

// Device pixels of a line `width` points thick at `factor` device pixels
// per tenth of a millimetre: never thinner than one pixel unless the width
// is 0 or less (other than -1).
int FrameLineWidth(int width, long double factor);

} // namespace zel

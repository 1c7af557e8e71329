#pragma once
// The report's visual objects as the engine keeps them: bounds in screen
// pixels on their parent panel, and panels (the report, its bands) that
// hold child controls. There is no widget behind them: the design surface
// is not part of the engine.

#include "report/controls/frame.h"
#include "report/controls/qr_component.h"

#include <vector>

namespace zel {

class TQRBasePanel;

class TQRControl : public TQRComponent {
public:
    ~TQRControl() override;

    TQRBasePanel* Parent() const { return m_Parent; }
    virtual void SetParent(TQRBasePanel* parent);

    virtual int Left() const { return m_Left; }
    virtual int Top() const { return m_Top; }
    int Width() const { return m_Width; }
    int Height() const { return m_Height; }
    void SetLeft(int left) { SetBounds(left, m_Top, m_Width, m_Height); }
    void SetTop(int top) { SetBounds(m_Left, top, m_Width, m_Height); }
    void SetWidth(int width) { SetBounds(m_Left, m_Top, width, m_Height); }
    void SetHeight(int height) { SetBounds(m_Left, m_Top, m_Width, height); }
    // Bounds changed from outside (a program, the designer, the arrangement).
    virtual void SetBounds(int left, int top, int width, int height);

    // The design surface would redraw here; the engine has nothing to draw.
    virtual void Repaint() {}

protected:
    // Takes the bounds as they are, with no size values to follow.
    void ApplyBounds(int left, int top, int width, int height);

private:
    friend class TQRBasePanel;

    TQRBasePanel* m_Parent = nullptr;
    int m_Left = 0;
    int m_Top = 0;
    int m_Width = 0;
    int m_Height = 0;
};

class TQRBasePanel : public TQRControl {
public:
    TQRBasePanel();
    ~TQRBasePanel() override;

    TQRFrame& Frame() { return m_Frame; }
    const TQRFrame& Frame() const { return m_Frame; }
    // Percent; passed on to the size values of the controls on the panel.
    int Zoom() const { return m_Zoom; }
    virtual void SetZoom(int zoom) { m_Zoom = zoom; }
    // Points, kept for the design surface.
    int FontSize() const { return m_FontSize; }
    void SetFontSize(int points) { m_FontSize = points; }

    // Child controls in child order.
    const std::vector<TQRControl*>& Controls() const { return m_Controls; }

protected:
    // A child joined or left; the panel re-reads what it keeps of them.
    virtual void ControlsChanged() {}

private:
    friend class TQRControl;

    TQRFrame m_Frame;
    int m_Zoom = 100;
    int m_FontSize = 0;
    std::vector<TQRControl*> m_Controls;
};

} // namespace zel

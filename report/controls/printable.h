#pragma once
// TQRPrintable: the base of everything printed on a band (or directly on
// the report). Its pixel bounds and its Size in report units follow each
// other; printing uses the Size. The base class prints only its frame.

#include "report/controls/alignment.h"
#include "report/controls/control.h"
#include "report/controls/print_surface.h"
#include "report/controls/size_holders.h"

namespace zel {

class TCustomPagettaRep;
class TQRCustomBand;

class TQRPrintable : public TQRControl, public TQRPrintableControl {
public:
    // What a band tells its printables.
    enum TQRNotifyOperation { qrBandSizeChange = 2 };

    TQRPrintable();
    ~TQRPrintable() override;

    TQRPrintableSize& Size() { return m_Size; }
    const TQRPrintableSize& Size() const { return m_Size; }
    TQRFrame& Frame() { return m_Frame; }
    const TQRFrame& Frame() const { return m_Frame; }
    bool Enabled() const { return m_Enabled; }
    void SetEnabled(bool enabled) { m_Enabled = enabled; }
    platform::TColor Color() const { return m_Color; }
    void SetColor(platform::TColor color);
    TAlignment Alignment() const { return m_Alignment; }
    virtual void SetAlignment(TAlignment alignment);
    bool AlignToBand() const { return m_AlignToBand; }
    void SetAlignToBand(bool align);

    TCustomPagettaRep* ParentReport() const { return m_ParentReport; }
    virtual void SetParentReport(TCustomPagettaRep* report);
    // The band this control sits on; none on the report itself.
    TQRCustomBand* ParentBand() const;
    // The report printer of the run, taken by Prepare.
    TQRPrintSurface* QRPrinter() const { return m_QRPrinter; }
    bool IsPrinting() const { return m_IsPrinting; }
    // False while the control has more to print than it had room for.
    bool PrintFinished() const { return m_PrintFinished; }

    // Before a run: take the report's printer. After it: let go.
    virtual void Prepare();
    virtual void Unprepare();
    // Prints at the band's top-left corner (tenths of a millimetre).
    virtual void Print(long double offsetX, long double offsetY);
    // Places the control inside its band by Alignment (pixels).
    virtual void AlignIt();
    virtual void QRNotification(TQRNotifyOperation operation);

    void SetParent(TQRBasePanel* parent) override;
    int Left() const override { return TQRControl::Left(); }
    int Top() const override { return TQRControl::Top(); }
    void SetBounds(int left, int top, int width, int height) override;
    std::optional<int> ParentZoom() const override;
    void Loaded() override;

protected:
    void SetPrintFinished(bool finished) { m_PrintFinished = finished; }
    // A Size value in tenths of a millimetre, whatever Units says.
    long double NativeValue(int index) const { return m_Size.WriteValues().at(index); }
    // The control's rectangle on the page, for a band at the offsets.
    platform::TRect PrintRect(long double offsetX, long double offsetY) const;
    void Notification(TQRComponent* component) override;

private:
    TQRPrintableSize m_Size;
    TQRFrame m_Frame;
    bool m_Enabled = true;
    platform::TColor m_Color = platform::kWhite;
    TAlignment m_Alignment = taLeftJustify;
    bool m_AlignToBand = false;
    TCustomPagettaRep* m_ParentReport = nullptr;
    TQRPrintSurface* m_QRPrinter = nullptr;
    bool m_IsPrinting = false;
    bool m_PrintFinished = true;
    bool m_Aligning = false;
    // Pixel bounds met while loading, for coordinates the values leave at 0.
    int m_LoadedBounds[4] = {0, 0, 0, 0};
};

} // namespace zel

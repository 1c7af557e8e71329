#pragma once
// TCustomPagettaRep: the report as its bands and printables see it: the
// page setup, units and zoom, the font, the bands and their arrangement
// across the page, the text measuring, and the report printer of the run
// with the layout operations a printing band calls. The generation run
// itself (records, pages, columns, Preview and Print) is built on top of
// this class and implements those layout operations.

#include "platform/canvas.h"
#include "report/controls/band.h"
#include "report/controls/control.h"
#include "report/controls/page_setup.h"
#include "report/controls/print_surface.h"

#include <memory>
#include <string_view>
#include <vector>

namespace zel {

class TQRPrintable;

class TCustomPagettaRep : public TQRBasePanel, public TQRUnitsReport {
public:
    TCustomPagettaRep();
    ~TCustomPagettaRep() override;

    TQRPage& Page() { return m_Page; }
    const TQRPage& Page() const { return m_Page; }
    TQRUnit Units() const { return m_Page.Units(); }
    // The page, every band's Size with the printables on it, and the
    // printables placed on the report.
    void SetUnits(TQRUnit unit);
    // 1 ... 300; other values are ignored.
    void SetZoom(int zoom) override;
    const platform::TFontSpec& Font() const { return m_Font; }
    void SetFont(const platform::TFontSpec& font);
    platform::TColor Color() const { return m_Color; }
    void SetColor(platform::TColor color) { m_Color = color; }

    // All bands, in design order (page header, title, column header, the
    // record bands, summary, page footer, the rest), each followed by its
    // child bands.
    const std::vector<TQRCustomBand*>& BandList() const { return m_BandList; }
    virtual void RebuildBandList();
    // The bands placed on the report, in child order.
    std::vector<TQRCustomBand*> Bands() const;
    // The printables placed directly on the report.
    std::vector<TQRPrintable*> Printables() const;
    // The first band of that type in BandList; none when there is none.
    TQRCustomBand* FindBand(TQRBandType type) const;

    // Text measured the way labels break their lines: through the screen's
    // fonts, scaled by `zoom` percent. Widths get one pixel more, so that a
    // line measured to fit never touches the label's edge.
    int TextWidth(const platform::TFontSpec& font, std::string_view text, int zoom);
    int TextHeight(const platform::TFontSpec& font, int zoom);
    // The canvas that measures; a screen-resolution one unless replaced.
    platform::TCanvas& MeasureCanvas();
    void SetMeasureCanvas(std::unique_ptr<platform::TCanvas> canvas);

    // The report printer of the current run; none between runs.
    TQRPrintSurface* QRPrinter() const { return m_QRPrinter; }
    void SetQRPrinter(TQRPrintSurface* printer) { m_QRPrinter = printer; }

    // Layout state of the run, tenths of a millimetre from the paper's
    // corner; CurrentY -1 means no page has been begun.
    bool Idle() const { return m_Idle; }
    int CurrentX() const { return m_CurrentX; }
    void SetCurrentX(int x) { m_CurrentX = x; }
    int CurrentY() const { return m_CurrentY; }
    void SetCurrentY(int y) { m_CurrentY = y; }
    int PageNumber() const { return m_PageNumber; }

    // Layout operations of the generation run that bands call while they
    // print. SpaceLeft is the room left in the column for bands.
    virtual int SpaceLeft() const = 0;
    virtual void NewColumn() = 0;
    virtual void EnsureSpace(TQRCustomBand& band) = 0;
    virtual void BreakToNewPage() = 0;
    virtual void BreakToNewColumn() = 0;
    virtual void OutputBand(TQRCustomBand* band) = 0;

    // Loading a stored layout: between these two, values are only kept;
    // EndLoad puts every band and printable in step and arranges the bands.
    void BeginLoad();
    void EndLoad();

    // TQRUnitsReport
    long double FontSizePoints() const override;
    void SetPixelSize(int width, int height) override;
    // Every band gets its place and width: page-wide bands the width inside
    // the margins, the others a column's.
    void ArrangeBands() override;
    void Repaint() override {}
    void ReapplyUnits() override { SetUnits(Units()); }

protected:
    void SetIdle(bool idle) { m_Idle = idle; }
    void SetPageNumber(int page) { m_PageNumber = page; }
    void ControlsChanged() override;

private:
    TQRPage m_Page;
    platform::TFontSpec m_Font;
    platform::TColor m_Color = platform::kWhite;
    std::vector<TQRCustomBand*> m_BandList;
    std::unique_ptr<platform::TCanvas> m_MeasureCanvas;
    TQRPrintSurface* m_QRPrinter = nullptr;
    bool m_Idle = true;
    bool m_Arranging = false;
    int m_CurrentX = 0;
    int m_CurrentY = -1;
    int m_PageNumber = 0;
};

// Nearest integer of a * b / c, halves away from zero; 0 when c is 0.
int MulDiv(int a, int b, int c);

} // namespace zel

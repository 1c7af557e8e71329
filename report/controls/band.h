#pragma once
// Bands: the horizontal strips a report is built from. Each band has a
// type that says when the generation run prints it, keeps its pixel
// bounds and its Size in report units in step, and holds the printable
// controls that print on it. The report arranges the bands, which fixes
// their widths; child bands follow their parent band, a linked band must
// fit on the same page.

#include "report/controls/control.h"
#include "report/controls/size_holders.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zel {

class TCustomPagettaRep;
class TQRChildBand;
class TQRController;
class TQRDataSet;
class TQRPrintable;

enum TQRBandType : std::uint8_t {
    rbTitle,
    rbPageHeader,
    rbDetail,
    rbPageFooter,
    rbSummary,
    rbGroupHeader,
    rbGroupFooter,
    rbSubDetail,
    rbColumnHeader,
    rbOverlay,
    rbChild
};

// Whether the arrangement gives bands of this type the page's width (the
// others get a column's).
bool IsPageWideBandType(TQRBandType type);

class TQRCustomBand : public TQRBasePanel, public TQRSizedControl {
public:
    using TQRBandBeforePrintEvent = std::function<void(TQRCustomBand& sender, bool& printBand)>;
    using TQRBandAfterPrintEvent = std::function<void(TQRCustomBand& sender, bool bandPrinted)>;

    inline static constexpr int kNewBandHeight = 40;

    TQRCustomBand();
    ~TQRCustomBand() override;

    TQRBandSize& Size() { return m_Size; }
    const TQRBandSize& Size() const { return m_Size; }
    TQRBandType BandType() const { return m_BandType; }
    // The report lists and arranges its bands again.
    void SetBandType(TQRBandType type);
    bool Enabled() const { return m_Enabled; }
    void SetEnabled(bool enabled) { m_Enabled = enabled; }
    platform::TColor Color() const { return m_Color; }
    void SetColor(platform::TColor color);
    // The band's own font, or the report's with ParentFont.
    const platform::TFontSpec& Font() const;
    void SetFont(const platform::TFontSpec& font);
    bool ParentFont() const { return m_ParentFont; }
    void SetParentFont(bool parentFont) { m_ParentFont = parentFont; }
    bool AlignToBottom() const { return m_AlignToBottom; }
    void SetAlignToBottom(bool align) { m_AlignToBottom = align; }
    bool ForceNewColumn() const { return m_ForceNewColumn; }
    void SetForceNewColumn(bool force) { m_ForceNewColumn = force; }
    bool ForceNewPage() const { return m_ForceNewPage; }
    void SetForceNewPage(bool force) { m_ForceNewPage = force; }

    TQRCustomBand* LinkBand() const { return m_LinkBand; }
    // A value whose chain of links comes back to this band is ignored.
    void SetLinkBand(TQRCustomBand* band);
    // The first child band of the report whose ParentBand is this band.
    TQRChildBand* ChildBand() const;
    bool HasChild() const { return ChildBand() != nullptr; }
    // True makes a child band; false frees it and hands its own child, if
    // any, to this band.
    void SetHasChild(bool hasChild);

    TQRBandBeforePrintEvent BeforePrint;
    TQRBandAfterPrintEvent AfterPrint;

    TCustomPagettaRep* ParentReport() const { return m_ParentReport; }
    virtual void SetParentReport(TCustomPagettaRep* report);
    TQRController* Controller() const { return m_Controller; }
    void SetController(TQRController* controller) { m_Controller = controller; }
    // The last printed rectangle, device pixels.
    const platform::TRect& BandRect() const { return m_BandRect; }
    // Extra height gained while printing, tenths of a millimetre.
    long double Expanded() const { return m_Expanded; }
    // A label needs `amount` more; the band grows unless another label made
    // it grow enough already. Gives the label's new expansion.
    long double Expand(long double amount, bool firstRequest);
    bool Arranging() const { return m_Arranging; }
    void SetArranging(bool arranging) { m_Arranging = arranging; }

    // Height needed on the page, with the linked bands when asked.
    long double RequiredHeight(bool includeLinked) const;
    virtual std::string BandTypeName() const;
    // The printables on the band, in child order.
    std::vector<TQRPrintable*> Printables() const;

    // The band prints itself at the report's current position, with its
    // controls, and then its child band.
    virtual void Print();

    void SetUnits(TQRUnit unit);
    void SetZoom(int zoom) override;
    void SetParent(TQRBasePanel* parent) override;
    int Left() const override { return TQRControl::Left(); }
    int Top() const override { return TQRControl::Top(); }
    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;

protected:
    void Notification(TQRComponent* component) override;
    // Fills the band, prints its controls pass by pass (a pass per column
    // while some of them have more to print) and frames it.
    void PrintContents();
    long double NativeHeight() const { return m_Size.WriteValues().at(TQRBandSize::kHeight); }
    long double NativeWidth() const { return m_Size.WriteValues().at(TQRBandSize::kWidth); }

private:
    // Printables aligned to the band take their place again in its new size.
    void NotifyPrintables();
    // A Size value as whole pixels at the band's zoom.
    int SizePixels(int index) const;

    TQRBandSize m_Size;
    TQRBandType m_BandType = rbTitle;
    bool m_Enabled = true;
    platform::TColor m_Color = platform::kWhite;
    platform::TFontSpec m_Font;
    bool m_ParentFont = true;
    bool m_AlignToBottom = false;
    bool m_ForceNewColumn = false;
    bool m_ForceNewPage = false;
    TQRCustomBand* m_LinkBand = nullptr;
    TCustomPagettaRep* m_ParentReport = nullptr;
    TQRController* m_Controller = nullptr;
    platform::TRect m_BandRect;
    long double m_Expanded = 0;
    bool m_Arranging = false;
    int m_LoadedHeight = 0;
};

class TQRBand : public TQRCustomBand {
public:
    explicit TQRBand(TQRBandType type = rbTitle) { SetBandType(type); }
};

class TQRChildBand : public TQRCustomBand {
public:
    TQRChildBand();

    TQRCustomBand* ParentBand() const { return m_ParentBand; }
    // Refused when the chain of parent bands comes back to this band;
    // stored only while the band is on a report.
    void SetParentBand(TQRCustomBand* band);

protected:
    void Notification(TQRComponent* component) override;

private:
    TQRCustomBand* m_ParentBand = nullptr;
};

// A band whose records come from a controller of its own.
class TQRControllerBand : public TQRBand {
public:
    explicit TQRControllerBand(TQRBandType type) : TQRBand(type) {}

    // The report, controller or controller band it hangs under.
    TQRComponent* Master() const { return m_Master; }
    void SetMaster(TQRComponent* master);

protected:
    void Notification(TQRComponent* component) override;

private:
    TQRComponent* m_Master = nullptr;
};

class TQRSubDetail : public TQRControllerBand {
public:
    using TQROnNeedDataEvent = std::function<void(TQRComponent& sender, bool& moreData)>;

    TQRSubDetail() : TQRControllerBand(rbSubDetail) {}

    TQRCustomBand* HeaderBand() const { return m_HeaderBand; }
    void SetHeaderBand(TQRCustomBand* band);
    TQRCustomBand* FooterBand() const { return m_FooterBand; }
    void SetFooterBand(TQRCustomBand* band);
    bool PrintBefore() const { return m_PrintBefore; }
    void SetPrintBefore(bool before) { m_PrintBefore = before; }
    bool PrintIfEmpty() const { return m_PrintIfEmpty; }
    void SetPrintIfEmpty(bool print) { m_PrintIfEmpty = print; }
    TQRDataSet* DataSet() const { return m_DataSet; }
    void SetDataSet(TQRDataSet* dataSet) { m_DataSet = dataSet; }
    bool HasHeader() const { return m_HeaderBand != nullptr; }
    bool HasFooter() const { return m_FooterBand != nullptr; }

    TQROnNeedDataEvent OnNeedData;

protected:
    void Notification(TQRComponent* component) override;

private:
    TQRCustomBand* m_HeaderBand = nullptr;
    TQRCustomBand* m_FooterBand = nullptr;
    bool m_PrintBefore = false;
    bool m_PrintIfEmpty = true;
    TQRDataSet* m_DataSet = nullptr;
};

class TQRGroup : public TQRBand {
public:
    TQRGroup() : TQRBand(rbGroupHeader) {}

    const std::string& Expression() const { return m_Expression; }
    void SetExpression(const std::string& expression) { m_Expression = expression; }
    // The footer band becomes a group footer.
    TQRCustomBand* FooterBand() const { return m_FooterBand; }
    void SetFooterBand(TQRCustomBand* band);
    // Only a report or a controller band.
    TQRComponent* Master() const { return m_Master; }
    void SetMaster(TQRComponent* master);
    bool ReprintOnNewPage() const { return m_ReprintOnNewPage; }
    void SetReprintOnNewPage(bool reprint) { m_ReprintOnNewPage = reprint; }

    void SetParentReport(TCustomPagettaRep* report) override;

protected:
    void Notification(TQRComponent* component) override;

private:
    std::string m_Expression;
    TQRCustomBand* m_FooterBand = nullptr;
    TQRComponent* m_Master = nullptr;
    bool m_ReprintOnNewPage = false;
};

} // namespace zel

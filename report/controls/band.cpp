#include "report/controls/band.h"

#include "report/controls/custom_report.h"
#include "report/controls/printable.h"

namespace zel {

bool IsPageWideBandType(TQRBandType type) {
    switch (type) {
    case rbTitle:
    case rbPageHeader:
    case rbPageFooter:
    case rbSummary:
    case rbOverlay:
        return true;
    default:
        return false;
    }
}

TQRCustomBand::TQRCustomBand() : m_Size(this) {
    SetHeight(kNewBandHeight);
}

TQRCustomBand::~TQRCustomBand() {
    MarkDestroying();
    DestroyComponents();
    m_Size.SetBand(nullptr);
    if (TCustomPagettaRep* report = m_ParentReport) {
        m_ParentReport = nullptr;
        // Leaving the report's list before the base class leaves its parent.
        SetParent(nullptr);
        if (!report->Destroying())
            report->RebuildBandList();
    }
}

void TQRCustomBand::SetBandType(TQRBandType type) {
    if (type == m_BandType)
        return;
    m_BandType = type;
    if (m_ParentReport && !m_ParentReport->Loading()) {
        m_ParentReport->RebuildBandList();
        m_ParentReport->ArrangeBands();
    }
}

void TQRCustomBand::SetColor(platform::TColor color) {
    m_Color = color;
    Repaint();
}

const platform::TFontSpec& TQRCustomBand::Font() const {
    if (m_ParentFont && m_ParentReport)
        return m_ParentReport->Font();
    return m_Font;
}

void TQRCustomBand::SetFont(const platform::TFontSpec& font) {
    m_Font = font;
    m_ParentFont = false;
}

void TQRCustomBand::SetLinkBand(TQRCustomBand* band) {
    for (const TQRCustomBand* walk = band; walk; walk = walk->m_LinkBand)
        if (walk == this)
            return;
    m_LinkBand = band;
    if (band)
        FreeNotification(band);
}

TQRChildBand* TQRCustomBand::ChildBand() const {
    if (!m_ParentReport)
        return nullptr;
    for (TQRCustomBand* band : m_ParentReport->BandList())
        if (auto* child = dynamic_cast<TQRChildBand*>(band);
            child && child->BandType() == rbChild && child->ParentBand() == this)
            return child;
    return nullptr;
}

void TQRCustomBand::SetHasChild(bool hasChild) {
    TQRChildBand* child = ChildBand();
    if (hasChild == (child != nullptr))
        return;
    if (hasChild) {
        TQRComponent* owner = Owner() ? Owner() : this;
        auto* made = owner->Own(std::make_unique<TQRChildBand>());
        made->SetParent(Parent());
        made->SetParentBand(this);
        return;
    }
    // The grandchild moves up first, so the chain stays connected.
    if (TQRChildBand* grandchild = child->ChildBand())
        grandchild->SetParentBand(this);
    if (!child->Owner() || !child->Owner()->FreeOwned(child))
        child->SetParent(nullptr);
}

void TQRCustomBand::SetParentReport(TCustomPagettaRep* report) {
    m_ParentReport = report;
    m_Size.SetParentReport(report);
    if (report)
        FreeNotification(report);
    for (TQRPrintable* printable : Printables())
        printable->SetParentReport(report);
}

void TQRCustomBand::Notification(TQRComponent* component) {
    if (component == m_LinkBand)
        m_LinkBand = nullptr;
    if (component == m_ParentReport) {
        m_ParentReport = nullptr;
        m_Size.SetParentReport(nullptr);
    }
}

long double TQRCustomBand::Expand(long double amount, bool firstRequest) {
    if (!(firstRequest && m_Expanded > amount))
        m_Expanded += amount;
    return m_Expanded;
}

long double TQRCustomBand::RequiredHeight(bool includeLinked) const {
    long double height = NativeHeight();
    // The linked band's own height is inside its RequiredHeight already;
    // adding its screen height as well would count it twice, in pixels.
    if (includeLinked && m_LinkBand)
        height += m_LinkBand->RequiredHeight(true);
    return height;
}

std::string TQRCustomBand::BandTypeName() const {
    static constexpr const char* kNames[] = {
        "Title",        "Page Header", "Detail",        "Page Footer", "Summary", "Group Header",
        "Group Footer", "Sub Detail",  "Column Header", "Overlay",     "Child"};
    return kNames[m_BandType];
}

std::vector<TQRPrintable*> TQRCustomBand::Printables() const {
    std::vector<TQRPrintable*> printables;
    for (TQRControl* control : Controls())
        if (auto* printable = dynamic_cast<TQRPrintable*>(control))
            printables.push_back(printable);
    return printables;
}

void TQRCustomBand::SetUnits(TQRUnit unit) {
    m_Size.SetUnits(unit);
    for (TQRPrintable* printable : Printables())
        printable->Size().SetUnits(unit);
}

void TQRCustomBand::SetZoom(int zoom) {
    TQRBasePanel::SetZoom(zoom);
    m_Size.SetZoom(zoom);
    m_Size.UpdateOwner();
    for (TQRControl* control : Controls()) {
        if (auto* printable = dynamic_cast<TQRPrintable*>(control)) {
            printable->Size().SetZoom(zoom);
            printable->Size().UpdateOwner();
        } else if (auto* panel = dynamic_cast<TQRBasePanel*>(control)) {
            panel->SetZoom(zoom);
        }
    }
}

void TQRCustomBand::SetParent(TQRBasePanel* parent) {
    // Bands sit on the report, never on each other.
    if (auto* band = dynamic_cast<TQRCustomBand*>(parent))
        parent = band->Parent();
    auto* report = dynamic_cast<TCustomPagettaRep*>(parent);
    TQRBasePanel::SetParent(parent);
    if (report != m_ParentReport || !report) {
        SetParentReport(report);
        if (report) {
            // Joining the list and the arrangement happened with the parent.
            SetZoom(report->Zoom());
            if (!report->Loading()) {
                report->RebuildBandList();
                report->ArrangeBands();
            }
        }
    }
}

void TQRCustomBand::SetBounds(int left, int top, int width, int height) {
    if (m_Size.Updating()) {
        ApplyBounds(left, top, width, height);
        if (m_ParentReport && !m_Arranging && !m_ParentReport->Loading()) {
            m_ParentReport->ArrangeBands();
            // The arrangement's width could not reach us while the size
            // object was still busy with this update.
            ApplyBounds(TQRControl::Left(), TQRControl::Top(), SizePixels(TQRBandSize::kWidth),
                        SizePixels(TQRBandSize::kHeight));
        }
        NotifyPrintables();
        return;
    }
    if (Loading()) {
        if (height != kNewBandHeight)
            m_LoadedHeight = height;
        ApplyBounds(left, top, width, height);
        return;
    }
    if (m_Arranging) {
        ApplyBounds(left, top, Width(), Height());
        return;
    }
    m_Size.SetSavedUnits(m_Size.Units());
    m_Size.SetUnits(TQRUnit::Pixels);
    if (height != m_Size.Height())
        m_Size.SetHeight(height);
    m_Size.SetUnits(m_Size.SavedUnits());
    // The width belongs to the arrangement.
    ApplyBounds(left, top, Width(), Height());
    if (m_ParentReport && !m_ParentReport->Loading())
        m_ParentReport->ArrangeBands();
}

int TQRCustomBand::SizePixels(int index) const {
    const bool horizontal = index == TQRBandSize::kWidth;
    return static_cast<int>(RoundHalfEven(
        m_Size.FromNative(TQRUnit::Pixels, horizontal, m_Size.WriteValues().at(index))));
}

void TQRCustomBand::NotifyPrintables() {
    for (TQRPrintable* printable : Printables())
        if (printable->AlignToBand())
            printable->QRNotification(TQRPrintable::qrBandSizeChange);
}

void TQRCustomBand::Loaded() {
    TQRBasePanel::Loaded();
    if (m_LoadedHeight != 0 && Height() == kNewBandHeight)
        SetHeight(m_LoadedHeight);
    m_LoadedHeight = 0;
}

TQRChildBand::TQRChildBand() {
    SetBandType(rbChild);
}

void TQRChildBand::SetParentBand(TQRCustomBand* band) {
    for (const TQRCustomBand* walk = band; walk;) {
        if (walk == this)
            return;
        const auto* child = dynamic_cast<const TQRChildBand*>(walk);
        walk = child ? child->m_ParentBand : nullptr;
    }
    if (!ParentReport())
        return;
    m_ParentBand = band;
    if (band)
        FreeNotification(band);
    ParentReport()->RebuildBandList();
    ParentReport()->ArrangeBands();
}

void TQRChildBand::Notification(TQRComponent* component) {
    TQRCustomBand::Notification(component);
    if (component == m_ParentBand)
        m_ParentBand = nullptr;
}

void TQRControllerBand::SetMaster(TQRComponent* master) {
    m_Master = master;
    if (master)
        FreeNotification(master);
}

void TQRControllerBand::Notification(TQRComponent* component) {
    TQRBand::Notification(component);
    if (component == m_Master)
        m_Master = nullptr;
}

void TQRSubDetail::SetHeaderBand(TQRCustomBand* band) {
    m_HeaderBand = band;
    if (band)
        FreeNotification(band);
}

void TQRSubDetail::SetFooterBand(TQRCustomBand* band) {
    m_FooterBand = band;
    if (band)
        FreeNotification(band);
}

void TQRSubDetail::Notification(TQRComponent* component) {
    TQRControllerBand::Notification(component);
    if (component == m_HeaderBand)
        m_HeaderBand = nullptr;
    if (component == m_FooterBand)
        m_FooterBand = nullptr;
}

void TQRGroup::SetFooterBand(TQRCustomBand* band) {
    m_FooterBand = band;
    if (band) {
        FreeNotification(band);
        band->SetBandType(rbGroupFooter);
    }
}

void TQRGroup::SetMaster(TQRComponent* master) {
    if (master && !dynamic_cast<TCustomPagettaRep*>(master) &&
        !dynamic_cast<TQRControllerBand*>(master))
        return;
    m_Master = master;
    if (master)
        FreeNotification(master);
}

void TQRGroup::SetParentReport(TCustomPagettaRep* report) {
    TQRBand::SetParentReport(report);
    if (report && !m_Master)
        SetMaster(report);
}

void TQRGroup::Notification(TQRComponent* component) {
    TQRBand::Notification(component);
    if (component == m_FooterBand)
        m_FooterBand = nullptr;
    if (component == m_Master)
        m_Master = nullptr;
}

} // namespace zel

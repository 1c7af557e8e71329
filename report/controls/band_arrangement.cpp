// The report's bands in design order, and their places on the report's
// surface: one under the other inside the margins, page-wide bands as wide
// as the page between the margins, all others as wide as one column.

#include "report/controls/band.h"
#include "report/controls/custom_report.h"

#include <algorithm>

namespace zel {
namespace {

// The type that decides a band's width: a child band has its parent's.
TQRBandType ArrangedType(const TQRCustomBand& band) {
    const TQRCustomBand* walk = &band;
    // A chain of child bands is finite: cycles are refused when it is built.
    while (walk->BandType() == rbChild) {
        const auto* child = dynamic_cast<const TQRChildBand*>(walk);
        if (!child || !child->ParentBand())
            break;
        walk = child->ParentBand();
    }
    return walk->BandType();
}

// Bands that print together with the records, before the detail band.
bool PrintsBeforeDetail(const TQRCustomBand& band) {
    const auto* sub = dynamic_cast<const TQRSubDetail*>(&band);
    return sub && sub->PrintBefore();
}

} // namespace

void TCustomPagettaRep::RebuildBandList() {
    if (Loading())
        return;
    const std::vector<TQRCustomBand*> bands = Bands();
    std::vector<TQRCustomBand*> list;
    const auto listed = [&list](const TQRCustomBand* band) {
        return std::find(list.begin(), list.end(), band) != list.end();
    };
    // Each band comes with its chain of child bands right behind it.
    const auto childOf = [&](const TQRCustomBand* parent) -> TQRCustomBand* {
        for (TQRCustomBand* candidate : bands) {
            const auto* child = dynamic_cast<const TQRChildBand*>(candidate);
            if (child && child->BandType() == rbChild && child->ParentBand() == parent &&
                !listed(candidate))
                return candidate;
        }
        return nullptr;
    };
    const auto add = [&](TQRCustomBand* band) {
        if (listed(band))
            return;
        list.push_back(band);
        for (TQRCustomBand* child = childOf(band); child; child = childOf(child))
            list.push_back(child);
    };
    const auto addWhere = [&](auto predicate) {
        for (TQRCustomBand* band : bands)
            if (predicate(*band))
                add(band);
    };
    const auto ofType = [](TQRBandType type) {
        return [type](const TQRCustomBand& band) { return band.BandType() == type; };
    };
    addWhere(ofType(rbPageHeader));
    addWhere(ofType(rbTitle));
    addWhere(ofType(rbColumnHeader));
    addWhere(ofType(rbGroupHeader));
    addWhere([](const TQRCustomBand& band) {
        return band.BandType() == rbSubDetail && PrintsBeforeDetail(band);
    });
    addWhere(ofType(rbDetail));
    addWhere([](const TQRCustomBand& band) {
        return band.BandType() == rbSubDetail && !PrintsBeforeDetail(band);
    });
    // Group footers close in the reverse order of their headers.
    for (auto it = bands.rbegin(); it != bands.rend(); ++it)
        if ((*it)->BandType() == rbGroupFooter)
            add(*it);
    addWhere(ofType(rbSummary));
    addWhere(ofType(rbPageFooter));
    // Whatever is left keeps its previous order, then the newcomers.
    for (TQRCustomBand* band : m_BandList)
        if (std::find(bands.begin(), bands.end(), band) != bands.end())
            add(band);
    for (TQRCustomBand* band : bands)
        add(band);
    m_BandList = std::move(list);
}

void TCustomPagettaRep::ArrangeBands() {
    if (Loading() || Destroying() || m_Arranging)
        return;
    m_Arranging = true;
    const TQRUnit savedUnits = Units();
    SetUnits(TQRUnit::Pixels);
    long long top = RoundHalfEven(m_Page.TopMargin());
    const long long left = RoundHalfEven(m_Page.LeftMargin());
    const long long fullWidth = Width() - RoundHalfEven(m_Page.LeftMargin() + m_Page.RightMargin());
    const long long columns = m_Page.Columns();
    const long long columnWidth =
        (fullWidth - RoundHalfEven(m_Page.ColumnSpace()) * (columns - 1)) / columns;
    for (TQRCustomBand* band : m_BandList) {
        if (band->Destroying())
            continue;
        band->SetArranging(true);
        band->SetLeft(static_cast<int>(left));
        band->SetTop(static_cast<int>(top));
        top += band->Height();
        band->Size().SetWidth(static_cast<long double>(
            IsPageWideBandType(ArrangedType(*band)) ? fullWidth : columnWidth));
        band->SetArranging(false);
    }
    SetUnits(savedUnits);
    m_Arranging = false;
}

} // namespace zel

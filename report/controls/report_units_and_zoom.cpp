#include "report/controls/report_units_and_zoom.h"

namespace zel {

void SetReportUnits(TQRPage& page, std::span<TQRUnitBase* const> sizes, TQRUnit unit) {
    page.SetUnits(unit);
    for (TQRUnitBase* size : sizes)
        size->SetUnits(unit);
}

bool SetReportZoom(TQRPage& page, std::span<TQRUnitBase* const> sizes, int zoom) {
    if (zoom < kMinZoom || zoom > kMaxZoom)
        return false;
    for (TQRUnitBase* size : sizes) {
        size->SetZoom(zoom);
        size->UpdateOwner();
    }
    page.SetZoom(zoom);
    page.UpdateOwner();
    if (page.Report())
        page.Report()->ArrangeBands();
    return true;
}

} // namespace zel

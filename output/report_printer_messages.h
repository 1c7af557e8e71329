#pragma once
// The notifications the report printer exchanges with its client window
// (the preview or the progress window) and its master (the report).
// Progress and page-available are posted to the client, the print request
// to the master; preview-closed is sent to the master, so the report has
// handled it before the preview goes on closing.

#include "platform/notifications.h"

namespace zel {

class TQRPrinter;

inline constexpr int QRM_PROGRESS = 1024;       // WParam: percent
inline constexpr int QRM_PAGE_AVAILABLE = 1025; // WParam: the new AvailablePages
inline constexpr int QRM_PRINT_REQUEST = 1026;
inline constexpr int QRM_PREVIEW_CLOSED = 1028; // LParam: the report printer

// The report printer a QRM_PREVIEW_CLOSED comes from.
inline TQRPrinter* NotifyingPrinter(const platform::TNotification& notification) {
    return reinterpret_cast<TQRPrinter*>(notification.LParam);
}

} // namespace zel

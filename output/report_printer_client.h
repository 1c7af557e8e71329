#pragma once
// Whom the report printer tells about its run: its client, the window that
// follows the run (the preview or the progress window), and its master, the
// report whose pages it holds.

#include "platform/notifications.h"

namespace zel {

class TQRPrinter;

// Progress and new pages are posted: they arrive from the event loop after
// the printer's call has returned, so a run never calls into a window in
// the middle of a page, and they are dropped once the client is gone.
class TQRPrinterClient : public platform::TNotificationTarget {
public:
    // What the printer's Progress was set to.
    virtual void ProgressChanged(int percent) = 0;
    // A page was finished, or the run has ended; AvailablePages as it was
    // then.
    virtual void PageAvailable(int availablePages) = 0;
};

class TQRPrinterMaster : public platform::TNotificationTarget {
public:
    // Posted: the preview's print command on pages the report made, which
    // the report makes again for the printer.
    virtual void PrintRequested() = 0;
    // Called, not posted, while the preview window closes: the report has
    // handled it, and may have released `printer`, before the window goes
    // on closing.
    virtual void PreviewClosed(TQRPrinter& printer) = 0;
};

} // namespace zel

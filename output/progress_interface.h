#pragma once
// How a printing report shows its progress without depending on a window:
// window code registers a progress window class at start-up. The window is
// the report printer's client, so it hears QRM_PROGRESS; its cancel button
// calls the printer's Cancel. Without one registered, a window that shows
// nothing and ignores the notifications stands in.

#include "platform/notifications.h"

#include <functional>
#include <memory>

namespace zel {

class TQRPrinter;

class TQRProgressWindow : public platform::TNotificationTarget {
public:
    explicit TQRProgressWindow(TQRPrinter& printer) : m_QRPrinter(&printer) {}
    TQRPrinter& QRPrinter() const { return *m_QRPrinter; }
    virtual void Show() {}
    void HandleNotification(const platform::TNotification&) override {}

private:
    TQRPrinter* m_QRPrinter;
};

using TQRProgressWindowClass = std::function<std::unique_ptr<TQRProgressWindow>(TQRPrinter&)>;

// The class progress windows are made from from now on; an empty one
// brings back the base class.
void SetQRProgressWindowClass(TQRProgressWindowClass windowClass);
std::unique_ptr<TQRProgressWindow> CreateQRProgressWindow(TQRPrinter& printer);

} // namespace zel

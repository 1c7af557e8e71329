#pragma once
// Helpers for the report printer's tests: a window stand-in that keeps what
// it is told, and a printer device that takes every setting, so that paper
// sizes and orientations can be set without an installed printer.

#include "output/printer_device.h"
#include "platform/notifications.h"

#include <functional>
#include <vector>

namespace zel::test {

class TNotificationLog : public platform::TNotificationTarget {
public:
    void HandleNotification(const platform::TNotification& notification) override {
        Received.push_back(notification);
        if (OnNotification)
            OnNotification(notification);
    }
    std::vector<platform::TNotification> OfMessage(int message) const {
        std::vector<platform::TNotification> found;
        for (const auto& n : Received)
            if (n.Message == message)
                found.push_back(n);
        return found;
    }

    std::vector<platform::TNotification> Received;
    std::function<void(const platform::TNotification&)> OnNotification;
};

// A 300 dpi device with A4 and B5 paper whose printable area starts 5 mm
// from the left and 10 mm from the top of the paper.
class TAcceptingDevice : public TPrinterDevice {
public:
    TAcceptingDevice() {
        Settings.Fields = platform::dmOrientation | platform::dmPaperSize |
                          platform::dmPaperLength | platform::dmPaperWidth | platform::dmCopies |
                          platform::dmDefaultSource;
    }
    int PrinterCount() const override { return 1; }
    int PrinterIndex() const override { return 0; }
    void SetPrinterIndex(int) override {}
    std::string DeviceName() const override { return "accepting"; }
    std::string DriverName() const override { return "accepting"; }
    std::string PortName() const override { return "none"; }
    std::optional<platform::TDeviceSettings> DeviceSettings() const override { return Settings; }
    void SetDeviceSettings(const platform::TDeviceSettings& settings) override {
        Settings = settings;
        ++Applied;
    }
    void ResetDeviceSettings() override {}
    std::optional<std::vector<std::int16_t>> PaperCodes() const override {
        return std::vector<std::int16_t>{9, 13};
    }
    platform::TSize PixelsPerInch() const override { return {300, 300}; }
    std::optional<platform::TPoint> PrintingOffset() const override {
        return platform::TPoint{59, 118}; // 49.95 and 99.9 tenths of a millimetre
    }
    std::optional<platform::TSize> PhysicalPageSize() const override {
        return platform::TSize{2480, 3508};
    }

    platform::TDeviceSettings Settings;
    int Applied = 0;
};

} // namespace zel::test

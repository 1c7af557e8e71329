#pragma once

#include "output/printer_device.h"
#include "output/report_printer_client.h"

#include <functional>
#include <string>
#include <vector>

namespace zel::test {

// What the window heard, in order: "progress 40", "page 1".
class TClientLog : public TQRPrinterClient {
public:
    void ProgressChanged(int percent) override {
        Received.push_back("progress " + std::to_string(percent));
    }
    void PageAvailable(int availablePages) override {
        Received.push_back("page " + std::to_string(availablePages));
    }
    std::vector<std::string> Received;
};

class TMasterLog : public TQRPrinterMaster {
public:
    void PrintRequested() override { ++PrintRequests; }
    void PreviewClosed(TQRPrinter& printer) override {
        Closed.push_back(&printer);
        if (OnPreviewClosed)
            OnPreviewClosed(printer);
    }
    int PrintRequests = 0;
    std::vector<TQRPrinter*> Closed;
    std::function<void(TQRPrinter&)> OnPreviewClosed;
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

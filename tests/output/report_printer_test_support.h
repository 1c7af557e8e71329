#pragma once

#include "output/printer_device.h"
#include "output/report_printer_client.h"

#include <functional>
#include <optional>
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

constexpr std::uint32_t kAllFields =
    platform::dmOrientation | platform::dmPaperSize | platform::dmPaperLength |
    platform::dmPaperWidth | platform::dmCopies | platform::dmDefaultSource | platform::dmDuplex;

// A printer whose every answer the test sets, and which counts the settings written to it.
struct TTestDevice : TPrinterDevice {
    int Count = 1, Index = 0;
    std::string Device = "Test Printer", Driver = "TESTDRV", Port = "LPT1:";
    std::optional<platform::TDeviceSettings> Record =
        platform::TDeviceSettings{.Fields = kAllFields};
    platform::TDeviceSettings Defaults{.Fields = kAllFields};
    std::optional<std::vector<std::int16_t>> Codes = std::vector<std::int16_t>{1, 9, 13};
    platform::TSize Dpi{600, 600};
    std::optional<platform::TPoint> Offset = platform::TPoint{};
    std::optional<platform::TSize> Page = platform::TSize{};
    int Writes = 0;
    std::vector<int> Selected;

    int PrinterCount() const override { return Count; }
    int PrinterIndex() const override { return Index; }
    void SetPrinterIndex(int index) override {
        Selected.push_back(index);
        Index = index < 0 ? 0 : index;
    }
    std::string DeviceName() const override { return Device; }
    std::string DriverName() const override { return Driver; }
    std::string PortName() const override { return Port; }
    std::optional<platform::TDeviceSettings> DeviceSettings() const override { return Record; }
    void SetDeviceSettings(const platform::TDeviceSettings& settings) override {
        ++Writes;
        Record = settings;
    }
    void ResetDeviceSettings() override { Record = Defaults; }
    std::optional<std::vector<std::int16_t>> PaperCodes() const override { return Codes; }
    platform::TSize PixelsPerInch() const override { return Dpi; }
    std::optional<platform::TPoint> PrintingOffset() const override { return Offset; }
    std::optional<platform::TSize> PhysicalPageSize() const override { return Page; }
};

// A 300 dpi device with A4 and B5 paper whose printable area starts 5 mm
// (59 pixels) from the left and 10 mm from the top of the A4 paper.
struct TAcceptingDevice : TTestDevice {
    TAcceptingDevice() {
        Record->Fields = Defaults.Fields = kAllFields & ~platform::dmDuplex;
        Codes = std::vector<std::int16_t>{9, 13};
        Dpi = {300, 300};
        Offset = platform::TPoint{59, 118};
        Page = platform::TSize{2480, 3508};
    }
};

} // namespace zel::test

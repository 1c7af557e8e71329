#pragma once
// What the printer settings need from a printer object, as one interface:
// the platform's printer is one, and tests put in a device of their own to
// reach cases no installed queue shows (a device without duplex, with only
// some papers, without a settings record).

#include "platform/canvas_types.h"
#include "platform/printers.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zel {

class TPrinterDevice {
public:
    virtual ~TPrinterDevice() = default;

    // Installed printers; 0 when there are none.
    virtual int PrinterCount() const = 0;
    // -1 selects the default printer.
    virtual int PrinterIndex() const = 0;
    virtual void SetPrinterIndex(int index) = 0;

    virtual std::string DeviceName() const = 0;
    virtual std::string DriverName() const = 0;
    virtual std::string PortName() const = 0;

    // The device's settings record; nothing when the back end keeps none.
    virtual std::optional<platform::TDeviceSettings> DeviceSettings() const = 0;
    virtual void SetDeviceSettings(const platform::TDeviceSettings& settings) = 0;
    // Back to the driver's defaults.
    virtual void ResetDeviceSettings() = 0;

    virtual std::optional<std::vector<std::int16_t>> PaperCodes() const = 0;
    virtual platform::TSize PixelsPerInch() const = 0;
    // Nothing when the device cannot answer.
    virtual std::optional<platform::TPoint> PrintingOffset() const = 0;
    virtual std::optional<platform::TSize> PhysicalPageSize() const = 0;
};

// The platform's printer object seen through that interface (not owned).
class TPlatformPrinterDevice final : public TPrinterDevice {
public:
    explicit TPlatformPrinterDevice(platform::TPrinter& printer) : m_Printer(printer) {}

    int PrinterCount() const override;
    int PrinterIndex() const override;
    void SetPrinterIndex(int index) override;
    std::string DeviceName() const override;
    std::string DriverName() const override;
    std::string PortName() const override;
    std::optional<platform::TDeviceSettings> DeviceSettings() const override;
    void SetDeviceSettings(const platform::TDeviceSettings& settings) override;
    void ResetDeviceSettings() override;
    std::optional<std::vector<std::int16_t>> PaperCodes() const override;
    platform::TSize PixelsPerInch() const override;
    std::optional<platform::TPoint> PrintingOffset() const override;
    std::optional<platform::TSize> PhysicalPageSize() const override;

private:
    platform::TPrinter& m_Printer;
};

} // namespace zel

#include "output/printer_device.h"

namespace zel {

int TPlatformPrinterDevice::PrinterCount() const {
    return static_cast<int>(platform::PrinterNames().size());
}

int TPlatformPrinterDevice::PrinterIndex() const {
    return m_Printer.PrinterIndex();
}

void TPlatformPrinterDevice::SetPrinterIndex(int index) {
    m_Printer.SetPrinterIndex(index);
}

std::string TPlatformPrinterDevice::DeviceName() const {
    return m_Printer.DeviceName();
}

std::string TPlatformPrinterDevice::DriverName() const {
    return m_Printer.DriverName();
}

// Spooler queues are not reached through a port.
std::string TPlatformPrinterDevice::PortName() const {
    return {};
}

// The platform keeps a record only while a device is selected.
std::optional<platform::TDeviceSettings> TPlatformPrinterDevice::DeviceSettings() const {
    if (m_Printer.PrinterIndex() < 0)
        return std::nullopt;
    return m_Printer.DeviceSettings();
}

void TPlatformPrinterDevice::SetDeviceSettings(const platform::TDeviceSettings& settings) {
    m_Printer.SetDeviceSettings(settings);
}

void TPlatformPrinterDevice::ResetDeviceSettings() {
    m_Printer.ResetDeviceSettings();
}

std::optional<std::vector<std::int16_t>> TPlatformPrinterDevice::PaperCodes() const {
    return m_Printer.PaperCodes();
}

platform::TSize TPlatformPrinterDevice::PixelsPerInch() const {
    return m_Printer.PixelsPerInch();
}

std::optional<platform::TPoint> TPlatformPrinterDevice::PrintingOffset() const {
    if (m_Printer.PrinterIndex() < 0)
        return std::nullopt;
    return m_Printer.PrintingOffset();
}

std::optional<platform::TSize> TPlatformPrinterDevice::PhysicalPageSize() const {
    if (m_Printer.PrinterIndex() < 0)
        return std::nullopt;
    return m_Printer.PhysicalPageSize();
}

} // namespace zel

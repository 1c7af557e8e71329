#include "output/printer_settings.h"

#include "page/paper_extent.h"
#include "platform/cp932.h"

#include <cmath>
#include <string_view>

namespace zel {
namespace {

using platform::TDeviceSettings;

// The names are kept in fixed buffers by the device's own interface: 127
// bytes and a terminator, and 63 for the driver's file name.
constexpr std::size_t kNameBytes = 127;
constexpr std::size_t kDriverBytes = 63;

std::string Truncated(std::string_view text, std::size_t maxBytes) {
    return std::string(cp932::TruncateBytes(text, maxBytes));
}

// The file-name part of a driver path: what follows the last "\" or ":".
// Walked by characters, since 0x5C can be the second byte of a kanji.
std::string DriverFileName(std::string_view path) {
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < path.size(); pos += cp932::CharLength(path, pos))
        if (path[pos] == '\\' || path[pos] == ':')
            start = pos + 1;
    return Truncated(path.substr(start), kDriverBytes);
}

// Device pixels to tenths of a millimetre, halves to even as the system
// rounds (multiplied first, so that a half is exactly a half); a device
// without a resolution has no lengths to give.
int Tenths(int pixels, int pixelsPerInch) {
    if (pixelsPerInch <= 0)
        return 0;
    return static_cast<int>(std::nearbyint(pixels * 254.0 / pixelsPerInch));
}

// The bit of a paper-source code that marks the driver's own sources.
constexpr int kDriverSourceBit = 256;

} // namespace

TPrinterSettings::TPrinterSettings() = default;
TPrinterSettings::~TPrinterSettings() = default;

void TPrinterSettings::SetPrinter(platform::TPrinter* printer) {
    auto device = printer ? std::make_unique<TPlatformPrinterDevice>(*printer) : nullptr;
    SetDevice(device.get());
    m_OwnDevice = std::move(device);
}

void TPrinterSettings::SetDevice(TPrinterDevice* device) {
    m_PrinterDevice = device;
    if (m_PrinterDevice && m_PrinterDevice->PrinterCount() > 0) {
        ReadDeviceSettings();
        return;
    }
    // Without a device nothing refuses a value: what the one before read
    // (its papers above all) no longer binds the report's own paper.
    m_DeviceRead = false;
    m_Fields = 0;
    m_PaperSizes.fill(false);
}

int TPrinterSettings::PrinterIndex() const {
    return m_PrinterDevice ? m_PrinterDevice->PrinterIndex() : -1;
}

void TPrinterSettings::SetPrinterIndex(int index) {
    if (!m_PrinterDevice || m_PrinterDevice->PrinterCount() == 0)
        return;
    m_PrinterDevice->SetPrinterIndex(index);
    m_PrinterDevice->ResetDeviceSettings();
    ReadDeviceSettings();
}

void TPrinterSettings::ReadDeviceSettings() {
    if (!m_PrinterDevice || m_PrinterDevice->PrinterCount() == 0)
        return;
    const TPrinterDevice& device = *m_PrinterDevice;
    m_DeviceRead = true;
    m_Device = Truncated(device.DeviceName(), kNameBytes);
    m_Driver = DriverFileName(device.DriverName());
    m_Port = Truncated(device.PortName(), kNameBytes);

    // A back end without a settings record announces no field, so every
    // value below falls back to its default.
    const TDeviceSettings record = device.DeviceSettings().value_or(TDeviceSettings{});
    m_Fields = record.Fields;

    const platform::TSize dpi = device.PixelsPerInch();
    m_PixelsPerX = dpi.Width;
    m_PixelsPerY = dpi.Height;

    m_Copies = Announces(platform::dmCopies) ? record.Copies : 1;
    m_OutputBin =
        Announces(platform::dmDefaultSource) ? BinOfCode(record.DefaultSource) : TQRBin::First;
    m_Duplex = Announces(platform::dmDuplex) && record.Duplex != platform::kDuplexSimplex;
    m_Collate = Announces(platform::dmCollate) && record.Collate;

    const auto offset = device.PrintingOffset();
    m_LeftOffset = offset ? Tenths(offset->X, m_PixelsPerX) : 0;
    m_TopOffset = offset ? Tenths(offset->Y, m_PixelsPerY) : 0;

    // A paper code of none of ours is the device's own paper: Default.
    m_PaperSize = Announces(platform::dmPaperSize)
                      ? PaperSizeOfCode(record.PaperSize).value_or(TQRPaperSize::Default)
                      : TQRPaperSize::Default;

    const auto page = device.PhysicalPageSize();
    m_PaperWidth = page ? Tenths(page->Width, m_PixelsPerX) : 0;
    m_PaperLength = page ? Tenths(page->Height, m_PixelsPerY) : 0;

    m_PaperSizes.fill(false);
    if (const auto codes = device.PaperCodes())
        for (const std::int16_t code : *codes)
            if (const auto size = PaperSizeOfCode(code); size && size != TQRPaperSize::Default)
                m_PaperSizes[static_cast<std::size_t>(*size)] = true;
    m_PaperSizes[static_cast<std::size_t>(TQRPaperSize::Custom)] = true;
}

void TPrinterSettings::ApplySettings() {
    if (!m_PrinterDevice)
        return;
    const auto current = m_PrinterDevice->DeviceSettings();
    if (!current)
        return; // nothing to write into; the device prints with its own settings
    TDeviceSettings record = *current;
    const auto takes = [&record](std::uint32_t field) { return (record.Fields & field) != 0; };

    if (m_PaperSize == TQRPaperSize::Custom) {
        if (takes(platform::dmPaperLength))
            record.PaperLength = m_PaperLength;
        if (takes(platform::dmPaperWidth))
            record.PaperWidth = m_PaperWidth;
    }
    // The device knows one duplex setting to ask for: bound on the short side.
    if (m_Duplex) {
        record.Fields |= platform::dmDuplex;
        record.Duplex = platform::kDuplexHorizontal;
    }
    if (takes(platform::dmPaperSize) && m_PaperSize != TQRPaperSize::Default)
        record.PaperSize = PaperSizeCode(m_PaperSize);
    record.Fields |= platform::dmCopies;
    record.Copies = m_Copies;
    if (takes(platform::dmCollate))
        record.Collate = m_Collate;
    record.Fields |= platform::dmDefaultSource;
    record.DefaultSource = BinCode(m_OutputBin) | (record.DefaultSource & kDriverSourceBit);
    record.Fields |= platform::dmOrientation;
    record.Orientation = m_Orientation == TPrinterOrientation::poLandscape
                             ? platform::kOrientationLandscape
                             : platform::kOrientationPortrait;
    m_PrinterDevice->SetDeviceSettings(record);
}

void TPrinterSettings::SetCopies(int copies) {
    if (Takes(platform::dmCopies))
        m_Copies = copies;
}

void TPrinterSettings::SetCollate(bool collate) {
    if (Takes(platform::dmCollate))
        m_Collate = collate;
}

void TPrinterSettings::SetOrientation(TPrinterOrientation orientation) {
    if (Takes(platform::dmOrientation))
        m_Orientation = orientation;
}

void TPrinterSettings::SetOutputBin(TQRBin bin) {
    if (Takes(platform::dmDefaultSource))
        m_OutputBin = bin;
}

void TPrinterSettings::SetPaperSize(TQRPaperSize size) {
    if (!m_DeviceRead || size == TQRPaperSize::Default || PaperSizes(size))
        m_PaperSize = size;
}

bool TPrinterSettings::PaperSizes(TQRPaperSize size) const {
    return m_PaperSizes[static_cast<std::size_t>(size)];
}

void TPrinterSettings::SetPaperWidth(int width) {
    if (m_PaperSize == TQRPaperSize::Custom)
        m_PaperWidth = width;
}

void TPrinterSettings::SetPaperLength(int length) {
    if (m_PaperSize == TQRPaperSize::Custom)
        m_PaperLength = length;
}

} // namespace zel

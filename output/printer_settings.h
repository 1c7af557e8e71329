#pragma once
// A printer's device settings as the report printer sees them: read from the
// selected device (resolution, unprintable margins, physical page, the
// papers it takes, copies, paper source, duplex), changed only where the
// device can take the change, and written back into the device's settings
// record before a job.

#include "output/bins.h"
#include "output/printer_device.h"
#include "page/paper_table.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace zel {

class TPrinterSettings {
public:
    TPrinterSettings();
    ~TPrinterSettings();
    TPrinterSettings(const TPrinterSettings&) = delete;
    TPrinterSettings& operator=(const TPrinterSettings&) = delete;

    // Attaches a printer object (not owned; nullptr detaches) and reads its
    // device when any printer is installed.
    void SetPrinter(platform::TPrinter* printer);
    // Detaching forgets the device's reading: a paper it refused is then
    // taken, so pages made without a printer keep the report's paper.
    void SetDevice(TPrinterDevice* device);
    TPrinterDevice* PrinterDevice() const { return m_PrinterDevice; }

    // Selects a printer (-1 the default one) with its driver's defaults and
    // reads it; nothing happens when no printer is installed.
    int PrinterIndex() const;
    void SetPrinterIndex(int index);

    void ReadDeviceSettings();
    // Writes these settings into the attached device's settings record.
    void ApplySettings();

    const std::string& Device() const { return m_Device; }
    const std::string& Driver() const { return m_Driver; }
    const std::string& Port() const { return m_Port; }

    // The setters change a value only when the device takes that field;
    // otherwise the device's own value stays. With no device read (no
    // printer installed) every value is taken.
    int Copies() const { return m_Copies; }
    void SetCopies(int copies);
    // Two-sided printing is the report's choice alone: a driver whose
    // default is two-sided still prints a job one-sided unless asked. The
    // mode is a platform duplex code, sent as it was asked.
    bool Duplex() const { return m_DuplexMode != platform::kDuplexSimplex; }
    int DuplexMode() const { return m_DuplexMode; }
    // On is two-sided bound on the long edge.
    void SetDuplex(bool duplex);
    void SetDuplexMode(int mode);
    TPrinterOrientation Orientation() const { return m_Orientation; }
    void SetOrientation(TPrinterOrientation orientation);
    TQRBin OutputBin() const { return m_OutputBin; }
    void SetOutputBin(TQRBin bin);
    bool Collate() const { return m_Collate; }
    void SetCollate(bool collate);
    // Default is always taken; any other size only when the device offers
    // it, takes custom sizes (the size is then sent as a custom one of its
    // dimensions), or when there is no device.
    TQRPaperSize PaperSize() const { return m_PaperSize; }
    void SetPaperSize(TQRPaperSize size);
    // The paper last asked for that the device could not take, so that
    // its own paper is in force instead; nothing when none was refused.
    std::optional<TQRPaperSize> RefusedPaper() const { return m_RefusedPaper; }
    // Whether the device offers a paper size; Default is not one of them.
    bool PaperSizes(TQRPaperSize size) const;
    // Tenths of a millimetre: the device's physical page as read, or the
    // custom size; set only while the paper size is Custom.
    int PaperWidth() const { return m_PaperWidth; }
    void SetPaperWidth(int width);
    int PaperLength() const { return m_PaperLength; }
    void SetPaperLength(int length);

    // Device dots per inch.
    int PixelsPerX() const { return m_PixelsPerX; }
    int PixelsPerY() const { return m_PixelsPerY; }
    // The printable area's corner on the paper, tenths of a millimetre,
    // for the paper in force: read again whenever settings are applied,
    // since a driver's margins can differ from one paper to another.
    int TopOffset() const { return m_TopOffset; }
    int LeftOffset() const { return m_LeftOffset; }

private:
    // Whether a value may change: with no device read there is nothing to
    // refuse it, so the report's paper is kept for the preview.
    bool Takes(std::uint32_t field) const { return !m_DeviceRead || (m_Fields & field) != 0; }
    bool Announces(std::uint32_t field) const { return (m_Fields & field) != 0; }
    bool TakesCustomSizes() const {
        return Announces(platform::dmPaperLength) && Announces(platform::dmPaperWidth);
    }
    // A named paper the device lacks, asked for as a custom size.
    bool SendsAsCustom(TQRPaperSize size) const;
    // The printing offset and physical page of the paper in force; a
    // custom size the report asked for may keep its own lengths.
    void ReadPaperGeometry(bool keepCustomLengths);

    std::string m_Device;
    std::string m_Driver;
    std::string m_Port;
    // The fields the device's record announced when it was read.
    std::uint32_t m_Fields = 0;
    bool m_DeviceRead = false;
    int m_Copies = 1;
    int m_DuplexMode = platform::kDuplexSimplex;
    TPrinterOrientation m_Orientation = TPrinterOrientation::poPortrait;
    TQRBin m_OutputBin = TQRBin::First;
    bool m_Collate = false;
    TQRPaperSize m_PaperSize = TQRPaperSize::A4;
    std::optional<TQRPaperSize> m_RefusedPaper;
    // Indexed by TQRPaperSize; Default's slot stays false.
    std::array<bool, kPaperSizeCount> m_PaperSizes{};
    int m_PaperWidth = 0;
    int m_PaperLength = 0;
    int m_PixelsPerX = 0;
    int m_PixelsPerY = 0;
    int m_TopOffset = 0;
    int m_LeftOffset = 0;
    TPrinterDevice* m_PrinterDevice = nullptr;
    std::unique_ptr<TPlatformPrinterDevice> m_OwnDevice; // wraps SetPrinter's object
};

} // namespace zel

#pragma once
// The installed printers, one printer's device settings and capabilities,
// and its print jobs. Each TPrinter is a private printer object: it picks
// a device, keeps that device's settings record and runs the job whose
// canvas the report draws on.

#include "platform/canvas.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zel::platform {

// Names of the installed printers (code page 932), in a stable order;
// empty when none is installed.
std::vector<std::string> PrinterNames();
// Index of the system's default printer in PrinterNames(), the first
// printer when none is marked default, -1 when there are none.
int DefaultPrinterIndex();

// Which fields of a settings record the device takes.
enum TDeviceField : std::uint32_t {
    dmOrientation = 0x0001,
    dmPaperSize = 0x0002,
    dmPaperLength = 0x0004,
    dmPaperWidth = 0x0008,
    dmCopies = 0x0100,
    dmDefaultSource = 0x0200,
    dmDuplex = 0x1000,
    dmCollate = 0x8000,
};

inline constexpr int kOrientationPortrait = 1;
inline constexpr int kOrientationLandscape = 2;
inline constexpr int kDuplexSimplex = 1;
inline constexpr int kDuplexVertical = 2;   // bound on the long side
inline constexpr int kDuplexHorizontal = 3; // bound on the short side
inline constexpr int kPaperUser = 256;      // custom size in PaperWidth x PaperLength

// The device settings record: what a job will be printed with.
struct TDeviceSettings {
    std::uint32_t Fields = 0; // TDeviceField bits the device takes
    int Orientation = kOrientationPortrait;
    int PaperSize = 9;   // paper code; 9 is A4
    int PaperLength = 0; // tenths of a millimetre, for kPaperUser
    int PaperWidth = 0;
    int Copies = 1;
    int DefaultSource = 7; // paper-source code; 7 lets the device choose
    int Duplex = kDuplexSimplex;
    bool Collate = false; // copies as whole sets, not each page n times
    bool operator==(const TDeviceSettings&) const = default;
};

// Width and length in millimetres, portrait, of a paper code the system
// knows (1 Letter ... 13 B5 (JIS) ... 26 E sheet); nothing for others.
struct TPaperMillimetres {
    long double Width = 0;
    long double Length = 0;
};
std::optional<TPaperMillimetres> PaperCodeSize(int code);

class TPrinter {
public:
    // Starts on the default printer, with its driver's default settings.
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // Index in PrinterNames() of the device in use; -1 only when no
    // printer is installed. Setting -1 selects the default printer; an index
    // out of range is ignored. Selecting a printer resets the settings to
    // its driver's defaults.
    int PrinterIndex() const;
    void SetPrinterIndex(int index);
    std::string DeviceName() const;
    std::string DriverName() const; // make and model of the queue's driver

    const TDeviceSettings& DeviceSettings() const;
    void SetDeviceSettings(const TDeviceSettings& settings);
    void ResetDeviceSettings();

    // Capabilities of the device as the settings record sets it up.
    // Paper codes the device offers; nothing when it cannot tell.
    std::optional<std::vector<std::int16_t>> PaperCodes() const;
    TSize PixelsPerInch() const;
    // The printable area's top-left corner on the paper, device pixels.
    TPoint PrintingOffset() const;
    // The whole paper and the printable area, device pixels.
    TSize PhysicalPageSize() const;
    TSize PageSize() const;

    // A print job. BeginDoc starts the job and its first page, NewPage
    // ends a page and starts the next, EndDoc hands the job to the spooler,
    // Abort discards it. False when the device refuses.
    const std::string& Title() const { return m_Title; }
    void SetTitle(const std::string& title) { m_Title = title; }
    bool BeginDoc();
    bool NewPage();
    bool EndDoc();
    void Abort();
    bool Printing() const;
    // The queue is stopped (paused): it takes jobs and holds them until it
    // is started again.
    bool Paused() const;
    // The page being printed, origin at the printable area's top-left;
    // only while Printing().
    TCanvas* Canvas();

private:
    struct Impl;
    std::unique_ptr<Impl> m_Impl;
    std::string m_Title;
};

} // namespace zel::platform

#pragma once
// The paper sizes a report page can take, with their display names, their
// portrait dimensions in millimetres and the device's paper codes.

#include "platform/printers.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zel {

enum class TQRPaperSize : std::uint8_t {
    Default,
    Letter,
    LetterSmall,
    Tabloid,
    Ledger,
    Legal,
    Statement,
    Executive,
    A3,
    A4,
    A4Small,
    A5,
    B4,
    B5,
    Folio,
    Quarto,
    qr10X14,
    qr11X17,
    Note,
    Env9,
    Env10,
    Env11,
    Env12,
    Env14,
    CSheet,
    DSheet,
    ESheet,
    Custom,
};

inline constexpr int kPaperSizeCount = 28;

enum class TPrinterOrientation : std::uint8_t { poPortrait, poLandscape };

// Nothing for Default and Custom: the page keeps the dimensions it has.
std::optional<platform::TPaperMillimetres> PaperDimensions(TQRPaperSize size);

// The name shown for a paper size (code page 932); display only.
const std::string& PaperSizeName(TQRPaperSize size);

// 0 for Default up to 26 for ESheet, in the order of TQRPaperSize; Custom
// is the device's user-defined size.
inline constexpr int kCustomPaperCode = platform::kPaperUser;

int PaperSizeCode(TQRPaperSize size);
// The first paper size whose code is `code`; nothing for a code none has.
std::optional<TQRPaperSize> PaperSizeOfCode(int code);

} // namespace zel

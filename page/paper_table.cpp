#include "page/paper_table.h"

#include "platform/cp932.h"

#include <array>

namespace zel {
namespace {

constexpr std::array<const char*, kPaperSizeCount> kNames = {
    "デフォルト サイズ",
    "Letter 8 1/2 x 11 in",
    "Letter Small 8 1/2 x 11 in",
    "Tabloid 11 x 17 in",
    "Ledger 17 x 11 in",
    "Legal 8 1/2 x 14 in",
    "Statement 5 1/2 x 8 1/2 in",
    "Executive7 1/2 x 10 in",
    "A3 297 x 420 mm",
    "A4 210 x 297 mm",
    "A4 Small 210 x 297 mm",
    "A5 148 x 210 mm",
    "B4 250 x 354 mm",
    "B5 182 x 257 mm",
    "Folio 8 1/2 x 13 in",
    "Quarto 215 x 275 mm",
    "10x14 in",
    "11x17 in",
    "Note 8 1/2 x 11 in",
    "Envelope #9 3 7/8 x 8 7/8",
    "Envelope #10 4 1/8 x 9 1/2",
    "Envelope #11 4 1/2 x 10 3/8",
    "Envelope #12 4 3/4 x 11",
    "Envelope #14 4 5 x 11 1/2",
    "C size sheet",
    "D size sheet",
    "E size sheet",
    "カスタム サイズ",
};

// Letter to ESheet, in enumeration order. Note is 279.0 long, not 279.4,
// and the C, D and E sheets are 100 x 100: the table has always said so and
// saved reports match their pages by it.
constexpr std::array<platform::TPaperMillimetres, kPaperSizeCount - 2> kDimensions = {{
    {215.9L, 279.4L}, // Letter
    {215.9L, 279.4L}, // LetterSmall
    {279.4L, 431.8L}, // Tabloid
    {431.8L, 279.4L}, // Ledger
    {215.9L, 355.6L}, // Legal
    {139.7L, 215.9L}, // Statement
    {190.5L, 254.0L}, // Executive
    {297.0L, 420.0L}, // A3
    {210.0L, 297.0L}, // A4
    {210.0L, 297.0L}, // A4Small
    {148.0L, 210.0L}, // A5
    {250.0L, 354.0L}, // B4
    {182.0L, 257.0L}, // B5
    {215.9L, 330.2L}, // Folio
    {215.0L, 275.0L}, // Quarto
    {254.0L, 355.6L}, // qr10X14
    {279.4L, 431.8L}, // qr11X17
    {215.9L, 279.0L}, // Note
    {98.43L, 225.4L}, // Env9
    {104.8L, 241.3L}, // Env10
    {114.3L, 263.5L}, // Env11
    {101.6L, 279.4L}, // Env12
    {127.0L, 292.1L}, // Env14
    {100.0L, 100.0L}, // CSheet
    {100.0L, 100.0L}, // DSheet
    {100.0L, 100.0L}, // ESheet
}};

} // namespace

std::optional<platform::TPaperMillimetres> PaperDimensions(TQRPaperSize size) {
    const auto index = static_cast<std::size_t>(size);
    if (size == TQRPaperSize::Default || index >= kPaperSizeCount - 1)
        return std::nullopt;
    return kDimensions[index - 1];
}

const std::string& PaperSizeName(TQRPaperSize size) {
    const auto index = static_cast<std::size_t>(size);
    return cp932::Sys(kNames[index < kNames.size() ? index : kNames.size() - 1]);
}

int PaperSizeCode(TQRPaperSize size) {
    return size == TQRPaperSize::Custom ? kCustomPaperCode : static_cast<int>(size);
}

std::optional<TQRPaperSize> PaperSizeOfCode(int code) {
    if (code == kCustomPaperCode)
        return TQRPaperSize::Custom;
    if (code < 0 || code > static_cast<int>(TQRPaperSize::ESheet))
        return std::nullopt;
    return static_cast<TQRPaperSize>(code);
}

} // namespace zel

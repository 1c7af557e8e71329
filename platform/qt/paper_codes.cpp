#include "platform/qt/paper_codes.h"

#include "platform/printers.h"

#include <cmath>
#include <iterator>

namespace zel::platform {
namespace {

constexpr long double kInch = 25.4L;

// Indexed by code - 1. Several codes share a size (Letter, Letter small,
// Note); the first one stands for it.
constexpr TPaperMillimetres kPapers[] = {
    {8.5 * kInch, 11 * kInch},      // 1 Letter
    {8.5 * kInch, 11 * kInch},      // 2 Letter small
    {11 * kInch, 17 * kInch},       // 3 Tabloid
    {17 * kInch, 11 * kInch},       // 4 Ledger
    {8.5 * kInch, 14 * kInch},      // 5 Legal
    {5.5 * kInch, 8.5 * kInch},     // 6 Statement
    {7.25 * kInch, 10.5 * kInch},   // 7 Executive
    {297, 420},                     // 8 A3
    {210, 297},                     // 9 A4
    {210, 297},                     // 10 A4 small
    {148, 210},                     // 11 A5
    {257, 364},                     // 12 B4 (JIS)
    {182, 257},                     // 13 B5 (JIS)
    {8.5 * kInch, 13 * kInch},      // 14 Folio
    {215, 275},                     // 15 Quarto
    {10 * kInch, 14 * kInch},       // 16 10 x 14 in
    {11 * kInch, 17 * kInch},       // 17 11 x 17 in
    {8.5 * kInch, 11 * kInch},      // 18 Note
    {3.875 * kInch, 8.875 * kInch}, // 19 Envelope #9
    {4.125 * kInch, 9.5 * kInch},   // 20 Envelope #10
    {4.5 * kInch, 10.375 * kInch},  // 21 Envelope #11
    {4.75 * kInch, 11 * kInch},     // 22 Envelope #12
    {5 * kInch, 11.5 * kInch},      // 23 Envelope #14
    {17 * kInch, 22 * kInch},       // 24 C sheet
    {22 * kInch, 34 * kInch},       // 25 D sheet
    {34 * kInch, 44 * kInch},       // 26 E sheet
};
constexpr int kLastCode = static_cast<int>(std::size(kPapers));

bool Near(long double a, long double b) {
    return std::abs(a - b) < 1.0;
}

} // namespace

std::optional<TPaperMillimetres> PaperCodeSize(int code) {
    if (code < 1 || code > kLastCode)
        return std::nullopt;
    return kPapers[code - 1];
}

std::optional<QPageSize> PageSizeOfCode(int code) {
    const auto paper = PaperCodeSize(code);
    if (!paper)
        return std::nullopt;
    // A fuzzy match gives Qt's own size (and so the spooler's name for it,
    // JIS B5 among them) when there is one with these dimensions.
    return QPageSize(QSizeF(paper->Width, paper->Length), QPageSize::Millimeter, QString(),
                     QPageSize::FuzzyMatch);
}

std::optional<int> CodeOfPageSize(const QPageSize& size) {
    if (!size.isValid())
        return std::nullopt;
    const QSizeF mm = size.size(QPageSize::Millimeter);
    for (int code = 1; code <= kLastCode; ++code)
        if (Near(mm.width(), kPapers[code - 1].Width) &&
            Near(mm.height(), kPapers[code - 1].Length))
            return code;
    return std::nullopt;
}

} // namespace zel::platform

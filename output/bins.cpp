#include "output/bins.h"

#include <array>

namespace zel {
namespace {

// Indexed by TQRBin.
constexpr std::array<int, kBinCount> kBinCodes = {1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 14};

} // namespace

int BinCode(TQRBin bin) {
    return kBinCodes[static_cast<std::size_t>(bin)];
}

TQRBin BinOfCode(int code) {
    for (std::size_t i = 0; i < kBinCodes.size(); ++i)
        if (kBinCodes[i] == code)
            return static_cast<TQRBin>(i);
    return TQRBin::First;
}

} // namespace zel

#pragma once
// The paper sources a report can ask for, and the device's paper-source
// codes they stand for.

#include <cstdint>

namespace zel {

enum class TQRBin : std::uint8_t {
    First,
    Upper,
    Lower,
    Middle,
    Manual,
    Envelope,
    EnvManual,
    Auto,
    Tractor,
    SmallFormat,
    LargeFormat,
    LargeCapacity,
    Cassette,
    Last,
};

inline constexpr int kBinCount = 14;

// The device's paper-source code of a bin (First and Upper are both 1,
// Cassette and Last both 14).
int BinCode(TQRBin bin);
// The first bin whose code is `code`; First for a code no bin has.
TQRBin BinOfCode(int code);

} // namespace zel

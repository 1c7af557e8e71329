#pragma once
// The screen resolution the report engine measures with. It is the same
// 96 logical pixels per inch on every machine: positions laid out in
// screen pixels must print at the same place whatever the monitor's
// scaling, so the real monitor is never asked.

namespace zel::platform {

inline constexpr int kScreenPixelsPerInch = 96;

constexpr int ScreenPixelsPerInch() {
    return kScreenPixelsPerInch;
}

} // namespace zel::platform

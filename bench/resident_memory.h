#pragma once
// Resident memory of this process, in KB, as the kernel counts it: what
// the benchmarks report as a user action's memory growth.

#include <cstdio>

namespace zel::bench {

inline long ResidentKB() {
    long kb = 0;
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmRSS: %ld", &kb) == 1)
                break;
        std::fclose(status);
    }
    return kb;
}

} // namespace zel::bench

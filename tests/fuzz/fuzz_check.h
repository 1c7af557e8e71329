#pragma once
// What the fuzz targets share: the entry points libFuzzer calls, and a check
// that stops the run with a message when a property fails, so the input
// that broke it is kept as a reproducer.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);

#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, what);        \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

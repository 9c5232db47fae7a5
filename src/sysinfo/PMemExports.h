#pragma once

#include <cstdint>

// The exports of the physical-memory library ("pmemw.dll", here pmemw.so), bound by name at
// run time. Addresses are physical and 32-bit; the signature is a zero-terminated text.
extern "C" {
using PMemIsInitializedFunction = int (*)();
using PMemOpenFunction = int (*)(std::uint32_t caller);
using PMemSearchFunction = std::uint32_t (*)(const char* signature, std::uint32_t first,
                                             std::uint32_t last, std::uint32_t step);
using PMemReadFunction = int (*)(void* destination, std::uint32_t address, std::uint32_t count);
}

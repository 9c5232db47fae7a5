#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace kvr {

// A value as text: a missing key or value, or one longer than 1023 bytes, reads as empty; the
// text ends at its first zero byte.
std::string readRegistryText(platform::RegRoot root, std::string_view path, std::string_view name);

// A value as a number: a string by its leading decimal number, a four-byte or binary value by
// its first four bytes (little-endian); nothing when the key or value is missing.
std::optional<long> readRegistryNumber(platform::RegRoot root, std::string_view path,
                                       std::string_view name);

}  // namespace kvr

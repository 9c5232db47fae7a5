#pragma once

#include <array>
#include <cstdint>

namespace kvr {

inline constexpr int kMaxMailLines = 7;

// Per country index: [0] the name's string id, [1..7] the string ids of the mailing-address
// lines, used lines first, 0 for a missing line.
using CountryNameAndMail = std::array<std::int32_t, 1 + kMaxMailLines>;

// The row of a country index; null outside 0..168.
const CountryNameAndMail* countryNameAndMail(int index);

}  // namespace kvr

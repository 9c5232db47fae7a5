#pragma once

#include <cstdint>
#include <span>

namespace kvr {

// One state, province or prefecture: its code as the record sends it and its name's string id.
struct StateEntry {
  char code[4];
  std::int32_t stringId;
};

std::span<const StateEntry> unitedStatesStates();   // 51, with "DC"
std::span<const StateEntry> canadianProvinces();    // 12
std::span<const StateEntry> japanesePrefectures();  // 47
std::span<const StateEntry> brazilianStates();      // 27, Acre to Tocantins

}  // namespace kvr

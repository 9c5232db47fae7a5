#pragma once

#include <span>
#include <string_view>

namespace kvr {

// Amberly's own registration numbers by country index. Deployment values: a deployer replaces
// the numbers here (and only here).
struct BrandPhoneNumber {
  int countryIndex;
  std::string_view phone;
};

std::span<const BrandPhoneNumber> amberlyPhoneNumbers();

// The number for a country index; a single blank for a country without one.
std::string_view amberlyPhoneNumber(int countryIndex);

}  // namespace kvr

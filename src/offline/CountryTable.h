#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kvr {

inline constexpr int kCountryCount = 169;
inline constexpr int kCountryNameBase = 1200;  // string id of country 0's name
inline constexpr int kNoCountry = -1;

// One fixed row per country index, in the English alphabetical order of the country list.
struct CountryRow {
  char code[4];                 // two-letter code, zero-padded
  std::int32_t minPhoneDigits;  // 1 = no practical minimum
  std::int32_t postalRule;      // n > 0: n letters or digits; -n: digits only, n of them
  char phone[20];               // display texts of the registration centre; " " = none
  char phone2[20];
  char fax[20];
  std::int32_t hasFax;          // 1: offer and print the fax number
};

std::span<const CountryRow, kCountryCount> countryRows();

// The row of a country index; null outside 0..168.
const CountryRow* countryRow(int index);

// The row's code, empty outside 0..168.
std::string_view countryCodeOf(int index);

}  // namespace kvr

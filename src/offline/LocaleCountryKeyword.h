#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kvr {

// A country part of a locale name, lower case, and the country index it stands for.
struct LocaleCountryKeyword {
  std::int32_t countryIndex;
  char keyword[32];
};

inline constexpr std::string_view kEndOfKeywords = "endoflist";

// The 90 keyword rows in table order, then the closing "endoflist" row (index -1).
std::span<const LocaleCountryKeyword> localeCountryKeywords();

// The country index of a Windows-form locale name ("German_Austria.1252" gives 7): its text
// after the first "_" up to the next ".", lower case, matched whole against the keywords in
// order; the United States (158) when none matches.
int countryIndexFromLocale(std::string_view localeName);

}  // namespace kvr

#include "offline/LocaleCountryKeyword.h"

#include "app/Options.h"
#include "brand/Language.h"

namespace kvr {

namespace {

// Read in order up to "endoflist"; the first exact match wins.
constexpr LocaleCountryKeyword kKeywords[] = {
    {6, "aus"}, {6, "australia"},
    {7, "aut"}, {7, "austria"},
    {14, "bel"}, {14, "belgium"},
    {21, "bra"}, {21, "brazil"},
    {27, "can"}, {27, "canada"},
    {40, "cze"}, {40, "czech"}, {40, "czech republic"},
    {41, "dnk"}, {41, "denmark"},
    {50, "fin"}, {50, "finland"},
    {51, "fra"}, {51, "france"},
    {56, "deu"}, {56, "germany"},
    {59, "grc"}, {59, "greece"},
    {66, "hkg"}, {66, "hong kong"}, {66, "hong-kong"},
    {67, "hun"}, {67, "hungary"},
    {68, "iceland"}, {68, "isl"},
    {72, "ireland"}, {72, "irl"},
    {74, "ita"}, {74, "italy"},
    {76, "japan"}, {76, "jpn"},
    {100, "mex"}, {100, "mexico"},
    {105, "nld"}, {105, "holland"}, {105, "netherlands"},
    {108, "new zealand"}, {108, "new-zealand"}, {108, "nz"}, {108, "nzl"},
    {112, "nor"}, {112, "norway"}, {112, "norwegian"},
    {33, "china"}, {33, "chn"}, {33, "people's republic of china"}, {33, "pr china"}, {33, "pr-china"},
    {120, "pol"}, {120, "poland"},
    {121, "prt"}, {121, "portugal"},
    {125, "rus"}, {125, "russia"},
    {132, "sgp"}, {132, "singapore"},
    {133, "svk"}, {133, "slovak"},
    {136, "kor"}, {136, "korea"}, {136, "south korea"}, {136, "south-korea"},
    {137, "esp"}, {137, "spain"},
    {142, "swe"}, {142, "sweden"},
    {143, "che"}, {143, "switzerland"},
    {145, "taiwan"}, {145, "twn"},
    {152, "tur"}, {152, "turkey"},
    {157, "britain"}, {157, "england"}, {157, "gbr"}, {157, "great britain"}, {157, "uk"}, {157, "united kingdom"}, {157, "united-kingdom"},
    {158, "america"}, {158, "united states"}, {158, "united-states"}, {158, "us"}, {158, "usa"},
    {148, "thailand"},
    {-1, "endoflist"},
};

}  // namespace

std::span<const LocaleCountryKeyword> localeCountryKeywords() { return kKeywords; }

int countryIndexFromLocale(std::string_view localeName) {
  std::string_view country = localeName;
  if (const auto underscore = country.find('_'); underscore != std::string_view::npos)
    country.remove_prefix(underscore + 1);
  country = country.substr(0, country.find('.'));
  const std::string wanted = toLowerAscii(country);
  for (const auto& row : kKeywords) {
    const std::string_view keyword(row.keyword);
    if (keyword == kEndOfKeywords) break;
    if (keyword == wanted) return row.countryIndex;
  }
  return kCountryUnitedStates;
}

}  // namespace kvr

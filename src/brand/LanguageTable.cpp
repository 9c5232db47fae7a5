#include "brand/LanguageTable.h"

#include <array>

namespace kvr {

namespace {

constexpr std::array<std::string_view, kLanguageCount> kLibraryCodes{
    "ITA", "ELL", "DAN", "RUS", "JPN", "CHS", "KOR", "SVE", "THA", "FRA", "ESP", "DEU",
    "CHT", "NLD", "NOR", "CSY", "TRK", "PLK", "ENU", "HUN", "FIN", "PTG", "PTB"};

struct LanguageName {
  int language;
  std::string_view name;
};

// Read from the first entry on; the first exact match wins.
constexpr LanguageName kLanguageNames[] = {
    {5, "chinese"}, {5, "chinese-simplified"}, {5, "chs"}, {5, "chinese(prc)"},
    {12, "chinese-traditional"}, {12, "chinese(taiwan)"}, {12, "chinese_taiwan"}, {12, "cht"},
    {15, "csy"}, {15, "czech"},
    {2, "dan"}, {2, "danish"},
    {13, "belgian"}, {13, "dutch-belgian"}, {13, "nlb"}, {13, "dutch"}, {13, "nld"},
    {18, "australian"}, {18, "ena"}, {18, "english-aus"}, {18, "canadian"}, {18, "enc"},
    {18, "english-can"}, {18, "english"}, {18, "english-nz"}, {18, "enz"}, {18, "eng"},
    {18, "english-uk"}, {18, "uk"}, {18, "american"}, {18, "american english"},
    {18, "american-english"}, {18, "english-american"}, {18, "english-us"},
    {18, "english-usa"}, {18, "enu"}, {18, "us"}, {18, "usa"},
    {20, "fin"}, {20, "finnish"},
    {9, "frb"}, {9, "french-belgian"}, {9, "frc"}, {9, "french-canadian"}, {9, "fra"},
    {9, "french"}, {9, "french-swiss"}, {9, "frs"},
    {11, "dea"}, {11, "german-austrian"}, {11, "deu"}, {11, "german"}, {11, "des"},
    {11, "german-swiss"}, {11, "swiss"},
    {1, "ell"}, {1, "greek"},
    {19, "hun"}, {19, "hungarian"},
    {0, "ita"}, {0, "italian"}, {0, "italian-swiss"}, {0, "its"},
    {4, "japanese"}, {4, "jpn"},
    {6, "kor"}, {6, "korean"},
    {14, "nor"}, {14, "norwegian-bokmal"}, {14, "norwegian"}, {14, "non"},
    {14, "norwegian-nynorsk"},
    {17, "plk"}, {17, "polish"},
    {22, "portuguese-brazilian"}, {22, "portuguese_brazil"}, {22, "ptb"},
    {21, "portuguese"}, {21, "ptg"},
    {3, "rus"}, {3, "russian"},
    {10, "esp"}, {10, "spanish"}, {10, "esm"}, {10, "spanish-mexican"}, {10, "esn"},
    {10, "spanish-modern"}, {10, "spanish - modern sort"},
    {7, "sve"}, {7, "swedish"},
    {8, "tha"}, {8, "thai"},
    {16, "trk"}, {16, "turkish"},
};

}  // namespace

int languageFromName(std::string_view name) {
  for (const auto& entry : kLanguageNames)
    if (entry.name == name) return entry.language;
  return kEnglish;
}

std::string_view libraryCode(int language) {
  if (language < 0 || language >= kLanguageCount) language = kEnglish;
  return kLibraryCodes[static_cast<std::size_t>(language)];
}

}  // namespace kvr

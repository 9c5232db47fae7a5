#include "brand/LanguageTable.h"

#include <gtest/gtest.h>

#include <string>

namespace kvr {
namespace {

TEST(LanguageTableTest, NamesGiveTheirLanguageAndOnlyLowerCaseMatches) {
  struct {
    std::string name;
    int language;
  } cases[] = {
      {"deu", 11},          {"Deu", 18},          {"german-swiss", 11}, {"swiss", 11},
      {"portuguese_brazil", 22}, {"portuguese", 21}, {"ptb", 22},       {"chinese", 5},
      {"chinese_taiwan", 12}, {"japanese", 4},    {"jpn", 4},           {"spanish - modern sort", 10},
      {"american english", 18}, {"norwegian", 14}, {"fra", 9},          {"ita", 0},
      {"trk", 16},          {"", 18},             {"en_us", 18},        {"endoflist", 18},
      {"klingon", 18},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(languageFromName(c.name), c.language);
  }
}

TEST(LanguageTableTest, EveryLanguageHasItsLibraryCodeAndItsOwnCodeNamesIt) {
  EXPECT_EQ(libraryCode(0), "ITA");
  EXPECT_EQ(libraryCode(4), "JPN");
  EXPECT_EQ(libraryCode(18), "ENU");
  EXPECT_EQ(libraryCode(22), "PTB");
  EXPECT_EQ(libraryCode(-1), "ENU");
  EXPECT_EQ(libraryCode(23), "ENU");
  for (int language = 0; language < kLanguageCount; ++language) {
    std::string code(libraryCode(language));
    for (char& c : code) c = static_cast<char>(c - 'A' + 'a');
    SCOPED_TRACE(code);
    EXPECT_EQ(languageFromName(code), language);
  }
}

}  // namespace
}  // namespace kvr

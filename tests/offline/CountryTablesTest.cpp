#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "brand/Language.h"
#include "offline/CountryMail.h"
#include "offline/CountryTable.h"
#include "offline/LocaleCountryKeyword.h"
#include "offline/StateLists.h"

namespace kvr {
namespace {

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  for (std::string word; in >> word;) out.push_back(word);
  return out;
}

int indexOf(std::string_view code) {
  for (int index = 0; index < kCountryCount; ++index)
    if (countryCodeOf(index) == code) return index;
  return -1;
}

bool blankCell(const char* cell) { return std::string_view(cell).find_first_not_of(' ') == std::string_view::npos; }

TEST(CountryTableTest, RowsRunInIndexOrderWithUniqueCodes) {
  struct {
    int index;
    std::string code;
  } cases[] = {{0, "AL"},   {4, "AG"},   {21, "BR"},  {27, "CA"},  {76, "JP"},  {99, "YT"},
               {130, "SP"}, {143, "CH"}, {157, "GB"}, {158, "US"}, {166, "ZR"}, {168, "ZW"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(countryCodeOf(c.index), c.code);
  }
  std::set<std::string> codes;
  for (const auto& row : countryRows()) {
    EXPECT_EQ(std::strlen(row.code), 2u);
    codes.insert(row.code);
  }
  EXPECT_EQ(codes.size(), 169u);
  EXPECT_EQ(countryRow(-1), nullptr);
  EXPECT_EQ(countryRow(169), nullptr);
  EXPECT_EQ(countryCodeOf(169), "");
}

TEST(CountryTableTest, MinimumsDifferFromOneOnlyWhereListed) {
  const std::map<std::string, std::pair<int, int>> listed{
      {"AT", {1, -4}}, {"BR", {10, 8}}, {"CA", {10, 6}}, {"CN", {8, -6}}, {"CZ", {8, 5}},
      {"DK", {8, 4}},  {"FI", {6, -5}}, {"FR", {10, -5}}, {"DE", {8, 5}}, {"GR", {9, -5}},
      {"HU", {10, 4}}, {"IT", {7, 5}},  {"JP", {10, 7}}, {"NL", {10, 6}}, {"NO", {8, 4}},
      {"PL", {9, -5}}, {"PT", {8, 4}},  {"RU", {6, 6}},  {"KR", {9, 6}},  {"ES", {9, 5}},
      {"SE", {7, 5}},  {"CH", {1, -4}}, {"TW", {9, 3}},  {"TH", {9, 5}},  {"TR", {10, 5}},
      {"US", {10, 1}}};
  for (const auto& row : countryRows()) {
    SCOPED_TRACE(row.code);
    auto found = listed.find(row.code);
    const auto expected = found == listed.end() ? std::pair{1, 1} : found->second;
    EXPECT_EQ(row.minPhoneDigits, expected.first);
    EXPECT_EQ(row.postalRule, expected.second);
  }
}

TEST(CountryTableTest, ContactCellsAreFilledByGroup) {
  struct Group {
    std::string codes;
    bool phone, phone2, fax;
    int hasFax;
  };
  const Group groups[] = {
      {"AT BE FR DE IT ES CH GB", true, true, true, 1},
      {"AL DZ AD AO AZ BH BY BJ BA BW BG BF BI CM CA CV CF CD CG HR CY CZ DK EG EE ET FI GA GM "
       "GH GI GR GN HU IS IR IE IL JP JO KZ KE KW LV LB LS LR LI LT LU MK MG MW ML MT MR MU MC "
       "MA MZ NL NE NG NO OM PK PL PT QA RE RO RU RW ST SA SP SC SK SI ZA SD SR SZ SE SY TJ TZ "
       "TG TN TR TM UG UA AE US UZ YE ZR ZM ZW",
       true, true, true, 0},
      {"AR BZ BO BR CL CO CR DO EC GT MX NI PE UY VE", false, true, true, 0},
      {"AG AU BS BD BB BM BN KY CN KM SV GQ FJ GF PF GP GY HT HN HK IN ID JM MO MY MV MQ YT MN "
       "AN NC NZ PA PG PY PH SN SG KR LK TW TH TT VU VN WF",
       false, false, false, 0},
  };
  int seen = 0;
  for (const auto& group : groups) {
    for (const auto& code : words(group.codes)) {
      SCOPED_TRACE(code);
      const CountryRow* row = countryRow(indexOf(code));
      ASSERT_NE(row, nullptr);
      ++seen;
      EXPECT_EQ(!blankCell(row->phone), group.phone);
      EXPECT_EQ(!blankCell(row->phone2), group.phone2);
      EXPECT_EQ(!blankCell(row->fax), group.fax);
      EXPECT_EQ(row->hasFax, group.hasFax);
      for (const char* cell : {row->phone, row->phone2, row->fax}) {
        EXPECT_LT(std::strlen(cell), 20u);
        EXPECT_GT(std::strlen(cell), 0u) << "a missing number is a blank, not empty text";
      }
    }
  }
  EXPECT_EQ(seen, kCountryCount);
}

TEST(CountryMailTest, AddressGroupsStartAtTheirIdsWithTheirLineCounts) {
  struct {
    std::string codes;
    int first;
    int lines;
  } groups[] = {
      {"AG BS BB BM CA KY GY JM AN SR TT UY", 1600, 5},
      {"AL AT BE DE FR GB CH ES IT ZW WF VU YT MQ GP GF PF NC SN GQ KM", 1605, 5},
      {"BD BN IN MO MV MN PG LK TH VN", 1610, 5},
      {"AR", 1615, 6}, {"AU", 1622, 4}, {"BR", 1636, 6}, {"CN", 1657, 4}, {"JP", 1734, 5},
      {"KR", 1741, 6}, {"MX", 1748, 4}, {"SV", 1811, 6}, {"TW", 1818, 4}, {"US", 1825, 5},
      {"VE", 1832, 6},
  };
  for (const auto& group : groups) {
    for (const auto& code : words(group.codes)) {
      SCOPED_TRACE(code);
      const int index = indexOf(code);
      const CountryNameAndMail* mail = countryNameAndMail(index);
      ASSERT_NE(mail, nullptr);
      EXPECT_EQ((*mail)[0], 1200 + index);
      for (int line = 0; line < kMaxMailLines; ++line)
        EXPECT_EQ((*mail)[line + 1], line < group.lines ? group.first + line : 0);
    }
  }
}

TEST(CountryMailTest, EveryRowHasItsLinesFirstWithinTheAddressIds) {
  for (int index = 0; index < kCountryCount; ++index) {
    SCOPED_TRACE(index);
    const CountryNameAndMail& mail = *countryNameAndMail(index);
    EXPECT_EQ(mail[0], 1200 + index);
    bool ended = false;
    int lines = 0;
    for (int line = 1; line <= kMaxMailLines; ++line) {
      if (mail[line] == 0) {
        ended = true;
        continue;
      }
      EXPECT_FALSE(ended) << "a used line after a missing one";
      EXPECT_GE(mail[line], 1600);
      EXPECT_LE(mail[line], 1837);
      ++lines;
    }
    EXPECT_GE(lines, 4);
  }
  EXPECT_EQ(countryNameAndMail(169), nullptr);
}

TEST(StateListTest, ListsHaveTheirSizesCodesAndIds) {
  std::set<int> sharedIds;
  for (const auto& state : unitedStatesStates()) sharedIds.insert(state.stringId);
  EXPECT_EQ(sharedIds.size(), 51u);
  for (const auto& province : canadianProvinces())
    EXPECT_TRUE(sharedIds.insert(province.stringId).second)
        << province.code << " shares an id with a state";
  EXPECT_EQ(canadianProvinces().size(), 12u);
  EXPECT_EQ(sharedIds.size(), 63u);
  EXPECT_EQ(*sharedIds.begin(), 550);
  EXPECT_EQ(*sharedIds.rbegin(), 612) << "550-612 covered without a gap";

  EXPECT_EQ(unitedStatesStates().front().code, std::string("AL"));
  EXPECT_EQ(unitedStatesStates()[8].code, std::string("DC"));
  EXPECT_EQ(unitedStatesStates()[8].stringId, 560);
  EXPECT_EQ(unitedStatesStates().back().code, std::string("WY"));

  ASSERT_EQ(japanesePrefectures().size(), 47u);
  std::set<int> prefectureCodes;
  for (std::size_t i = 0; i < japanesePrefectures().size(); ++i) {
    const auto& prefecture = japanesePrefectures()[i];
    EXPECT_EQ(prefecture.stringId, 1900 + static_cast<int>(i));
    prefectureCodes.insert(std::stoi(prefecture.code));
  }
  EXPECT_EQ(prefectureCodes.size(), 47u);
  EXPECT_EQ(*prefectureCodes.begin(), 1);
  EXPECT_EQ(*prefectureCodes.rbegin(), 47);
  EXPECT_EQ(japanesePrefectures()[0].code, std::string("12"));  // Hokkaido
  EXPECT_EQ(japanesePrefectures()[46].code, std::string("32"));  // Okinawa

  ASSERT_EQ(brazilianStates().size(), 27u);
  std::set<std::string> brazilCodes;
  for (std::size_t i = 0; i < brazilianStates().size(); ++i) {
    EXPECT_EQ(brazilianStates()[i].stringId, 2550 + static_cast<int>(i));
    EXPECT_EQ(std::strlen(brazilianStates()[i].code), 2u);
    brazilCodes.insert(brazilianStates()[i].code);
  }
  EXPECT_EQ(brazilCodes.size(), 27u);
  EXPECT_EQ(brazilianStates().front().code, std::string("AC"));
  EXPECT_EQ(brazilianStates()[24].code, std::string("SP"));
  EXPECT_EQ(brazilianStates().back().code, std::string("TO"));
}

TEST(LocaleCountryTest, KeywordTableHasNinetyRowsThenTheEnd) {
  const auto rows = localeCountryKeywords();
  ASSERT_EQ(rows.size(), 91u);
  EXPECT_EQ(std::string_view(rows.back().keyword), "endoflist");
  EXPECT_EQ(rows.back().countryIndex, -1);
  std::set<std::string> keywords;
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
    const std::string keyword = rows[i].keyword;
    EXPECT_TRUE(keywords.insert(keyword).second) << keyword;
    EXPECT_EQ(keyword.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << keyword;
    EXPECT_NE(countryRow(rows[i].countryIndex), nullptr) << keyword;
  }
}

TEST(LocaleCountryTest, TheCountryPartOfTheLocaleNameFindsTheCountry) {
  struct {
    std::string locale;
    int index;
  } cases[] = {
      {"German_Austria.1252", 7},
      {"Dutch_Belgium.1252", 14},
      {"English_Australia.1252", 6},
      {"English_United Kingdom.1252", 157},
      {"English_United States.1252", 158},
      {"Korean_Korea.949", 136},
      {"Chinese_People's Republic of China.936", 33},
      {"Chinese_Taiwan.950", 145},
      {"Norwegian (Bokm\xe5l)_Norway.1252", 112},
      {"Portuguese_Brazil", 21},  // no code page: to the end
      {"Thai_Thailand.874", 148},
      {"Japan", 76},  // no "_": from the beginning
      {"German_Narnia.1252", 158},
      {"Esperanto", 158},
      {"English_USA_Extra.1252", 158},  // "usa_extra" is not a keyword
      {"Chinese_Hong Kong S.A.R..950", 158},  // the country part ends at the first "."
      {"", 158},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.locale);
    EXPECT_EQ(countryIndexFromLocale(c.locale), c.index);
  }
}

}  // namespace
}  // namespace kvr

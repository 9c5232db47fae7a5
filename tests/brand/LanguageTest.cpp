#include "brand/Language.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "brand/LanguageTable.h"
#include "brand/Languages.h"

namespace kvr {
namespace {

int codeOf(std::string_view library) {
  for (int code = 0; code < kLanguageCount; ++code)
    if (libraryCode(code) == library) return code;
  return -1;
}

TEST(LanguageTest, LayoutSwitchesFollowTheLanguageTable) {
  // Operations 1-8, 10, 11 in slot order.
  struct {
    std::string_view library;
    std::string values;
  } cases[] = {
      {"ITA", "1110011111"}, {"ELL", "1110111111"}, {"JPN", "1111011111"},
      {"KOR", "0110011111"}, {"SVE", "1100111111"}, {"THA", "1111111111"},
      {"FRA", "1110011111"}, {"ESP", "1110001111"}, {"DEU", "1111011111"},
      {"NOR", "1100011111"}, {"PLK", "1110001111"}, {"ENU", "1111111111"},
      {"HUN", "1111011111"}, {"PTG", "1100111111"}, {"PTB", "1100101111"},
  };
  const Switch columns[] = {Switch::ShowsPrefix,        Switch::ShowsNames,
                            Switch::ShowsInitial,       Switch::BoldTitles,
                            Switch::ShowsSuffix,        Switch::ShowsPoBox,
                            Switch::ShowsPostalAddress, Switch::ShowsPhone,
                            Switch::AsksJobAndCompany,  Switch::AllowsFrenchCorrespondence};
  for (const auto& c : cases) {
    auto language = makeLanguage(codeOf(c.library), nullptr);
    for (std::size_t i = 0; i < std::size(columns); ++i) {
      SCOPED_TRACE(std::string(c.library) + " slot " +
                   std::to_string(switchSlot(columns[i]).slot));
      EXPECT_EQ(language->isOn(columns[i]), c.values[i] == '1');
    }
  }
}

TEST(LanguageTest, OwnStateListsByLanguageAndCountry) {
  constexpr int kGermany = 56;
  struct {
    std::string_view library;
    int country;
    bool own;
  } cases[] = {
      {"ENU", kCountryUnitedStates, true}, {"ENU", kCountryBrazil, true},
      {"ENU", kCountryCanada, true},       {"ENU", kCountryJapan, true},
      {"ENU", kGermany, false},            {"ENU", -1, false},
      {"FRA", kCountryCanada, true},       {"FRA", kCountryUnitedStates, false},
      {"JPN", kCountryJapan, true},        {"JPN", kCountryUnitedStates, false},
      {"PTB", kCountryBrazil, true},       {"PTB", kCountryCanada, false},
      {"PTG", kCountryBrazil, false},      {"DEU", kCountryUnitedStates, false},
      {"CHT", kCountryJapan, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.library) + " country " + std::to_string(c.country));
    auto language = makeLanguage(codeOf(c.library), nullptr);
    EXPECT_EQ(language->hasOwnStates(c.country), c.own);
    EXPECT_EQ(language->shows(ContactField::State, c.country), c.own);
    EXPECT_EQ(language->isOn(Switch::OwnStateList, c.country), c.own);
  }
}

TEST(LanguageTest, FieldsFollowTheirLayoutSwitch) {
  auto korean = makeLanguage(codeOf("KOR"), nullptr);
  auto brazilian = makeLanguage(codeOf("PTB"), nullptr);
  EXPECT_FALSE(korean->shows(ContactField::Prefix, kCountryUnitedStates));
  EXPECT_TRUE(korean->shows(ContactField::FirstName, kCountryUnitedStates));
  EXPECT_FALSE(brazilian->shows(ContactField::Initial, kCountryBrazil));
  EXPECT_FALSE(brazilian->shows(ContactField::PoBox, kCountryBrazil));
  EXPECT_TRUE(brazilian->shows(ContactField::Suffix, kCountryBrazil));
  EXPECT_TRUE(brazilian->shows(ContactField::Street, kCountryBrazil));
  EXPECT_TRUE(brazilian->shows(ContactField::Email, kCountryBrazil)) << "no switch hides it";
}

TEST(LanguageTest, SubclassesAnswerForTheirCodesAndOthersAreGeneral) {
  for (int code = -1; code <= kLanguageCount; ++code) {
    SCOPED_TRACE(code);
    auto language = makeLanguage(code, nullptr);
    const bool valid = code >= 0 && code < kLanguageCount;
    EXPECT_EQ(language->code(), valid ? code : kEnglish);
    EXPECT_EQ(language->libraryCode(), libraryCode(language->code()));
    EXPECT_EQ(language->module(), nullptr);
  }
  EXPECT_NE(dynamic_cast<EnglishLanguage*>(makeLanguage(kEnglish, nullptr).get()), nullptr);
  EXPECT_NE(dynamic_cast<FrenchLanguage*>(makeLanguage(kFrench, nullptr).get()), nullptr);
  EXPECT_NE(dynamic_cast<JapaneseLanguage*>(makeLanguage(kJapanese, nullptr).get()), nullptr);
  EXPECT_NE(dynamic_cast<BrazilianLanguage*>(makeLanguage(kBrazilianPortuguese, nullptr).get()),
            nullptr);
}

TEST(LanguageTest, EnglishAndFrenchLocaleCodesFollowTheCountry) {
  struct {
    int code;
    std::string_view country;
    std::string expected;
  } cases[] = {
      {kEnglish, "US", "en_US"}, {kEnglish, "CA", "en_CA"},   {kEnglish, "GB", "en_GB"},
      {kEnglish, "", "en_US"},   {kFrench, "CA", "fr_CA"},    {kFrench, "BE", "fr_BE"},
      {kFrench, "", "fr_FR"},    {kGerman, "AT", "de_DE"},    {kJapanese, "US", "ja_JP"},
      {kBrazilianPortuguese, "BR", "pt_BR"}, {kPortuguese, "BR", "pt_PT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + " " + std::string(c.country));
    EXPECT_EQ(makeLanguage(c.code, nullptr)->localeCode(c.country), c.expected);
  }
}

TEST(SwitchTableTest, SlotsAreDistinctAndFieldsHaveOneSwitchPerOwner) {
  std::set<int> languageSlots;
  std::set<int> brandSlots;
  for (const auto& row : switchSlots()) {
    SCOPED_TRACE(std::string(row.meaning));
    EXPECT_FALSE(row.meaning.empty());
    auto& slots = row.owner == SwitchOwner::Language ? languageSlots : brandSlots;
    EXPECT_TRUE(slots.insert(row.slot).second) << "slot used twice";
    EXPECT_EQ(&switchSlot(row.which), &row);
  }
  EXPECT_EQ(*languageSlots.begin(), 1);
  EXPECT_EQ(*languageSlots.rbegin(), 11);
  EXPECT_EQ(languageSlots.size(), 11u);
  EXPECT_EQ(*brandSlots.begin(), 16);
  EXPECT_EQ(*brandSlots.rbegin(), 30);
  EXPECT_EQ(brandSlots.size(), 15u);
  for (int field = 0; field < kContactFieldCount; ++field) {
    for (SwitchOwner owner : {SwitchOwner::Language, SwitchOwner::Brand}) {
      int governing = 0;
      for (const auto& row : switchSlots())
        if (row.owner == owner && (row.fields & fieldBit(static_cast<ContactField>(field))) != 0)
          ++governing;
      EXPECT_LE(governing, 1) << "field " << field;
    }
  }
}

}  // namespace
}  // namespace kvr

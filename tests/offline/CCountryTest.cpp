#include "offline/CCountry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "brand/BrandProfile.h"
#include "brand/LanguageSelection.h"
#include "brand/LanguageTable.h"
#include "brand/Languages.h"
#include "offline/CountryFactory.h"
#include "ui/StringTable.h"

namespace kvr {
namespace {

constexpr int kAustria = 7;
constexpr int kBelgium = 14;
constexpr int kGermany = 56;
constexpr int kUnitedKingdom = 157;
constexpr int kSwitzerland = 143;
constexpr int kAlbania = 0;
constexpr int kDutch = 13;
constexpr int kItalian = 0;

// The language and brand the country objects consult, put in place for one test.
class CountryTest : public ::testing::Test {
 protected:
  void TearDown() override {
    deleteLanguage();
    deleteBrandProfile();
    resetDefaultCountry();
  }
  void use(int languageCode, BrandId brand) {
    setLanguage(makeLanguage(languageCode, nullptr));
    setBrandProfile(makeBrandProfile(brand));
  }
};

TEST_F(CountryTest, StateListsBelongToTheirCountries) {
  struct {
    int index;
    int count;
    std::string firstCode;
    int firstId;
  } cases[] = {
      {kCountryUnitedStates, 51, "AL", 550}, {kCountryCanada, 12, "AB", 552},
      {kCountryJapan, 47, "12", 1900},       {kCountryBrazil, 27, "AC", 2550},
      {kGermany, 0, "XX", 0},                {-1, 0, "XX", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    auto country = countryFor(c.index);
    EXPECT_EQ(country->index(), c.index);
    EXPECT_EQ(country->stateCount(), c.count);
    EXPECT_EQ(country->stateCode(0), c.firstCode);
    EXPECT_EQ(country->stateName(0), c.firstId ? ui::loadString(c.firstId) : "");
    EXPECT_EQ(country->stateCode(c.count), "XX");
    EXPECT_EQ(country->stateCode(-1), "XX");
    EXPECT_EQ(country->stateName(c.count), "");
  }
}

TEST_F(CountryTest, FaxFlagAndNumbersComeFromTheRow) {
  use(kEnglish, BrandId::Ovx);
  auto britain = countryFor(kUnitedKingdom);
  auto canada = countryFor(kCountryCanada);
  EXPECT_TRUE(britain->hasFax());
  EXPECT_FALSE(canada->hasFax());
  EXPECT_NE(canada->fax(), " ") << "the fax column is filled though it is not offered";
  EXPECT_EQ(countryFor(kCountryBrazil)->phone(), " ");
  EXPECT_NE(countryFor(kCountryBrazil)->phone2(), " ");
  auto none = countryFor(169);
  EXPECT_FALSE(none->hasFax());
  EXPECT_EQ(none->phone(), "");
  EXPECT_EQ(CCountry::countryCode(169), "");
  EXPECT_EQ(CCountry::countryCode(kAustria), "AT");
  EXPECT_EQ(none->mailLineCount(), 0);
  EXPECT_EQ(none->minPhoneDigits(), 1);
  EXPECT_EQ(none->postalRule(), 1);
}

TEST_F(CountryTest, MailLinesCountTheUsedIdsAndAMissingTextIsEmpty) {
  auto albania = countryFor(kAlbania);
  EXPECT_EQ(albania->mailLineCount(), 5);
  EXPECT_EQ(albania->mailLine(0), ui::loadString(1605));
  EXPECT_EQ(albania->mailLine(4), "") << "1609 has no text";
  EXPECT_EQ(albania->mailLine(5), "");
  EXPECT_EQ(albania->mailLine(-1), "");
  EXPECT_EQ(countryFor(5)->mailLineCount(), 6);  // Argentina
  EXPECT_EQ(CCountry::countryName(kAustria), ui::loadString(1207));
  EXPECT_EQ(CCountry::countryName(-1), "");
}

TEST_F(CountryTest, BelgianAndSwissNumbersFollowLanguageAndBrand) {
  struct {
    int country;
    int language;
    BrandId brand;
    std::string phone;
  } cases[] = {
      {kBelgium, kDutch, BrandId::Ovx, "+1 555 0150"},
      {kBelgium, kDutch, BrandId::Amberly, "+1 555 0151"},
      {kBelgium, kFrench, BrandId::Ovx, "+1 555 0152"},
      {kBelgium, kFrench, BrandId::Amberly, "+1 555 0153"},
      {kBelgium, kEnglish, BrandId::Ovx, " "},
      {kBelgium, kGerman, BrandId::Amberly, " "},
      {kSwitzerland, kGerman, BrandId::Ovx, "+1 555 0154"},
      {kSwitzerland, kFrench, BrandId::Amberly, "+1 555 0157"},
      {kSwitzerland, kItalian, BrandId::Amberly, "+1 555 0159"},
      {kSwitzerland, kEnglish, BrandId::Ovx, " "},
      {kSwitzerland, kDutch, BrandId::Ovx, " "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.country) + " language " + std::to_string(c.language));
    use(c.language, c.brand);
    EXPECT_EQ(countryFor(c.country)->phone(), c.phone);
  }
}

TEST_F(CountryTest, BrandNumbersReplaceTheCentresForTwelveCountries) {
  for (int index : {7, 41, 50, 51, 56, 72, 74, 112, 121, 137, 142, 157}) {
    SCOPED_TRACE(index);
    use(kEnglish, BrandId::Ovx);
    const std::string centre = countryRow(index)->phone;
    EXPECT_EQ(countryFor(index)->phone(), centre);
    use(kEnglish, BrandId::Amberly);
    EXPECT_EQ(countryFor(index)->phone(), brandProfile().phoneNumberFor(index));
    EXPECT_NE(countryFor(index)->phone(), centre);
  }
  use(kEnglish, BrandId::Amberly);
  EXPECT_EQ(countryFor(kCountryUnitedStates)->phone(),
            std::string(countryRow(kCountryUnitedStates)->phone))
      << "other countries keep the centre's number";
}

class ScopedLang {
 public:
  explicit ScopedLang(const char* value) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES"}) {
      if (const char* old = std::getenv(name)) m_saved.emplace_back(name, old);
      unsetenv(name);
    }
    if (const char* old = std::getenv("LANG")) m_oldLang = old;
    setenv("LANG", value, 1);
  }
  ~ScopedLang() {
    for (const auto& [name, value] : m_saved) setenv(name.c_str(), value.c_str(), 1);
    if (m_oldLang)
      setenv("LANG", m_oldLang->c_str(), 1);
    else
      unsetenv("LANG");
  }

 private:
  std::vector<std::pair<std::string, std::string>> m_saved;
  std::optional<std::string> m_oldLang;
};

TEST_F(CountryTest, DefaultCountryComesFromTheLocaleOnceAndIsSharedByCountryFor) {
  resetDefaultCountry();
  {
    ScopedLang lang("de_AT.UTF-8");
    auto first = defaultCountry();
    EXPECT_EQ(first->index(), kAustria);
    EXPECT_EQ(countryFor(kAustria), first) << "the cached object is handed out";
    EXPECT_NE(countryFor(kGermany), first);
  }
  ScopedLang lang("pt_BR.UTF-8");
  EXPECT_EQ(defaultCountry()->index(), kAustria) << "kept for the life of the process";
  resetDefaultCountry();
  EXPECT_EQ(defaultCountry()->index(), kCountryBrazil);
  EXPECT_EQ(defaultCountry()->stateCount(), 27);
}

}  // namespace
}  // namespace kvr

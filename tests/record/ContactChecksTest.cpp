#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "brand/BrandProfile.h"
#include "brand/LanguageTable.h"
#include "brand/Languages.h"
#include "offline/CountryFactory.h"
#include "offline/CountryTable.h"
#include "record/FakeContactFields.h"
#include "record/FieldChecks.h"

namespace kvr {
namespace {

using F = ContactField;
using test::FakeContactFields;
using test::raisedBy;

int countryIndex(std::string_view code) {
  for (int index = 0; index < kCountryCount; ++index)
    if (countryCodeOf(index) == code) return index;
  return -1;
}

int languageCode(std::string_view library) {
  for (int code = 0; code < kLanguageCount; ++code)
    if (libraryCode(code) == library) return code;
  return -1;
}

int codePageOf(std::string_view library) {
  if (library == "JPN") return 932;
  if (library == "CHS") return 936;
  if (library == "KOR") return 949;
  if (library == "CHT") return 950;
  return 1252;
}

// One contact page for a country and language under the built brand, filled with entries that
// pass every check; a case changes the entries it is about.
class ContactPage {
 public:
  ContactPage(std::string_view country, std::string_view language)
      : m_language(makeLanguage(languageCode(language), nullptr)),
        m_brand(makeBrandProfile(kBuiltBrand)),
        m_country(countryFor(countryIndex(country))),
        m_codePage(codePageOf(language)),
        m_fields(*m_language, *m_brand, countryIndex(country)) {
    m_fields.set(F::FirstName, "Ada").set(F::LastName, "Lovelace").set(F::Prefix, "Ms.");
    m_fields.set(F::Street, "1 Main Street").set(F::City, "Springfield");
    m_fields.set(F::State, "Somewhere").set(F::Zip, "12345678").set(F::Country, "Somewhere");
    m_fields.set(F::Phone, "0123456789").set(F::Email, "ada@example.com");
  }

  FakeContactFields& fields() { return m_fields; }

  test::Raised nameGroup() {
    return raisedBy([&] { m_country->validateNameGroup(m_fields, m_codePage); });
  }
  test::Raised addressGroup() {
    return raisedBy([&] { m_country->validateAddressGroup(m_fields, m_codePage); });
  }
  test::Raised phoneGroup() {
    return raisedBy([&] { m_country->validatePhoneGroup(m_fields, m_codePage); });
  }

 private:
  std::unique_ptr<Language> m_language;
  std::unique_ptr<BrandProfile> m_brand;
  std::shared_ptr<const CCountry> m_country;
  int m_codePage;
  FakeContactFields m_fields;
};

using GroupCheck = test::Raised (ContactPage::*)();

// Puts `input` into `field` of a page for the country and language, runs one group's checks
// and compares the id raised; a raised error must blame `blamed`.
void expectGroupRaises(std::string_view country, std::string_view language, F field,
                       const std::string& input, GroupCheck group, int expected, F blamed) {
  ContactPage page(country, language);
  page.fields().set(field, input);
  const auto raised = (page.*group)();
  EXPECT_EQ(raised.id, expected);
  if (expected != 0) {
    EXPECT_EQ(raised.owner, page.fields().control(blamed));
  }
}

struct RuleCase {
  std::string input;
  std::string country;
  std::string language;
  int expected;  // 0: passes
};

std::string trace(const RuleCase& c) {
  return "\"" + c.input + "\" " + c.country + " " + c.language;
}

TEST(ContactChecksTest, PhoneRule) {
  const RuleCase cases[] = {
      {"(01) 1234", "AT", "DEU", 0},
      {"555-1234", "US", "ENU", msg::kPhoneTooShort},
      {"(555) 123-4567", "US", "ENU", 0},
      {"+1 555.123.4567", "US", "ENU", 0},
      {"555x1234", "US", "ENU", msg::kInvalidCharacter},
      {"555 1234 ext 5", "GB", "ENU", msg::kInvalidCharacter},
      {"", "US", "ENU", msg::kPhoneRequired},
      {"   ", "DE", "DEU", msg::kPhoneRequired},
      {"030|1234567", "DE", "DEU", msg::kPipeOrBackslash},
      {"030\\1234567", "DE", "DEU", msg::kPipeOrBackslash},
      {"+49 (30) 1234-5678", "DE", "DEU", 0},
      {"1234567", "DE", "DEU", msg::kPhoneTooShort},
      {"1", "AL", "ENU", 0},
      {"-", "AL", "ENU", msg::kPhoneTooShort},
      {"03-1234-5678", "JP", "JPN", 0},
      {"\x82\x4f" "3-1234-5678", "JP", "JPN", msg::kInvalidCharacter},  // wide digit
      {"\x83\x5c", "JP", "JPN", msg::kInvalidCharacter},  // its trail byte is no backslash
      {"0123456789", "", "ENU", 0},  // no country chosen: no minimum
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(trace(c));
    expectGroupRaises(c.country, c.language, F::Phone, c.input, &ContactPage::phoneGroup, c.expected,
                      F::Phone);
  }
}

TEST(ContactChecksTest, ExtensionRule) {
  const RuleCase cases[] = {
      {"", "US", "ENU", 0},
      {"  ", "US", "ENU", 0},
      {"12", "US", "ENU", 0},
      {"(12)-3", "DE", "DEU", 0},
      {"x12", "US", "ENU", msg::kInvalidCharacter},
      {"1|2", "US", "ENU", msg::kPipeOrBackslash},
      {"\x82\x50", "JP", "JPN", msg::kInvalidCharacter},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(trace(c));
    expectGroupRaises(c.country, c.language, F::Extension, c.input, &ContactPage::phoneGroup, c.expected,
                      F::Extension);
  }
}

TEST(ContactChecksTest, ZipRuleOfTheCountry) {
  const RuleCase cases[] = {
      {"75 008", "FR", "FRA", 0},            // blanks removed: five digits
      {"75A08", "FR", "FRA", msg::kInvalidCharacter},
      {"7500", "FR", "FRA", msg::kZipTooFewDigits},
      {"75-008", "FR", "FRA", 0},
      {"75_008", "FR", "FRA", msg::kInvalidCharacter},
      {"75|008", "FR", "FRA", msg::kPipeOrBackslash},
      {"", "FR", "FRA", msg::kZipRequired},
      {"  ", "FR", "FRA", msg::kZipRequired},
      {"K1A 0B1", "CA", "ENU", 0},
      {"K1A", "CA", "ENU", msg::kZipTooFewCharacters},
      {"K1A-0B1", "CA", "ENU", 0},
      {"K1A.0B1", "CA", "ENU", msg::kInvalidCharacter},
      {"1010", "AT", "DEU", 0},
      {"A-1010", "AT", "DEU", msg::kInvalidCharacter},
      {"101", "AT", "DEU", msg::kZipTooFewDigits},
      {"1234", "CH", "FRA", 0},
      {"100000", "CN", "CHS", 0},
      {"10000", "CN", "CHS", msg::kZipTooFewDigits},
      {"SW1A 1AA", "GB", "ENU", 0},
      {"1", "GB", "ENU", 0},
      {"100-0001", "JP", "JPN", 0},
      {"\x82\x50\x82\x4f\x82\x4f", "JP", "JPN", msg::kZipTooFewCharacters},  // three wide
      {"\x82\x50\x82\x4f\x82\x4f-0001", "JP", "JPN", 0},
      {"1000\x83", "CN", "CHS", msg::kInvalidCharacter},  // lone lead byte at the end
      {"\xe9" "1234", "DE", "DEU", 0},                   // a letter of the code page
      {"01310-200", "BR", "PTB", 0},
      {"0131-20", "BR", "PTB", msg::kZipTooFewCharacters},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(trace(c));
    expectGroupRaises(c.country, c.language, F::Zip, c.input, &ContactPage::addressGroup, c.expected,
                      F::Zip);
  }
}

TEST(ContactChecksTest, UnitedStatesZipRule) {
  const RuleCase cases[] = {
      {"12345-6789", "US", "ENU", 0},
      {"12345", "US", "ENU", 0},
      {"123456789", "US", "ENU", 0},
      {"12345-", "US", "ENU", 0},
      {"1234-56789", "US", "ENU", msg::kInvalidCharacter},  // hyphen in fifth place
      {"123456-789", "US", "ENU", msg::kInvalidCharacter},
      {"12345-67-89", "US", "ENU", msg::kInvalidCharacter},
      {"12345--6789", "US", "ENU", msg::kInvalidCharacter},
      {"-12345", "US", "ENU", msg::kInvalidCharacter},
      {"12345 6789", "US", "ENU", msg::kInvalidCharacter},
      {"ABCDE", "US", "ENU", msg::kInvalidCharacter},
      {"1234", "US", "ENU", msg::kUsZipFiveDigits},
      {"1", "US", "DEU", msg::kUsZipFiveDigits},
      {"", "US", "ENU", msg::kZipRequired},
      {"12|45", "US", "ENU", msg::kPipeOrBackslash},
      {"1234", "MX", "ESP", 0},  // other countries keep their own rule
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(trace(c));
    expectGroupRaises(c.country, c.language, F::Zip, c.input, &ContactPage::addressGroup, c.expected,
                      F::Zip);
  }
}

struct FieldCase {
  F field;
  std::string input;
  std::string country;
  std::string language;
  int expected;
  F blamed;
};

std::string trace(const FieldCase& c) {
  return "field " + std::to_string(static_cast<int>(c.field)) + " \"" + c.input + "\" " +
         c.country + " " + c.language;
}

TEST(ContactChecksTest, NameRule) {
  const FieldCase cases[] = {
      {F::FirstName, "", "US", "ENU", msg::kFirstNameRequired, F::FirstName},
      {F::FirstName, "  ", "US", "ENU", msg::kFirstNameRequired, F::FirstName},
      {F::FirstName, "J0hn", "US", "ENU", msg::kOnlyLetters, F::FirstName},
      {F::FirstName, "Jo|hn", "US", "ENU", msg::kPipeOrBackslash, F::FirstName},
      {F::FirstName, "Jo4|hn", "US", "ENU", msg::kOnlyLetters, F::FirstName},
      {F::FirstName, "Jos\xe9", "FR", "FRA", 0, F::FirstName},
      {F::FirstName, "\x83\x5c\x83\x5c", "JP", "JPN", 0, F::FirstName},
      {F::FirstName, "\x83\x5c\x83\x5c", "US", "ENU", msg::kPipeOrBackslash, F::FirstName},
      {F::LastName, "", "DE", "DEU", msg::kLastNameRequired, F::LastName},
      {F::LastName, "Smith 3rd", "DE", "DEU", msg::kOnlyLetters, F::LastName},
      {F::LastName, "Sm\\ith", "DE", "DEU", msg::kPipeOrBackslash, F::LastName},
      {F::Prefix, "", "KR", "KOR", 0, F::Prefix},  // the brand does not require it
      {F::Suffix, "", "US", "ENU", 0, F::Suffix},
      {F::Initial, "7", "US", "ENU", 0, F::Initial},  // the initial is not checked on Next
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(trace(c));
    expectGroupRaises(c.country, c.language, c.field, c.input, &ContactPage::nameGroup, c.expected,
                      c.blamed);
  }
}

TEST(ContactChecksTest, AddressRule) {
  const FieldCase cases[] = {
      {F::Street, "123", "US", "ENU", msg::kStreetNeedsLetters, F::Street},
      {F::Street, "12-14 / 3", "DE", "DEU", msg::kStreetNeedsLetters, F::Street},
      {F::Street, "1 Main|Street", "US", "ENU", msg::kPipeOrBackslash, F::Street},
      {F::Street, "", "US", "ENU", msg::kAddressRequired, F::Street},
      {F::Street, "Rua \xc1gua 5", "BR", "PTB", 0, F::Street},
      {F::Street, "\x93\x8c\x8b\x9e 1-1", "JP", "JPN", 0, F::Street},
      {F::PoBox, "12", "US", "ENU", msg::kAddressNeedsLetters, F::PoBox},
      {F::PoBox, "PO Box 5|", "US", "ENU", msg::kPipeOrBackslash, F::PoBox},
      {F::PoBox, "12", "BR", "PTB", 0, F::PoBox},  // not shown in this layout
      {F::City, "", "US", "ENU", msg::kCityRequired, F::City},
      {F::City, "Ber|lin", "DE", "DEU", msg::kPipeOrBackslash, F::City},
      {F::City, "12", "DE", "DEU", 0, F::City},
      {F::State, "", "US", "ENU", msg::kStateRequired, F::State},
      {F::State, "", "CA", "FRA", msg::kStateRequired, F::State},
      {F::State, "", "US", "DEU", 0, F::State},   // German offers no state list
      {F::State, "", "BR", "PTB", msg::kStateRequired, F::State},
      {F::State, "", "BR", "ENU", msg::kStateRequired, F::State},
      {F::State, "", "JP", "JPN", msg::kStateRequired, F::State},
      {F::State, "", "FR", "FRA", 0, F::State},
      {F::Country, "", "US", "ENU", msg::kCountryRequired, F::Country},
      {F::Country, " ", "DE", "DEU", msg::kCountryRequired, F::Country},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(trace(c));
    expectGroupRaises(c.country, c.language, c.field, c.input, &ContactPage::addressGroup, c.expected,
                      c.blamed);
  }
}

TEST(ContactChecksTest, AStreetOrAPoBoxFillsTheAddress) {
  struct {
    std::string street;
    std::string poBox;
    std::string language;
    int expected;
    F blamed;
  } cases[] = {
      {"", "PO Box 5", "ENU", 0, F::Street},
      {"", "5", "ENU", msg::kAddressNeedsLetters, F::PoBox},
      {"", "", "ENU", msg::kAddressRequired, F::Street},
      {"", "PO Box 5", "ESP", msg::kAddressRequired, F::Street},  // P.O. box not in this layout
      {"Calle Mayor 1", "", "ESP", 0, F::Street},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("\"" + c.street + "\" \"" + c.poBox + "\" " + c.language);
    ContactPage page("ES", c.language);
    page.fields().set(F::Street, c.street).set(F::PoBox, c.poBox);
    const auto raised = page.addressGroup();
    EXPECT_EQ(raised.id, c.expected);
    if (c.expected != 0) {
      EXPECT_EQ(raised.owner, page.fields().control(c.blamed));
    }
  }
}

TEST(ContactChecksTest, OnlyThePoBoxLineRequiresItselfWhenTheStreetIsHidden) {
  ContactPage page("US", "ENU");
  page.fields().disable(F::Street).set(F::PoBox, "");
  EXPECT_EQ(page.addressGroup().id, msg::kAddressRequired);
  EXPECT_EQ(page.addressGroup().owner, page.fields().control(F::PoBox));
  page.fields().set(F::PoBox, "PO Box 7");
  EXPECT_EQ(page.addressGroup().id, 0);
}

TEST(ContactChecksTest, GroupsStopAtTheirFirstFailureInPageOrder) {
  ContactPage page("US", "ENU");
  page.fields().set(F::LastName, "").set(F::FirstName, "");
  EXPECT_EQ(page.nameGroup().id, msg::kFirstNameRequired);
  page.fields().set(F::City, "").set(F::Zip, "1").set(F::Street, "9");
  EXPECT_EQ(page.addressGroup().id, msg::kStreetNeedsLetters);
  page.fields().set(F::Street, "9 Elm Street");
  EXPECT_EQ(page.addressGroup().id, msg::kCityRequired);
  page.fields().set(F::City, "Springfield");
  EXPECT_EQ(page.addressGroup().id, msg::kUsZipFiveDigits);
}

TEST(ContactChecksTest, AcceptedAnswersLeaveOutTheirCountOnly) {
  ContactPage page("FR", "FRA");
  page.fields().set(F::Zip, "750").set(F::Phone, "01 23");
  EXPECT_EQ(page.addressGroup().id, msg::kZipTooFewDigits);
  EXPECT_EQ(page.phoneGroup().id, msg::kPhoneTooShort);
  page.fields().accept(F::Zip).accept(F::Phone);
  EXPECT_EQ(page.addressGroup().id, 0);
  EXPECT_EQ(page.phoneGroup().id, 0);
  page.fields().set(F::Phone, "01 x3");
  EXPECT_EQ(page.phoneGroup().id, msg::kInvalidCharacter);
}

TEST(ContactChecksTest, DisabledFieldsAreNotChecked) {
  ContactPage page("US", "ENU");
  page.fields().set(F::Zip, "1").disable(F::Zip).set(F::Phone, "").disable(F::Phone);
  EXPECT_EQ(page.addressGroup().id, 0);
  EXPECT_EQ(page.phoneGroup().id, 0);
}

TEST(ContactChecksTest, PageEntries) {
  struct {
    F field;
    std::string input;
    bool declined;
    int expected;
  } cases[] = {
      {F::JobTitle, "Engineer", false, 0},
      {F::JobTitle, "R|D", false, msg::kPipeOrBackslash},
      {F::JobTitle, "", false, 0},
      {F::Company, "A\\B", false, msg::kPipeOrBackslash},
      {F::Company, "Example Ltd.", false, 0},
      {F::Email, "ada@example.com", false, 0},
      {F::Email, "ada@example", false, msg::kEmailNotShaped},
      {F::Email, "ada example.com", false, msg::kEmailNotShaped},
      {F::Email, "ada @example.com", false, msg::kEmailNotShaped},
      {F::Email, "", false, msg::kEnterEmail},
      {F::Email, "   ", false, msg::kEnterEmail},
      {F::Email, "a|b@example.com", false, msg::kPipeOrBackslash},
      {F::Email, "", true, 0},
      {F::Email, "ada@example", true, 0},
  };
  auto* owner = reinterpret_cast<ui::CWnd*>(0x40);
  for (const auto& c : cases) {
    SCOPED_TRACE("field " + std::to_string(static_cast<int>(c.field)) + " \"" + c.input + "\"");
    const auto raised = raisedBy([&] {
      if (c.field == F::JobTitle) checkJobTitle(c.input, owner, 1252);
      if (c.field == F::Company) checkCompany(c.input, owner, 1252);
      if (c.field == F::Email) checkEmail(c.input, c.declined, owner, 1252);
    });
    EXPECT_EQ(raised.id, c.expected);
    if (c.expected != 0) {
      EXPECT_EQ(raised.owner, owner);
    }
  }
}

TEST(ContactChecksTest, LongFieldsAndCutOffLeadBytesAreHandled) {
  const std::string longText(64 * 1024, 'a');
  ContactPage page("JP", "JPN");
  page.fields().set(F::FirstName, longText).set(F::City, longText + "\x83");
  EXPECT_EQ(page.nameGroup().id, 0);
  EXPECT_EQ(page.addressGroup().id, 0);
  page.fields().set(F::Zip, std::string(64 * 1024, '1') + "\x83");
  EXPECT_EQ(page.addressGroup().id, 0);  // a wide character counts in a positive rule
  ContactPage us("US", "ENU");
  us.fields().set(F::Zip, std::string(64 * 1024, '1') + "\x83");
  EXPECT_EQ(us.addressGroup().id, msg::kInvalidCharacter);
}

}  // namespace
}  // namespace kvr

#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "brand/ContactField.h"
#include "brand/Switches.h"

namespace kvr {

inline constexpr int kSurveyRows = 3;
inline constexpr int kSurveyColumns = 3;
inline constexpr int kMaxBookmarks = 3;

// What differs between the maker's product lines. The base fills the defaults (its own name is
// "Demo"); each profile's constructor overwrites what it changes. Callers ask through the
// virtual operations and never test which brand it is. Immutable once built.
class BrandProfile {
 public:
  virtual ~BrandProfile() = 0;
  BrandProfile(const BrandProfile&) = delete;
  BrandProfile& operator=(const BrandProfile&) = delete;

  virtual int surveyControlCount() const;               // 1
  virtual int surveyControlId(int row) const;           // 2
  virtual int surveyLabelId(int row) const;             // 3
  // Only brands with hasRequiredMessages() have one; 0 for the others and for a bad row.
  virtual int requiredMessageId(int row) const;         // 4
  virtual int questionCount() const;                    // 5
  virtual bool questionPositionAllowed(int position, bool home) const;  // 6
  virtual bool usageValueAllowed(int value) const;      // 7
  virtual bool offersBookmarks() const;                 // 8
  virtual int bookmarkCount() const;                    // 9
  virtual int secondCount() const;                      // 10
  virtual bool bookmarkIndexAllowed(int index, bool flag) const;  // 11
  virtual int bookmarkCheckBoxId(int index) const;      // 12
  virtual int bookmarkNameId(int index) const;          // 13
  virtual int bookmarkUrlId(int index) const;           // 14
  virtual const std::string& defaultUsageCode() const;  // 15

  // 16 to 30: what the contact checks require (meanings: Switches.cpp).
  virtual bool requiresFirstName() const;
  virtual bool requiresLastName() const;
  virtual bool requiresPrefix() const;
  virtual bool requiresAddress() const;
  virtual bool requiresSuffix() const;
  virtual bool requiresInitial() const;
  virtual bool requiresExtension() const;
  virtual bool requiresCity() const;
  virtual bool requiresState() const;
  virtual bool requiresZip() const;
  virtual bool requiresPhone() const;
  virtual bool offersFrenchCorrespondence() const;
  virtual bool requiresJobTitle() const;
  virtual bool requiresCompany() const;
  virtual bool requiresEmail() const;

  virtual bool hidesSystemInformation() const;          // 31
  virtual bool asksConsent() const;                     // 32
  virtual bool hasPrivacyStatement() const;             // 33
  // 34: page 2404 asks column 2 as a plain survey instead of the home/business variant.
  virtual bool usesConsumerForm() const;
  // 35: the brand has its own phone numbers for some countries (phoneNumberFor).
  virtual bool usesOwnPhoneNumbers() const;
  // 36: the brand's own number for a country index; empty when the brand has no list.
  virtual std::string phoneNumberFor(int countryIndex) const;

  // One survey question: its text id, record key and printed-form code.
  struct Question {
    int textId;
    const char* key;
    const char* formCode;
  };

  // Dispatches a brand switch to its operation above; false for a language switch.
  bool isOn(Switch which) const;
  // Whether the brand requires a contact field (false for fields no switch governs).
  bool requiresField(ContactField field) const;

  bool hasRequiredMessages() const { return m_requiredMessageIds.has_value(); }
  int questionTextId(int row, int column) const;
  const std::string& questionKey(int row, int column) const;
  const std::string& formCode(int row, int column) const;
  const std::string& displayName() const { return m_displayName; }
  const std::string& shortName() const { return m_shortName; }
  std::string_view brandCode() const { return m_brandCode.data(); }

 protected:
  BrandProfile();

  void setColumn(int column, const std::array<Question, kSurveyRows>& questions);
  void setNames(std::string_view name, std::string_view code);

  int m_questionCount = 0;
  std::optional<std::array<int, kSurveyRows>> m_requiredMessageIds;
  int m_surveyControlCount = 3;
  std::array<int, kSurveyRows> m_surveyControlIds{2227, 2228, 2229};
  std::array<int, kSurveyRows> m_surveyLabelIds{2302, 2274, 2275};
  int m_bookmarkCount = 3;
  int m_secondCount = 3;
  std::array<int, kMaxBookmarks> m_bookmarkCheckBoxIds{2221, 2205, 2204};
  std::array<int, kMaxBookmarks> m_bookmarkNameIds{300, 302, 304};
  std::array<int, kMaxBookmarks> m_bookmarkUrlIds{301, 303, 305};
  std::array<std::array<int, kSurveyColumns>, kSurveyRows> m_questionTextIds{};
  std::array<std::array<std::string, kSurveyColumns>, kSurveyRows> m_questionKeys;
  std::array<std::array<std::string, kSurveyColumns>, kSurveyRows> m_formCodes;
  std::string m_defaultUsageCode = "BUSI";
  std::string m_displayName;
  std::string m_shortName = "Demo";
  std::array<char, 4> m_brandCode{};

 private:
  bool contactDefault(Switch which) const;
};

enum class BrandId { Ovx, Tanager, Fennick, Amberly, Corvina };

// The profile this program is built for; the accessor always creates it.
inline constexpr BrandId kBuiltBrand = BrandId::Ovx;

std::unique_ptr<BrandProfile> makeBrandProfile(BrandId id);

// The process-wide profile, created on first use.
BrandProfile& brandProfile();
// Puts a given profile in place (tests); the previous one is deleted.
void setBrandProfile(std::unique_ptr<BrandProfile> profile);
// Deletes the profile; the next use creates it again. Called by the clean-up at exit.
void deleteBrandProfile();

}  // namespace kvr

#include "brand/BrandProfile.h"

#include <algorithm>
#include <cstddef>

namespace kvr {

namespace {

// Values of the contact switches, slots 16 to 30; every profile keeps them.
constexpr std::array<bool, kBrandContactSwitchCount> kContactDefaults{
    true, true, false, true, false, false, false, true, true, true, true, true, false, false, false};

bool validRow(int row) { return row >= 0 && row < kSurveyRows; }
bool validCell(int row, int column) { return validRow(row) && column >= 0 && column < kSurveyColumns; }

template <typename Array>
int idAt(const Array& ids, int index, int count) {
  if (index < 0 || index >= count || index >= static_cast<int>(ids.size())) return 0;
  return ids[static_cast<std::size_t>(index)];
}

const std::string& emptyText() {
  static const std::string empty;
  return empty;
}

}  // namespace

BrandProfile::BrandProfile() = default;

BrandProfile::~BrandProfile() = default;

void BrandProfile::setNames(std::string_view name, std::string_view code) {
  m_displayName = name;
  m_shortName = name;
  m_brandCode.fill('\0');
  std::copy_n(code.begin(), std::min<std::size_t>(code.size(), 3), m_brandCode.begin());
}

void BrandProfile::setColumn(int column, const std::array<Question, kSurveyRows>& questions) {
  for (int row = 0; row < kSurveyRows; ++row) {
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(column);
    m_questionTextIds[r][c] = questions[r].textId;
    m_questionKeys[r][c] = questions[r].key;
    m_formCodes[r][c] = questions[r].formCode;
  }
}

int BrandProfile::surveyControlCount() const { return m_surveyControlCount; }
int BrandProfile::surveyControlId(int row) const {
  return idAt(m_surveyControlIds, row, m_surveyControlCount);
}
int BrandProfile::surveyLabelId(int row) const {
  return idAt(m_surveyLabelIds, row, m_surveyControlCount);
}
int BrandProfile::requiredMessageId(int row) const {
  return m_requiredMessageIds ? idAt(*m_requiredMessageIds, row, kSurveyRows) : 0;
}
int BrandProfile::questionCount() const { return m_questionCount; }

bool BrandProfile::questionPositionAllowed(int position, bool home) const {
  if (position < 0 || position >= m_questionCount) return false;
  return home ? position <= 2 : position >= 3 && position <= 5;
}

bool BrandProfile::usageValueAllowed(int value) const { return value == 1; }
bool BrandProfile::offersBookmarks() const { return true; }
int BrandProfile::bookmarkCount() const { return m_bookmarkCount; }
int BrandProfile::secondCount() const { return m_secondCount; }

bool BrandProfile::bookmarkIndexAllowed(int index, bool flag) const {
  return index >= 0 && index < m_bookmarkCount && (flag || index != 4);
}

int BrandProfile::bookmarkCheckBoxId(int index) const {
  return idAt(m_bookmarkCheckBoxIds, index, m_secondCount);
}
int BrandProfile::bookmarkNameId(int index) const {
  return idAt(m_bookmarkNameIds, index, m_bookmarkCount);
}
int BrandProfile::bookmarkUrlId(int index) const {
  return idAt(m_bookmarkUrlIds, index, m_bookmarkCount);
}
const std::string& BrandProfile::defaultUsageCode() const { return m_defaultUsageCode; }

bool BrandProfile::contactDefault(Switch which) const {
  const int slot = switchSlot(which).slot;
  return kContactDefaults[static_cast<std::size_t>(slot - kFirstBrandContactSlot)];
}

bool BrandProfile::requiresFirstName() const { return contactDefault(Switch::RequiresFirstName); }
bool BrandProfile::requiresLastName() const { return contactDefault(Switch::RequiresLastName); }
bool BrandProfile::requiresPrefix() const { return contactDefault(Switch::RequiresPrefix); }
bool BrandProfile::requiresAddress() const { return contactDefault(Switch::RequiresAddress); }
bool BrandProfile::requiresSuffix() const { return contactDefault(Switch::RequiresSuffix); }
bool BrandProfile::requiresInitial() const { return contactDefault(Switch::RequiresInitial); }
bool BrandProfile::requiresExtension() const { return contactDefault(Switch::RequiresExtension); }
bool BrandProfile::requiresCity() const { return contactDefault(Switch::RequiresCity); }
bool BrandProfile::requiresState() const { return contactDefault(Switch::RequiresState); }
bool BrandProfile::requiresZip() const { return contactDefault(Switch::RequiresZip); }
bool BrandProfile::requiresPhone() const { return contactDefault(Switch::RequiresPhone); }
bool BrandProfile::offersFrenchCorrespondence() const {
  return contactDefault(Switch::OffersFrenchCorrespondence);
}
bool BrandProfile::requiresJobTitle() const { return contactDefault(Switch::RequiresJobTitle); }
bool BrandProfile::requiresCompany() const { return contactDefault(Switch::RequiresCompany); }
bool BrandProfile::requiresEmail() const { return contactDefault(Switch::RequiresEmail); }

bool BrandProfile::hidesSystemInformation() const { return false; }
bool BrandProfile::asksConsent() const { return true; }
bool BrandProfile::hasPrivacyStatement() const { return false; }
bool BrandProfile::usesConsumerForm() const { return false; }
bool BrandProfile::usesOwnPhoneNumbers() const { return false; }
std::string BrandProfile::phoneNumberFor(int /*countryIndex*/) const { return {}; }

bool BrandProfile::isOn(Switch which) const {
  switch (which) {
    case Switch::RequiresFirstName: return requiresFirstName();
    case Switch::RequiresLastName: return requiresLastName();
    case Switch::RequiresPrefix: return requiresPrefix();
    case Switch::RequiresAddress: return requiresAddress();
    case Switch::RequiresSuffix: return requiresSuffix();
    case Switch::RequiresInitial: return requiresInitial();
    case Switch::RequiresExtension: return requiresExtension();
    case Switch::RequiresCity: return requiresCity();
    case Switch::RequiresState: return requiresState();
    case Switch::RequiresZip: return requiresZip();
    case Switch::RequiresPhone: return requiresPhone();
    case Switch::OffersFrenchCorrespondence: return offersFrenchCorrespondence();
    case Switch::RequiresJobTitle: return requiresJobTitle();
    case Switch::RequiresCompany: return requiresCompany();
    case Switch::RequiresEmail: return requiresEmail();
    default: return false;
  }
}

bool BrandProfile::requiresField(ContactField field) const {
  const auto which = switchFor(SwitchOwner::Brand, field);
  return which && isOn(*which);
}

int BrandProfile::questionTextId(int row, int column) const {
  if (!validCell(row, column)) return 0;
  return m_questionTextIds[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

const std::string& BrandProfile::questionKey(int row, int column) const {
  if (!validCell(row, column)) return emptyText();
  return m_questionKeys[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

const std::string& BrandProfile::formCode(int row, int column) const {
  if (!validCell(row, column)) return emptyText();
  return m_formCodes[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

}  // namespace kvr

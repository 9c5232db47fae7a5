#include "record/RegistrationRecord.h"

#include <cstddef>

#include "app/Options.h"
#include "brand/BrandProfile.h"
#include "log/DebugLog.h"
#include "platform/System.h"
#include "record/ClientNumber.h"
#include "record/RecordSections.h"
#include "record/RegistryStore.h"
#include "record/RequestEncoding.h"
#include "resource.h"
#include "ui/StringTable.h"

namespace kvr {

namespace {

constexpr std::string_view kQ1 = "q1";
constexpr std::string_view kJobTitle = "jobTitle";
constexpr std::string_view kCompany = "company";
constexpr std::string_view kQ22 = "q22";
constexpr std::string_view kEmail = "email";
constexpr std::string_view kQ4 = "q4";
constexpr std::string_view kQ10 = "q10";
constexpr std::string_view kQ11 = "q11";
constexpr std::string_view kQ26 = "q26";
constexpr std::string_view kQ13 = "q13";
constexpr std::string_view kQ14 = "q14";

RegistrationRecord* g_record = nullptr;

bool regressionTest() { return equalsIgnoreCase(options().regressionTest, "yes"); }

}  // namespace

RegistrationRecord& RegistrationRecord::instance() {
  if (g_record == nullptr) g_record = new RegistrationRecord;
  return *g_record;
}

void RegistrationRecord::deleteInstance() {
  delete g_record;
  g_record = nullptr;
}

RegistrationRecord::RegistrationRecord() : m_guidSource(platform::createGuid) {}

void RegistrationRecord::setQ1(std::string_view text) { m_answers.set(kQ1, text); }
void RegistrationRecord::setJobTitle(std::string_view text) { m_answers.set(kJobTitle, text); }
void RegistrationRecord::setCompany(std::string_view text) { m_answers.set(kCompany, text); }
void RegistrationRecord::setQ22(std::string_view text) { m_answers.set(kQ22, text); }
void RegistrationRecord::setEmail(std::string_view text) { m_answers.set(kEmail, text); }
std::string RegistrationRecord::q1() const { return m_answers.get(kQ1); }
std::string RegistrationRecord::jobTitle() const { return m_answers.get(kJobTitle); }
std::string RegistrationRecord::company() const { return m_answers.get(kCompany); }
std::string RegistrationRecord::q22() const { return m_answers.get(kQ22); }
std::string RegistrationRecord::email() const { return m_answers.get(kEmail); }

void RegistrationRecord::setJobAndCompany(std::string_view job, std::string_view company) {
  if (brandProfile().usesConsumerForm()) {
    setQ22(job);
    setJobTitle({});
    setCompany({});
  } else {
    setJobTitle(job);
    setCompany(company);
  }
}

void RegistrationRecord::setQ4() { m_answers.set(kQ4, ui::loadString(IDS_Q4_VALUE)); }
void RegistrationRecord::setQ10() { m_answers.set(kQ10, ui::loadString(IDS_Q10_VALUE)); }
void RegistrationRecord::setQ11() { m_answers.set(kQ11, ui::loadString(IDS_Q11_VALUE)); }
void RegistrationRecord::setQ10(std::string_view text) { m_answers.set(kQ10, text); }
void RegistrationRecord::setQ11(std::string_view text) { m_answers.set(kQ11, text); }
std::string RegistrationRecord::q4() const { return m_answers.get(kQ4); }
std::string RegistrationRecord::q10() const { return m_answers.get(kQ10); }
std::string RegistrationRecord::q11() const { return m_answers.get(kQ11); }

void RegistrationRecord::setConsentFlag(int flag) {
  m_consentFlag = flag;
  m_answers.set(kQ26, ui::loadString(flag == 1 ? IDS_CONSENT_GIVEN : IDS_Q11_VALUE));
}

std::string RegistrationRecord::q26() const { return m_answers.get(kQ26); }

void RegistrationRecord::setClientNumber(std::string_view text) {
  m_answers.set(kQ13, regressionTest() ? kRegressionClientNumber : text);
}

std::string RegistrationRecord::clientNumber() const { return m_answers.get(kQ13); }

std::string RegistrationRecord::makeClientNumber(std::string_view firstName,
                                                 std::string_view lastName) const {
  const std::string guid = m_guidSource ? m_guidSource() : std::string();
  std::string number = clientNumberFromGuid(guid, firstName, lastName);
  if (number.empty())
    debugLog() << "Making a client number: no usable GUID (got \"" << guid << "\")" << std::endl;
  return number;
}

void RegistrationRecord::setBookmarkChoice(int index, int state) {
  if (index >= 0 && index < kBookmarkChoiceCount)
    m_bookmarkChoice[static_cast<std::size_t>(index)] = state;
}

int RegistrationRecord::bookmarkChoice(int index) const {
  if (index < 0 || index >= kBookmarkChoiceCount) return 0;
  return m_bookmarkChoice[static_cast<std::size_t>(index)];
}

void RegistrationRecord::loadFromRegistry() {
  m_name.loadFromRegistry();
  m_address.loadFromRegistry();
  m_phone.loadFromRegistry();
  const std::string brand = brandSection();
  if (brandProfile().usesConsumerForm()) {
    setQ22(RegistryStore::readText(brand, kQ22));
  } else {
    setJobTitle(RegistryStore::readText(kGeneralSection, kJobTitle));
    setCompany(RegistryStore::readText(kGeneralSection, kCompany));
  }
  setEmail(RegistryStore::readText(kGeneralSection, kEmail));
  setConsentFlag(1);
  setQ11(RegistryStore::readText(brand, kQ11));
  setQ10(RegistryStore::readText(brand, kQ10));
  setClientNumber(RegistryStore::readText(kGeneralSection, kQ13));
}

void RegistrationRecord::saveToRegistry() const {
  RegistryStore::Batch batch;
  m_name.saveToRegistry();
  m_address.saveToRegistry();
  m_phone.saveToRegistry();
  const std::string brand = brandSection();
  if (brandProfile().usesConsumerForm()) {
    RegistryStore::writeText(brand, kQ22, q22());
  } else {
    RegistryStore::writeText(kGeneralSection, kJobTitle, jobTitle());
    RegistryStore::writeText(kGeneralSection, kCompany, company());
  }
  RegistryStore::writeText(kGeneralSection, kQ1, q1());
  RegistryStore::writeText(kGeneralSection, kEmail, email());
  RegistryStore::writeText(brand, kQ10, q10());
  RegistryStore::writeText(brand, kQ11, q11());
  RegistryStore::writeText(kGeneralSection, kQ13, clientNumber());
}

std::string RegistrationRecord::versionLine() {
  // The brand profile has no version text of its own beyond its name.
  return ui::loadString(IDS_VERSION) + brandProfile().shortName() + " " +
         ui::loadString(IDS_CAPTION);
}

std::string RegistrationRecord::buildQuery() {
  m_queryText.clear();
  bool first = true;
  m_answers.forEach([&](const std::string& key, const std::string& value) {
    if (!first) m_queryText += '&';
    first = false;
    appendRequestPair(m_queryText, key, value);
  });
  m_queryText += '&';
  m_queryText += kQ14;
  m_queryText += '=';
  if (regressionTest())
    m_queryText += kRegressionVersion;
  else
    appendEscaped(m_queryText, versionLine());
  return m_queryText;
}

}  // namespace kvr

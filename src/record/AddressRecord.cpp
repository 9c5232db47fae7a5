#include "record/AddressRecord.h"

#include "app/Options.h"
#include "offline/CountryTable.h"
#include "record/BucketMap.h"
#include "record/RecordSections.h"
#include "record/RegistryStore.h"
#include "record/ValidationText.h"

namespace kvr {

namespace {
constexpr std::string_view kAddr1 = "addr1";
constexpr std::string_view kAddr2 = "addr2";
constexpr std::string_view kCity = "city";
constexpr std::string_view kStateProv = "stateProv";
constexpr std::string_view kZip = "zip";
constexpr std::string_view kCountry = "country";
constexpr std::string_view kQ6 = "q6";
constexpr std::string_view kFrenchLocale = "fr_CA";
// The state list's entry for "no state"; never saved over a real one.
constexpr std::string_view kNoState = "XX";
}  // namespace

void AddressRecord::setAddr1(std::string_view text) { m_answers.set(kAddr1, text); }
void AddressRecord::setAddr2(std::string_view text) { m_answers.set(kAddr2, text); }
void AddressRecord::setCity(std::string_view text) { m_answers.set(kCity, text); }
void AddressRecord::setZip(std::string_view text) { m_answers.set(kZip, text); }
std::string AddressRecord::addr1() const { return m_answers.get(kAddr1); }
std::string AddressRecord::addr2() const { return m_answers.get(kAddr2); }
std::string AddressRecord::city() const { return m_answers.get(kCity); }
std::string AddressRecord::zip() const { return m_answers.get(kZip); }

void AddressRecord::setState(std::string_view text, std::string_view code) {
  m_stateText = text;
  m_stateCode = code;
  m_answers.set(kStateProv, isBlank(code) == 1 ? std::string_view() : code);
}

std::string AddressRecord::stateProv() const { return m_answers.get(kStateProv); }

void AddressRecord::setCountry(std::string_view text, int index) {
  m_countryText = text;
  m_countryIndex = index;
  m_answers.set(kCountry, countryCodeOf(index));
}

std::string AddressRecord::country() const { return m_answers.get(kCountry); }

void AddressRecord::setFrenchCorrespondence(int flag) {
  m_frenchCorrespondence = flag;
  m_answers.set(kQ6, flag == 1 ? kFrenchLocale : std::string_view());
}

std::string AddressRecord::q6() const { return m_answers.get(kQ6); }

void AddressRecord::loadFromRegistry() {
  setAddr2(RegistryStore::readText(kGeneralSection, kAddr2));
  setAddr1(RegistryStore::readText(kGeneralSection, kAddr1));
  setCity(RegistryStore::readText(kGeneralSection, kCity));
  m_stateText = RegistryStore::readText(kGeneralSection, kStateProv);
  setZip(RegistryStore::readText(kGeneralSection, kZip));
  m_countryText = RegistryStore::readText(kGeneralSection, kCountry);
  const int flag = RegistryStore::readInt(kGeneralSection, kQ6);
  if (flag != -1) setFrenchCorrespondence(flag);
}

void AddressRecord::saveToRegistry() const {
  RegistryStore::writeText(kGeneralSection, kAddr2, addr2());
  RegistryStore::writeText(kGeneralSection, kAddr1, addr1());
  RegistryStore::writeText(kGeneralSection, kCity, city());
  if (!equalsIgnoreCase(m_stateText, kNoState))
    RegistryStore::writeText(kGeneralSection, kStateProv, m_stateText);
  RegistryStore::writeText(kGeneralSection, kCountry, m_countryText);
  RegistryStore::writeText(kGeneralSection, kZip, zip());
  RegistryStore::writeInt(kGeneralSection, kQ6, m_frenchCorrespondence);
}

}  // namespace kvr

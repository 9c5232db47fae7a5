#include "record/NameRecord.h"

#include "record/BucketMap.h"
#include "record/RecordSections.h"
#include "record/RegistryStore.h"

namespace kvr {

namespace {
constexpr std::string_view kFirstName = "firstName";
constexpr std::string_view kInitial = "initial";
constexpr std::string_view kLastName = "lastName";
constexpr std::string_view kPrefix = "prefix";
constexpr std::string_view kSuffix = "suffix";

bool inRange(int index, int count) { return index >= 0 && index < count; }
}  // namespace

void NameRecord::setFirstName(std::string_view text) { m_answers.set(kFirstName, text); }
void NameRecord::setInitial(std::string_view text) { m_answers.set(kInitial, text); }
void NameRecord::setLastName(std::string_view text) { m_answers.set(kLastName, text); }
std::string NameRecord::firstName() const { return m_answers.get(kFirstName); }
std::string NameRecord::initial() const { return m_answers.get(kInitial); }
std::string NameRecord::lastName() const { return m_answers.get(kLastName); }

void NameRecord::setPrefix(std::string_view text, int index) {
  m_prefixText = text;
  m_prefixIndex = index;
  m_answers.set(kPrefix, inRange(index, kPrefixCount) ? text : std::string_view());
}

void NameRecord::setSuffix(std::string_view text, int index) {
  m_suffixText = text;
  m_suffixIndex = index;
  m_answers.set(kSuffix, inRange(index, kSuffixCount) ? text : std::string_view());
}

std::string NameRecord::prefix() const { return m_answers.get(kPrefix); }
std::string NameRecord::suffix() const { return m_answers.get(kSuffix); }

void NameRecord::loadFromRegistry() {
  setFirstName(RegistryStore::readText(kGeneralSection, kFirstName));
  setInitial(RegistryStore::readText(kGeneralSection, kInitial));
  setLastName(RegistryStore::readText(kGeneralSection, kLastName));
  m_suffixText = RegistryStore::readText(kGeneralSection, kSuffix);
  m_prefixText = RegistryStore::readText(kGeneralSection, kPrefix);
}

void NameRecord::saveToRegistry() const {
  RegistryStore::writeText(kGeneralSection, kFirstName, firstName());
  RegistryStore::writeText(kGeneralSection, kInitial, initial());
  RegistryStore::writeText(kGeneralSection, kLastName, lastName());
  RegistryStore::writeText(kGeneralSection, kSuffix, m_suffixText);
  RegistryStore::writeText(kGeneralSection, kPrefix, m_prefixText);
}

}  // namespace kvr

#include "record/PhoneRecord.h"

#include "record/BucketMap.h"
#include "record/RecordSections.h"
#include "record/RegistryStore.h"

namespace kvr {

namespace {
constexpr std::string_view kPhone = "phone";
constexpr std::string_view kExtension = "extension";
}  // namespace

void PhoneRecord::setPhone(std::string_view text) { m_answers.set(kPhone, text); }
void PhoneRecord::setExtension(std::string_view text) { m_answers.set(kExtension, text); }
std::string PhoneRecord::phone() const { return m_answers.get(kPhone); }
std::string PhoneRecord::extension() const { return m_answers.get(kExtension); }

void PhoneRecord::loadFromRegistry() {
  setPhone(RegistryStore::readText(kGeneralSection, kPhone));
  setExtension(RegistryStore::readText(kGeneralSection, kExtension));
}

void PhoneRecord::saveToRegistry() const {
  RegistryStore::writeText(kGeneralSection, kPhone, phone());
  RegistryStore::writeText(kGeneralSection, kExtension, extension());
}

}  // namespace kvr

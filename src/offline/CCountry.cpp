#include "offline/CCountry.h"

#include "offline/CountryMail.h"
#include "record/FieldChecks.h"
#include "record/FieldGroupChecks.h"
#include "ui/StringTable.h"

namespace kvr {

namespace {
constexpr int kNoMinimum = 1;
constexpr std::string_view kNoStateCode = "XX";
}  // namespace

CCountry::CCountry(int index) : m_index(index) {}

CCountry::~CCountry() = default;

std::string CCountry::phone() const { return row() ? row()->phone : ""; }
std::string CCountry::phone2() const { return row() ? row()->phone2 : ""; }
std::string CCountry::fax() const { return row() ? row()->fax : ""; }

void CCountry::validateNameGroup(const ContactFieldSource& fields, int codePage) const {
  checkNameGroup(fields, codePage);
}

void CCountry::validateAddressGroup(const ContactFieldSource& fields, int codePage) const {
  checkAddressGroup(
      fields,
      [this, codePage](std::string_view zip, bool required, ui::CWnd* owner) {
        checkPostalCode(zip, required, owner, codePage);
      },
      codePage);
}

void CCountry::validatePhoneGroup(const ContactFieldSource& fields, int codePage) const {
  checkPhoneGroup(fields, minPhoneDigits(), codePage);
}

std::string CCountry::stateName(int /*index*/) const { return {}; }
std::string CCountry::stateCode(int /*index*/) const { return std::string(kNoStateCode); }
int CCountry::stateCount() const { return 0; }

void CCountry::checkPostalCode(std::string_view zip, bool required, ui::CWnd* owner,
                               int codePage) const {
  kvr::checkPostalCode(zip, postalRule(), required, owner, codePage);
}

bool CCountry::hasFax() const { return row() && row()->hasFax != 0; }
int CCountry::minPhoneDigits() const { return row() ? row()->minPhoneDigits : kNoMinimum; }
int CCountry::postalRule() const { return row() ? row()->postalRule : kNoMinimum; }

int CCountry::mailLineCount() const {
  const CountryNameAndMail* mail = countryNameAndMail(m_index);
  if (mail == nullptr) return 0;
  int count = 0;
  for (int line = 1; line <= kMaxMailLines; ++line)
    if ((*mail)[static_cast<std::size_t>(line)] != 0) ++count;
  return count;
}

std::string CCountry::mailLine(int line) const {
  const CountryNameAndMail* mail = countryNameAndMail(m_index);
  if (mail == nullptr || line < 0 || line >= kMaxMailLines) return {};
  const int id = (*mail)[static_cast<std::size_t>(line + 1)];
  return id == 0 ? std::string() : ui::loadString(static_cast<unsigned>(id));
}

std::string CCountry::countryName(int index) {
  if (countryRow(index) == nullptr) return {};
  return ui::loadString(static_cast<unsigned>(kCountryNameBase + index));
}

std::string CCountry::countryCode(int index) { return std::string(countryCodeOf(index)); }

}  // namespace kvr

#include "record/FieldGroupChecks.h"

#include <string>

#include "record/FieldChecks.h"
#include "record/ValidationText.h"

namespace kvr {

namespace {

using F = ContactField;

class Checker {
 public:
  Checker(const ContactFieldSource& fields, int codePage) : m_fields(fields), m_codePage(codePage) {}

  bool shown(F field) const { return m_fields.isShown(field); }
  std::string text(F field) const { return m_fields.text(field); }
  bool blank(F field) const { return isBlank(text(field), m_codePage) == 1; }

  void requireFilled(F field, int id) const {
    if (blank(field) && m_fields.isRequired(field)) fail(id, field);
  }
  void rejectPipeOrBackslash(F field) const {
    if (findPipeOrBackslash(text(field), m_codePage) >= 0) fail(msg::kPipeOrBackslash, field);
  }
  void rejectDigits(F field) const {
    if (findDigit(text(field), m_codePage) >= 0) fail(msg::kOnlyLetters, field);
  }
  void requireLetters(F field, int id) const {
    if (!containsLetter(text(field), m_codePage)) fail(id, field);
  }
  [[noreturn]] void fail(int id, F field) const { raiseCheck(id, m_fields.control(field)); }

  const ContactFieldSource& fields() const { return m_fields; }
  int codePage() const { return m_codePage; }

 private:
  const ContactFieldSource& m_fields;
  int m_codePage;
};

void checkName(const Checker& check, F field, int requiredId) {
  if (!check.shown(field)) return;
  check.requireFilled(field, requiredId);
  check.rejectDigits(field);
  check.rejectPipeOrBackslash(field);
}

// A filled address line needs a letter and no "|" or "\".
void checkAddressLine(const Checker& check, F field, int lettersId) {
  check.requireLetters(field, lettersId);
  check.rejectPipeOrBackslash(field);
}

void checkAddressLines(const Checker& check) {
  const bool poBoxShown = check.shown(F::PoBox);
  const bool poBoxFilled = poBoxShown && !check.blank(F::PoBox);
  if (check.shown(F::Street)) {
    if (!check.blank(F::Street))
      checkAddressLine(check, F::Street, msg::kStreetNeedsLetters);
    else if (!poBoxFilled)
      check.requireFilled(F::Street, msg::kAddressRequired);
  } else if (poBoxShown) {
    check.requireFilled(F::PoBox, msg::kAddressRequired);
  }
  if (poBoxFilled) checkAddressLine(check, F::PoBox, msg::kAddressNeedsLetters);
}

}  // namespace

void checkNameGroup(const ContactFieldSource& fields, int codePage) {
  const Checker check(fields, codePage);
  checkName(check, F::FirstName, msg::kFirstNameRequired);
  checkName(check, F::LastName, msg::kLastNameRequired);
  if (check.shown(F::Prefix)) check.requireFilled(F::Prefix, msg::kPrefixRequired);
  if (check.shown(F::Suffix)) check.requireFilled(F::Suffix, msg::kSuffixRequired);
}

void checkAddressGroup(const ContactFieldSource& fields, const PostalCodeCheck& postalCode,
                       int codePage) {
  const Checker check(fields, codePage);
  checkAddressLines(check);
  if (check.shown(F::City)) {
    check.requireFilled(F::City, msg::kCityRequired);
    check.rejectPipeOrBackslash(F::City);
  }
  if (check.shown(F::State)) check.requireFilled(F::State, msg::kStateRequired);
  if (check.shown(F::Zip)) {
    check.requireFilled(F::Zip, msg::kZipRequired);
    check.rejectPipeOrBackslash(F::Zip);
    if (!fields.isAccepted(F::Zip) && postalCode)
      postalCode(check.text(F::Zip), fields.isRequired(F::Zip), fields.control(F::Zip));
  }
  if (check.shown(F::Country) && check.blank(F::Country))
    check.fail(msg::kCountryRequired, F::Country);
}

void checkPhoneGroup(const ContactFieldSource& fields, int minPhoneDigits, int codePage) {
  if (fields.isShown(F::Phone))
    checkPhone(fields.text(F::Phone), fields.isRequired(F::Phone), fields.isAccepted(F::Phone),
               minPhoneDigits, fields.control(F::Phone), codePage);
  if (fields.isShown(F::Extension))
    checkExtension(fields.text(F::Extension), fields.control(F::Extension), codePage);
}

}  // namespace kvr

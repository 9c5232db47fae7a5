#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "app/CRegException.h"
#include "brand/BrandProfile.h"
#include "brand/Language.h"
#include "record/ContactFieldSource.h"

namespace kvr::test {

// The contact page as the checks see it: texts set by the test, shown by a real language
// object's layout for the chosen country, required by a real brand profile. Each field has
// its own stand-in control so a test can tell which one a failure names.
class FakeContactFields final : public ContactFieldSource {
 public:
  FakeContactFields(const Language& language, const BrandProfile& brand, int countryIndex)
      : m_language(language), m_brand(brand), m_country(countryIndex) {}

  FakeContactFields& set(ContactField field, std::string text) {
    m_texts[slot(field)] = std::move(text);
    return *this;
  }
  FakeContactFields& disable(ContactField field) {
    m_disabled[slot(field)] = true;
    return *this;
  }
  FakeContactFields& accept(ContactField field) {
    m_accepted[slot(field)] = true;
    return *this;
  }

  std::string text(ContactField field) const override { return m_texts[slot(field)]; }
  bool isShown(ContactField field) const override {
    return !m_disabled[slot(field)] && m_language.shows(field, m_country);
  }
  bool isRequired(ContactField field) const override { return m_brand.requiresField(field); }
  bool isAccepted(ContactField field) const override { return m_accepted[slot(field)]; }
  ui::CWnd* control(ContactField field) const override {
    return reinterpret_cast<ui::CWnd*>(const_cast<char*>(&m_controls[slot(field)]));
  }

 private:
  static std::size_t slot(ContactField field) { return static_cast<std::size_t>(field); }

  const Language& m_language;
  const BrandProfile& m_brand;
  int m_country;
  std::array<std::string, kContactFieldCount> m_texts;
  std::array<bool, kContactFieldCount> m_disabled{};
  std::array<bool, kContactFieldCount> m_accepted{};
  std::array<char, kContactFieldCount> m_controls{};
};

// What a check raised: its id (0 when it passed) and the control it named.
struct Raised {
  int id = 0;
  ui::CWnd* owner = nullptr;
};

inline Raised raisedBy(const std::function<void()>& check) {
  try {
    check();
  } catch (CRegException* error) {
    Raised raised{error->id(), error->owner()};
    error->Delete();
    return raised;
  }
  return {};
}

}  // namespace kvr::test

#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "brand/ContactField.h"
#include "brand/Switches.h"
#include "ui/ResourceModule.h"

namespace kvr {

// Country indexes that some languages treat in their own way (their state lists).
inline constexpr int kCountryBrazil = 21;
inline constexpr int kCountryCanada = 27;
inline constexpr int kCountryJapan = 76;
inline constexpr int kCountryUnitedStates = 158;

// The user-interface language: its number (0 to 22), the resource library loaded for it (or
// none) and the switches that tell the contact page how names and addresses look in it. This
// class serves every language without a treatment of its own; English, French, Japanese and
// Brazilian Portuguese have subclasses (Languages.h).
class Language {
 public:
  Language(int code, std::unique_ptr<ui::ResourceModule> module);
  virtual ~Language();
  Language(const Language&) = delete;
  Language& operator=(const Language&) = delete;

  int code() const { return m_code; }
  std::string_view libraryCode() const;
  // The loaded resource library; null when the program's own resources serve.
  const ui::ResourceModule* module() const { return m_module; }
  // Hands the library over to the resource source that makes it active; module() keeps
  // pointing at it, valid for as long as that source keeps it.
  std::unique_ptr<ui::ResourceModule> releaseModule() { return std::move(m_owned); }

  // Operations 1 to 11 (meanings: Switches.cpp).
  virtual bool showsPrefix() const;                       // 1
  virtual bool showsNames() const;                        // 2
  virtual bool showsInitial() const;                      // 3
  virtual bool boldTitles() const;                        // 4
  virtual bool showsSuffix() const;                       // 5
  virtual bool showsPoBox() const;                        // 6
  virtual bool showsPostalAddress() const;                // 7
  virtual bool showsPhone() const;                        // 8
  virtual bool hasOwnStates(int countryIndex) const;      // 9
  virtual bool asksJobAndCompany() const;                 // 10
  virtual bool allowsFrenchCorrespondence() const;        // 11

  // The locale code the address carries to the record for the user's country, given by its
  // two-letter code ("US"; empty when no country is chosen): "de_DE" for German whatever the
  // country; English and French follow the country ("en_CA", "fr_CA").
  virtual std::string localeCode(std::string_view countryCode) const;

  // Dispatches a language switch to its operation; OwnStateList asks for `countryIndex`.
  bool isOn(Switch which, int countryIndex = -1) const;
  // Whether the layout shows (and so checks) a field for the chosen country.
  bool shows(ContactField field, int countryIndex) const;

 protected:
  // The value in the language table, for the switches that are not asked per country.
  bool tableValue(Switch which) const;

 private:
  int m_code;
  std::unique_ptr<ui::ResourceModule> m_owned;
  const ui::ResourceModule* m_module;
};

}  // namespace kvr

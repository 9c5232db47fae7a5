#include "brand/Languages.h"

#include "brand/LanguageTable.h"

namespace kvr {

namespace {

// "fr" + "_" + "CA"; the language's own locale when no country is chosen.
std::string countryLocale(std::string_view language, std::string_view countryCode,
                          std::string_view fallback) {
  if (countryCode.empty()) return std::string(fallback);
  std::string code(language);
  code += '_';
  code += countryCode;
  return code;
}

}  // namespace

EnglishLanguage::EnglishLanguage(std::unique_ptr<ui::ResourceModule> module)
    : Language(kEnglish, std::move(module)) {}

bool EnglishLanguage::hasOwnStates(int countryIndex) const {
  return countryIndex == kCountryUnitedStates || countryIndex == kCountryBrazil ||
         countryIndex == kCountryCanada || countryIndex == kCountryJapan;
}

std::string EnglishLanguage::localeCode(std::string_view countryCode) const {
  return countryLocale("en", countryCode, Language::localeCode(countryCode));
}

FrenchLanguage::FrenchLanguage(std::unique_ptr<ui::ResourceModule> module)
    : Language(kFrench, std::move(module)) {}

bool FrenchLanguage::hasOwnStates(int countryIndex) const { return countryIndex == kCountryCanada; }

std::string FrenchLanguage::localeCode(std::string_view countryCode) const {
  return countryLocale("fr", countryCode, Language::localeCode(countryCode));
}

JapaneseLanguage::JapaneseLanguage(std::unique_ptr<ui::ResourceModule> module)
    : Language(kJapanese, std::move(module)) {}

bool JapaneseLanguage::hasOwnStates(int countryIndex) const { return countryIndex == kCountryJapan; }

BrazilianLanguage::BrazilianLanguage(std::unique_ptr<ui::ResourceModule> module)
    : Language(kBrazilianPortuguese, std::move(module)) {}

bool BrazilianLanguage::hasOwnStates(int countryIndex) const {
  return countryIndex == kCountryBrazil;
}

std::unique_ptr<Language> makeLanguage(int code, std::unique_ptr<ui::ResourceModule> module) {
  switch (code) {
    case kEnglish: return std::make_unique<EnglishLanguage>(std::move(module));
    case kFrench: return std::make_unique<FrenchLanguage>(std::move(module));
    case kJapanese: return std::make_unique<JapaneseLanguage>(std::move(module));
    case kBrazilianPortuguese: return std::make_unique<BrazilianLanguage>(std::move(module));
    default: break;
  }
  if (code < 0 || code >= kLanguageCount)
    return std::make_unique<EnglishLanguage>(std::move(module));
  return std::make_unique<Language>(code, std::move(module));
}

}  // namespace kvr

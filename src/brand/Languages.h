#pragma once

#include <memory>

#include "brand/Language.h"

namespace kvr {

inline constexpr int kJapanese = 4;
inline constexpr int kFrench = 9;
inline constexpr int kGerman = 11;
inline constexpr int kPortuguese = 21;
inline constexpr int kBrazilianPortuguese = 22;

// English offers the state lists of the United States, Brazil, Canada and Japan, and names its
// locale after the user's country.
class EnglishLanguage final : public Language {
 public:
  explicit EnglishLanguage(std::unique_ptr<ui::ResourceModule> module);
  bool hasOwnStates(int countryIndex) const override;
  std::string localeCode(std::string_view countryCode) const override;
};

class FrenchLanguage final : public Language {
 public:
  explicit FrenchLanguage(std::unique_ptr<ui::ResourceModule> module);
  bool hasOwnStates(int countryIndex) const override;
  std::string localeCode(std::string_view countryCode) const override;
};

class JapaneseLanguage final : public Language {
 public:
  explicit JapaneseLanguage(std::unique_ptr<ui::ResourceModule> module);
  bool hasOwnStates(int countryIndex) const override;
};

class BrazilianLanguage final : public Language {
 public:
  explicit BrazilianLanguage(std::unique_ptr<ui::ResourceModule> module);
  bool hasOwnStates(int countryIndex) const override;
};

// The object of the class that serves `code` (the general class for most languages).
std::unique_ptr<Language> makeLanguage(int code, std::unique_ptr<ui::ResourceModule> module);

}  // namespace kvr

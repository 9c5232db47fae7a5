#include "platform/LocaleNames.h"

#include <charconv>

namespace kvr::platform {

namespace {

struct Language {
  std::string_view iso;       // ISO 639-1
  std::string_view name;      // as the Windows runtime spells it
  std::string_view homeIso;   // country when the locale names none
  int codePage;
};

constexpr Language kLanguages[] = {
    {"en", "English", "US", 1252},   {"de", "German", "DE", 1252},
    {"fr", "French", "FR", 1252},    {"it", "Italian", "IT", 1252},
    {"es", "Spanish", "ES", 1252},   {"pt", "Portuguese", "PT", 1252},
    {"nl", "Dutch", "NL", 1252},     {"da", "Danish", "DK", 1252},
    {"sv", "Swedish", "SE", 1252},   {"fi", "Finnish", "FI", 1252},
    {"nb", "Norwegian (Bokm\xe5l)", "NO", 1252},
    {"no", "Norwegian (Bokm\xe5l)", "NO", 1252},
    {"nn", "Norwegian-Nynorsk", "NO", 1252},
    {"pl", "Polish", "PL", 1250},    {"cs", "Czech", "CZ", 1250},
    {"hu", "Hungarian", "HU", 1250}, {"ru", "Russian", "RU", 1251},
    {"el", "Greek", "GR", 1253},     {"tr", "Turkish", "TR", 1254},
    {"th", "Thai", "TH", 874},       {"ja", "Japanese", "JP", 932},
    {"zh", "Chinese", "CN", 936},    {"ko", "Korean", "KR", 949},
};

struct Country {
  std::string_view iso;   // ISO 3166-1 alpha-2
  std::string_view name;
};

constexpr Country kCountries[] = {
    {"US", "United States"}, {"GB", "United Kingdom"}, {"IE", "Ireland"},
    {"CA", "Canada"},        {"AU", "Australia"},      {"NZ", "New Zealand"},
    {"ZA", "South Africa"},  {"IN", "India"},          {"DE", "Germany"},
    {"AT", "Austria"},       {"CH", "Switzerland"},    {"LI", "Liechtenstein"},
    {"LU", "Luxembourg"},    {"FR", "France"},         {"BE", "Belgium"},
    {"IT", "Italy"},         {"ES", "Spain"},          {"MX", "Mexico"},
    {"AR", "Argentina"},     {"CL", "Chile"},          {"CO", "Colombia"},
    {"PT", "Portugal"},      {"BR", "Brazil"},         {"NL", "Netherlands"},
    {"DK", "Denmark"},       {"SE", "Sweden"},         {"FI", "Finland"},
    {"NO", "Norway"},        {"PL", "Poland"},         {"CZ", "Czech Republic"},
    {"HU", "Hungary"},       {"RU", "Russia"},         {"GR", "Greece"},
    {"TR", "Turkey"},        {"TH", "Thailand"},       {"JP", "Japan"},
    {"CN", "People's Republic of China"},              {"TW", "Taiwan"},
    {"HK", "Hong Kong S.A.R."}, {"SG", "Singapore"},   {"KR", "Korea"},
};

// Chinese code pages differ by script, not by language.
constexpr int kTraditionalChinese = 950;

const Language* findLanguage(std::string_view iso) {
  for (const auto& language : kLanguages)
    if (language.iso == iso) return &language;
  return nullptr;
}

const Country* findCountry(std::string_view iso) {
  for (const auto& country : kCountries)
    if (country.iso == iso) return &country;
  return nullptr;
}

}  // namespace

std::string windowsLocaleName(std::string_view posixLocale) {
  std::string_view base = posixLocale.substr(0, posixLocale.find_first_of(".@"));
  std::string_view languageIso = base.substr(0, base.find('_'));
  std::string_view countryIso =
      base.find('_') == std::string_view::npos ? std::string_view() : base.substr(base.find('_') + 1);

  const Language* language = findLanguage(languageIso);
  if (language == nullptr) {
    language = findLanguage("en");
    countryIso = {};
  }
  const Country* country = findCountry(countryIso);
  if (country == nullptr) country = findCountry(language->homeIso);

  int codePage = language->codePage;
  if (language->iso == "zh" && (country->iso == "TW" || country->iso == "HK"))
    codePage = kTraditionalChinese;

  std::string name(language->name);
  name += '_';
  name += country->name;
  name += '.';
  name += std::to_string(codePage);
  return name;
}

int ansiCodePage(std::string_view windowsLocale) {
  auto dot = windowsLocale.rfind('.');
  int codePage = 0;
  if (dot == std::string_view::npos) return 1252;
  auto digits = windowsLocale.substr(dot + 1);
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), codePage);
  return (error == std::errc() && end == digits.data() + digits.size()) ? codePage : 1252;
}

}  // namespace kvr::platform

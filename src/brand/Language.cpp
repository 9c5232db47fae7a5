#include "brand/Language.h"

#include <array>
#include <cstddef>

#include "brand/LanguageTable.h"

namespace kvr {

namespace {

constexpr int kTableColumns = kLanguageSwitchCount - 1;  // operation 9 is asked per country

// Per language, the operations 1-8, 10 and 11 in slot order.
constexpr std::array<std::array<bool, kTableColumns>, kLanguageCount> kSwitchValues{{
    {1, 1, 1, 0, 0, 1, 1, 1, 1, 1},  //  0 ITA
    {1, 1, 1, 0, 1, 1, 1, 1, 1, 1},  //  1 ELL
    {1, 1, 1, 0, 0, 1, 1, 1, 1, 1},  //  2 DAN
    {1, 1, 1, 0, 0, 1, 1, 1, 1, 1},  //  3 RUS
    {1, 1, 1, 1, 0, 1, 1, 1, 1, 1},  //  4 JPN
    {1, 1, 1, 0, 0, 1, 1, 1, 1, 1},  //  5 CHS
    {0, 1, 1, 0, 0, 1, 1, 1, 1, 1},  //  6 KOR
    {1, 1, 0, 0, 1, 1, 1, 1, 1, 1},  //  7 SVE
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},  //  8 THA
    {1, 1, 1, 0, 0, 1, 1, 1, 1, 1},  //  9 FRA
    {1, 1, 1, 0, 0, 0, 1, 1, 1, 1},  // 10 ESP
    {1, 1, 1, 1, 0, 1, 1, 1, 1, 1},  // 11 DEU
    {1, 1, 1, 0, 0, 1, 1, 1, 1, 1},  // 12 CHT
    {1, 1, 1, 0, 0, 1, 1, 1, 1, 1},  // 13 NLD
    {1, 1, 0, 0, 0, 1, 1, 1, 1, 1},  // 14 NOR
    {1, 1, 1, 1, 0, 1, 1, 1, 1, 1},  // 15 CSY
    {1, 1, 0, 0, 0, 1, 1, 1, 1, 1},  // 16 TRK
    {1, 1, 1, 0, 0, 0, 1, 1, 1, 1},  // 17 PLK
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},  // 18 ENU
    {1, 1, 1, 1, 0, 1, 1, 1, 1, 1},  // 19 HUN
    {1, 1, 0, 0, 0, 1, 1, 1, 1, 1},  // 20 FIN
    {1, 1, 0, 0, 1, 1, 1, 1, 1, 1},  // 21 PTG
    {1, 1, 0, 0, 1, 0, 1, 1, 1, 1},  // 22 PTB
}};

// The locale each language stands for when the country does not change it.
constexpr std::array<std::string_view, kLanguageCount> kLocaleCodes{
    "it_IT", "el_GR", "da_DK", "ru_RU", "ja_JP", "zh_CN", "ko_KR", "sv_SE",
    "th_TH", "fr_FR", "es_ES", "de_DE", "zh_TW", "nl_NL", "nb_NO", "cs_CZ",
    "tr_TR", "pl_PL", "en_US", "hu_HU", "fi_FI", "pt_PT", "pt_BR"};

int validCode(int code) { return code >= 0 && code < kLanguageCount ? code : kEnglish; }

}  // namespace

Language::Language(int code, std::unique_ptr<ui::ResourceModule> module)
    : m_code(validCode(code)), m_owned(std::move(module)), m_module(m_owned.get()) {}

Language::~Language() = default;

std::string_view Language::libraryCode() const { return kvr::libraryCode(m_code); }

bool Language::tableValue(Switch which) const {
  const SwitchSlot& row = switchSlot(which);
  if (row.owner != SwitchOwner::Language || which == Switch::OwnStateList) return false;
  const int column = row.slot < 9 ? row.slot - 1 : row.slot - 2;
  return kSwitchValues[static_cast<std::size_t>(m_code)][static_cast<std::size_t>(column)];
}

bool Language::showsPrefix() const { return tableValue(Switch::ShowsPrefix); }
bool Language::showsNames() const { return tableValue(Switch::ShowsNames); }
bool Language::showsInitial() const { return tableValue(Switch::ShowsInitial); }
bool Language::boldTitles() const { return tableValue(Switch::BoldTitles); }
bool Language::showsSuffix() const { return tableValue(Switch::ShowsSuffix); }
bool Language::showsPoBox() const { return tableValue(Switch::ShowsPoBox); }
bool Language::showsPostalAddress() const { return tableValue(Switch::ShowsPostalAddress); }
bool Language::showsPhone() const { return tableValue(Switch::ShowsPhone); }
bool Language::hasOwnStates(int /*countryIndex*/) const { return false; }
bool Language::asksJobAndCompany() const { return tableValue(Switch::AsksJobAndCompany); }
bool Language::allowsFrenchCorrespondence() const {
  return tableValue(Switch::AllowsFrenchCorrespondence);
}

std::string Language::localeCode(std::string_view /*countryCode*/) const {
  return std::string(kLocaleCodes[static_cast<std::size_t>(m_code)]);
}

bool Language::isOn(Switch which, int countryIndex) const {
  switch (which) {
    case Switch::ShowsPrefix: return showsPrefix();
    case Switch::ShowsNames: return showsNames();
    case Switch::ShowsInitial: return showsInitial();
    case Switch::BoldTitles: return boldTitles();
    case Switch::ShowsSuffix: return showsSuffix();
    case Switch::ShowsPoBox: return showsPoBox();
    case Switch::ShowsPostalAddress: return showsPostalAddress();
    case Switch::ShowsPhone: return showsPhone();
    case Switch::OwnStateList: return hasOwnStates(countryIndex);
    case Switch::AsksJobAndCompany: return asksJobAndCompany();
    case Switch::AllowsFrenchCorrespondence: return allowsFrenchCorrespondence();
    default: return false;
  }
}

bool Language::shows(ContactField field, int countryIndex) const {
  const auto which = switchFor(SwitchOwner::Language, field);
  return !which || isOn(*which, countryIndex);
}

}  // namespace kvr

#include "offline/CountryClasses.h"

#include <algorithm>
#include <array>

#include "brand/BrandProfile.h"
#include "brand/Language.h"
#include "brand/LanguageSelection.h"
#include "offline/LanguagePhoneNumbers.h"
#include "record/FieldChecks.h"
#include "ui/StringTable.h"

namespace kvr {

namespace {

constexpr int kBelgium = 14;
constexpr int kSwitzerland = 143;

// Austria, Denmark, Finland, France, Germany, Ireland, Italy, Norway, Portugal, Spain, Sweden,
// United Kingdom.
constexpr std::array kBrandNumberCountries{7, 41, 50, 51, 56, 72, 74, 112, 121, 137, 142, 157};

bool hasBrandNumbers(int index) {
  return std::find(kBrandNumberCountries.begin(), kBrandNumberCountries.end(), index) !=
         kBrandNumberCountries.end();
}

}  // namespace

StateListCountry::StateListCountry(int index, std::span<const StateEntry> states)
    : CCountry(index), m_states(states) {}

const StateEntry* StateListCountry::entry(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= m_states.size()) return nullptr;
  return &m_states[static_cast<std::size_t>(index)];
}

std::string StateListCountry::stateName(int index) const {
  const StateEntry* state = entry(index);
  return state ? ui::loadString(static_cast<unsigned>(state->stringId)) : std::string();
}

std::string StateListCountry::stateCode(int index) const {
  const StateEntry* state = entry(index);
  return state ? std::string(state->code) : CCountry::stateCode(index);
}

int StateListCountry::stateCount() const { return static_cast<int>(m_states.size()); }

UnitedStatesCountry::UnitedStatesCountry()
    : StateListCountry(kCountryUnitedStates, unitedStatesStates()) {}

void UnitedStatesCountry::checkPostalCode(std::string_view zip, bool required, ui::CWnd* owner,
                                          int codePage) const {
  checkUsPostalCode(zip, required, owner, codePage);
}

CanadaCountry::CanadaCountry() : StateListCountry(kCountryCanada, canadianProvinces()) {}
JapanCountry::JapanCountry() : StateListCountry(kCountryJapan, japanesePrefectures()) {}
BrazilCountry::BrazilCountry() : StateListCountry(kCountryBrazil, brazilianStates()) {}

LanguageNumberCountry::LanguageNumberCountry(int index) : CCountry(index) {}

std::string LanguageNumberCountry::phone() const {
  const auto numbers = index() == kBelgium ? belgianPhoneNumbers() : swissPhoneNumbers();
  const int kind = brandProfile().usesOwnPhoneNumbers() ? kBrandNumber : kCentreNumber;
  return std::string(phoneNumberFor(numbers, language().code(), kind));
}

BrandNumberCountry::BrandNumberCountry(int index) : CCountry(index) {}

std::string BrandNumberCountry::phone() const {
  const BrandProfile& brand = brandProfile();
  return brand.usesOwnPhoneNumbers() ? brand.phoneNumberFor(index()) : CCountry::phone();
}

std::unique_ptr<CCountry> makeCountry(int index) {
  switch (index) {
    case kCountryUnitedStates: return std::make_unique<UnitedStatesCountry>();
    case kCountryCanada: return std::make_unique<CanadaCountry>();
    case kCountryJapan: return std::make_unique<JapanCountry>();
    case kCountryBrazil: return std::make_unique<BrazilCountry>();
    case kBelgium:
    case kSwitzerland: return std::make_unique<LanguageNumberCountry>(index);
    default: break;
  }
  if (hasBrandNumbers(index)) return std::make_unique<BrandNumberCountry>(index);
  return std::make_unique<CCountry>(index);
}

}  // namespace kvr

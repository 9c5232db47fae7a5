#include "offline/CountryFactory.h"

#include "offline/CountryClasses.h"
#include "offline/LocaleCountryKeyword.h"
#include "platform/System.h"

namespace kvr {

namespace {
std::shared_ptr<const CCountry>& cachedDefault() {
  static std::shared_ptr<const CCountry> country;
  return country;
}
}  // namespace

std::string runtimeLocaleName() { return platform::userLocaleName(); }

std::shared_ptr<const CCountry> countryFor(int index) {
  if (auto cached = cachedDefault(); cached && cached->index() == index) return cached;
  return makeCountry(index);
}

std::shared_ptr<const CCountry> defaultCountry() {
  auto& cached = cachedDefault();
  if (!cached) cached = makeCountry(countryIndexFromLocale(runtimeLocaleName()));
  return cached;
}

void resetDefaultCountry() { cachedDefault().reset(); }

}  // namespace kvr

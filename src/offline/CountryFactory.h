#pragma once

#include <memory>
#include <string_view>

#include "offline/CCountry.h"

namespace kvr {

// The country object for an index: the cached default country when it has this index,
// otherwise a new object of the class that serves the index. Shared, so that the caller need
// not know which of the two it got.
std::shared_ptr<const CCountry> countryFor(int index);

// The country of the user's locale, found once and kept for the life of the process.
std::shared_ptr<const CCountry> defaultCountry();

// The locale name the default country is read from (Windows form, "German_Austria.1252").
std::string runtimeLocaleName();

// Forgets the cached default country (tests).
void resetDefaultCountry();

}  // namespace kvr

#pragma once

#include <string>
#include <string_view>

#include "brand/BrandProfile.h"
#include "record/RegistryStore.h"

namespace kvr {

// The brand's own saved answers live in a section named after the brand profile; contact data
// and the client number in kGeneralSection.

inline std::string brandSection() { return brandProfile().shortName(); }

}  // namespace kvr

#pragma once

#include <string>
#include <string_view>

#include "brand/BrandProfile.h"

namespace kvr {

// Registry sections of the saved answers: contact data and the client number under "General",
// the brand's own answers under a section named after the brand profile.
inline constexpr std::string_view kGeneralSection = "General";

inline std::string brandSection() { return brandProfile().shortName(); }

}  // namespace kvr

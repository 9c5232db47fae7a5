#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/VersionFacts.h"

namespace kvr {

// The running system's name and version as the system-information page, the printed form and
// the debug log show them: "Windows 98" / "V4.10 (Build 1998)". On POSIX systems the
// distribution's name and the kernel release in the same form.
std::string osName();
std::string osVersion();

// The same decisions over given facts; empty when there are none.
std::string osNameFrom(const std::optional<platform::VersionFacts>& facts);
std::string osVersionFrom(const std::optional<platform::VersionFacts>& facts);

// The distribution's name from the text of an os-release file: PRETTY_NAME, else NAME, else
// "Linux".
std::string osReleaseName(std::string_view osRelease);

}  // namespace kvr

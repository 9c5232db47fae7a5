#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kvr::platform {

// The platform ids of the Windows version query, and one of our own for POSIX systems.
inline constexpr std::uint32_t kPlatformWin32s = 0;
inline constexpr std::uint32_t kPlatformWin9x = 1;
inline constexpr std::uint32_t kPlatformNt = 2;
inline constexpr std::uint32_t kPlatformPosix = 0x100;

// What the system says about its own version, unjudged. On Windows the fields of the extended
// version query (the build number as given, high word and all); on POSIX systems the kernel
// release and the text of the distribution's os-release file, the numeric fields left at 0.
struct VersionFacts {
  std::uint32_t platformId = 0;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
  std::string csdText;
  std::string kernelRelease;  // "6.1.0-18-amd64"
  std::string osRelease;      // whole file; empty when there is none
};

// Empty when the system cannot tell.
std::optional<VersionFacts> versionFacts();

}  // namespace kvr::platform

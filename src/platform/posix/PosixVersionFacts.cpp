#include <sys/utsname.h>

#include <fstream>

#include "platform/VersionFacts.h"

namespace kvr::platform {

namespace {

// os-release is a handful of short lines; anything longer is not that file.
constexpr std::streamsize kOsReleaseLimit = 64 * 1024;

std::string readOsRelease() {
  // The distribution's file, and the fallback the os-release format names for it.
  for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
    std::ifstream in(path, std::ios::binary);
    if (!in) continue;
    std::string text(static_cast<std::size_t>(kOsReleaseLimit), '\0');
    in.read(text.data(), kOsReleaseLimit);
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
  }
  return {};
}

}  // namespace

std::optional<VersionFacts> versionFacts() {
  utsname names{};
  if (uname(&names) != 0) return std::nullopt;
  VersionFacts facts;
  facts.platformId = kPlatformPosix;
  facts.kernelRelease = names.release;
  facts.osRelease = readOsRelease();
  return facts;
}

}  // namespace kvr::platform

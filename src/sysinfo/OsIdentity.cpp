#include "sysinfo/OsIdentity.h"

#include <cstdio>

namespace kvr {

namespace {

std::string formatVersion(unsigned major, unsigned minor, unsigned build) {
  char text[64];
  std::snprintf(text, sizeof text, "V%d.%d (Build %d)", static_cast<int>(major),
                static_cast<int>(minor), static_cast<int>(build));
  return text;
}

// One value of an os-release assignment: shell-style, with double or single quotes and
// backslash escapes inside double quotes.
std::string unquote(std::string_view value) {
  std::string out;
  char quote = 0;
  for (std::size_t i = 0; i < value.size(); ++i) {
    char c = value[i];
    if (quote == 0 && (c == '"' || c == '\'')) {
      quote = c;
    } else if (quote != 0 && c == quote) {
      quote = 0;
    } else if (c == '\\' && quote != '\'' && i + 1 < value.size()) {
      out += value[++i];
    } else if (quote == 0 && (c == ' ' || c == '\t' || c == '#')) {
      break;
    } else {
      out += c;
    }
  }
  return out;
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

// Leading decimal number of `text`, advancing past it; 0 when there is none. Saturates
// rather than overflowing on an absurd release string.
unsigned takeNumber(std::string_view& text) {
  unsigned value = 0;
  while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
    if (value < 100000000u) value = value * 10 + static_cast<unsigned>(text.front() - '0');
    text.remove_prefix(1);
  }
  return value;
}

// "6.1.0-18-amd64" -> 6, 1, 0. Empty when the release does not start with a number.
std::string kernelVersion(std::string_view release) {
  if (release.empty() || release.front() < '0' || release.front() > '9') return {};
  unsigned parts[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i) {
    parts[i] = takeNumber(release);
    if (release.size() < 2 || release.front() != '.' || release[1] < '0' || release[1] > '9') break;
    release.remove_prefix(1);
  }
  return formatVersion(parts[0], parts[1], parts[2]);
}

}  // namespace

std::string osReleaseName(std::string_view osRelease) {
  std::string prettyName;
  std::string name;
  while (!osRelease.empty()) {
    auto end = osRelease.find('\n');
    std::string_view line = trimBlanks(osRelease.substr(0, end));
    osRelease = end == std::string_view::npos ? std::string_view() : osRelease.substr(end + 1);
    auto equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    std::string_view key = line.substr(0, equals);
    if (key == "PRETTY_NAME") prettyName = unquote(line.substr(equals + 1));
    if (key == "NAME") name = unquote(line.substr(equals + 1));
  }
  if (!prettyName.empty()) return prettyName;
  if (!name.empty()) return name;
  return "Linux";
}

std::string osNameFrom(const std::optional<platform::VersionFacts>& facts) {
  if (!facts) return {};
  switch (facts->platformId) {
    case platform::kPlatformWin32s:
      return "Win32s";
    case platform::kPlatformWin9x:
      return facts->major > 4 || (facts->major == 4 && facts->minor != 0) ? "Windows 98"
                                                                          : "Windows 95";
    case platform::kPlatformNt:
      return "Windows NT";
    case platform::kPlatformPosix:
      return osReleaseName(facts->osRelease);
    default:
      return {};
  }
}

std::string osVersionFrom(const std::optional<platform::VersionFacts>& facts) {
  if (!facts) return {};
  if (facts->platformId == platform::kPlatformPosix) return kernelVersion(facts->kernelRelease);
  // On the 9x platform the high word of the build number repeats the version.
  return formatVersion(facts->major, facts->minor, facts->build & 0xFFFFu);
}

std::string osName() { return osNameFrom(platform::versionFacts()); }
std::string osVersion() { return osVersionFrom(platform::versionFacts()); }

}  // namespace kvr

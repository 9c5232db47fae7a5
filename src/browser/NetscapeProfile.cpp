#include "browser/NetscapeProfile.h"

#include <filesystem>
#include <memory>
#include <vector>

#include "browser/RegistryReaders.h"
#include "platform/Registry.h"

namespace kvr {

namespace {

using platform::RegRoot;

constexpr std::string_view kNavigatorUsers = "SOFTWARE\\Netscape\\Netscape Navigator\\Users";
constexpr std::string_view kNavigator = "Software\\Netscape\\Netscape Navigator";
constexpr std::string_view kNetcaster = "SOFTWARE\\Netscape\\Netcaster";

std::string& cache() {
  static std::string directory;
  return directory;
}

std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string navigatorCandidate(std::string_view fileName) {
  const auto user = readRegistryText(RegRoot::LocalMachine, kNavigatorUsers, "CurrentUser");
  if (user.empty()) return {};
  const auto dir = readRegistryText(RegRoot::LocalMachine,
                                    std::string(kNavigatorUsers) + "\\" + user, "DirRoot");
  if (dir.empty()) return {};
  return dir + "\\" + std::string(fileName);
}

std::string communicatorCandidate(std::string_view fileName, const std::string& user) {
  const auto version = readRegistryText(RegRoot::LocalMachine, kNavigator, "CurrentVersion");
  if (version.empty()) return {};
  const auto install = readRegistryText(
      RegRoot::LocalMachine, std::string(kNavigator) + "\\" + version + "\\Main",
      "Install Directory");
  if (install.empty()) return {};
  const auto at = upper(install).find("COMMUNICATOR");
  if (at == std::string::npos) return {};
  return install.substr(0, at) + "Users\\" + user + "\\" + std::string(fileName);
}

// Install directories of the Netcaster keys, the one enumerated last first.
std::vector<std::string> netcasterDirectories() {
  std::vector<std::string> directories;
  std::unique_ptr<platform::RegKey> key;
  if (platform::registry().openKey(RegRoot::LocalMachine, kNetcaster, platform::RegAccess::Read,
                                   key) != platform::kRegSuccess)
    return directories;
  std::string name;
  for (std::uint32_t index = 0; key->enumKey(index, name) == platform::kRegSuccess; ++index) {
    if (name.size() >= 1024) continue;
    auto dir = readRegistryText(RegRoot::LocalMachine,
                                std::string(kNetcaster) + "\\" + name + "\\Main",
                                "Install Directory");
    if (!dir.empty()) directories.insert(directories.begin(), std::move(dir));
  }
  return directories;
}

}  // namespace

std::string NetscapeProfile::systemPath(std::string_view windowsPath) {
  std::string path(windowsPath);
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

std::string NetscapeProfile::profileFile(std::string_view fileName) {
  return profileFile(fileName, [](const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(systemPath(path), error);
  });
}

std::string NetscapeProfile::profileFile(std::string_view fileName, const Exists& exists) {
  if (!cache().empty() && exists(cache() + std::string(fileName)))
    return cache() + std::string(fileName);

  // An attempt whose candidate does not exist counts as failed, so the next layout is tried.
  const auto found = [&](const std::string& path) { return !path.empty() && exists(path); };
  std::string candidate = navigatorCandidate(fileName);
  if (!found(candidate)) {
    const auto user = readRegistryText(RegRoot::CurrentUser, std::string(kNavigator) + "\\biff",
                                       "CurrentUser");
    if (!user.empty()) {
      candidate = communicatorCandidate(fileName, user);
      if (!found(candidate)) {
        for (auto dir : netcasterDirectories()) {
          const auto at = upper(dir).find("COMMUNICATOR");
          if (at != std::string::npos) dir.resize(at);
          if (dir.empty() || dir.back() != '\\') dir += '\\';
          candidate = dir + "Users\\" + user + "\\" + std::string(fileName);
          if (found(candidate)) break;
        }
      }
    }
  }
  if (found(candidate)) {
    cache() = candidate.substr(0, candidate.rfind('\\') + 1);
    return candidate;
  }
  cache().clear();
  return {};
}

void NetscapeProfile::resetCache() { cache().clear(); }

}  // namespace kvr

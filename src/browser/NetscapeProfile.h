#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kvr {

// Finds a file of the current user's Netscape profile through the registry layouts of the
// Navigator and Communicator versions, and remembers the profile directory for the process.
// Paths are in Windows form (backslashes).
class NetscapeProfile {
 public:
  using Exists = std::function<bool(const std::string& windowsPath)>;

  // The full path of `fileName` in the profile, or empty when no layout gives an existing file.
  static std::string profileFile(std::string_view fileName);
  // The same with the file system replaced (for tests).
  static std::string profileFile(std::string_view fileName, const Exists& exists);

  static void resetCache();

  // A Windows-form path as this system names it.
  static std::string systemPath(std::string_view windowsPath);
};

}  // namespace kvr

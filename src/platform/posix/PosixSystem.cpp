#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/LocaleNames.h"
#include "platform/System.h"
#include "platform/WindowsCommandLine.h"

namespace kvr::platform {

namespace {

std::vector<std::string>& arguments() {
  static std::vector<std::string> args;
  return args;
}

std::string directoryOf(const std::string& path) {
  auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool isExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::string currentDirectory() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE || buffer.size() > (1u << 20)) return ".";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

std::string nonEmptyEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

void setArguments(int argc, char** argv) {
  arguments().assign(argv, argv + argc);
}

std::string executablePath() {
  std::vector<char> buffer(4096);
  for (;;) {
    ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return arguments().empty() ? std::string() : arguments().front();
    if (static_cast<std::size_t>(length) < buffer.size())
      return std::string(buffer.data(), static_cast<std::size_t>(length));
    buffer.resize(buffer.size() * 2);
  }
}

std::string commandLine() {
  const auto& args = arguments();
  if (args.empty()) return {};
  // Windows shells hand over the program name in quotes; the reminder relies on finding the
  // arguments after the closing one.
  std::string line = "\"" + args.front() + "\"";
  for (std::size_t i = 1; i < args.size(); ++i) {
    line += ' ';
    line += quoteWindowsArgument(args[i]);
  }
  return line;
}

std::string searchPath(std::string_view fileName) {
  std::string name(fileName);
  constexpr std::string_view kExe = ".exe";
  if (name.size() > kExe.size() && name.compare(name.size() - kExe.size(), kExe.size(), kExe) == 0)
    name.resize(name.size() - kExe.size());
  if (name.empty() || name.find('/') != std::string::npos)
    return isExecutableFile(name) ? name : std::string();

  std::vector<std::string> directories{directoryOf(executablePath()), currentDirectory()};
  std::string path = nonEmptyEnv("PATH");
  for (std::size_t start = 0; start <= path.size();) {
    auto end = path.find(':', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) directories.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  for (const auto& directory : directories) {
    std::string candidate = directory + "/" + name;
    if (isExecutableFile(candidate)) return candidate;
  }
  return {};
}

std::string userLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    std::string value = nonEmptyEnv(variable);
    if (!value.empty()) return windowsLocaleName(value);
  }
  return windowsLocaleName("C");
}

bool setRuntimeLocale(std::string_view name) {
  std::string copy(name);
  return std::setlocale(LC_ALL, copy.c_str()) != nullptr;
}

std::string createGuid() {
  std::array<std::uint8_t, 16> bytes{};
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    ssize_t got = getrandom(bytes.data() + filled, bytes.size() - filled, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      return {};
    }
    filled += static_cast<std::size_t>(got);
  }
  bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0f) | 0x40);  // version 4
  bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3f) | 0x80);  // RFC 4122 variant

  char text[39];
  std::snprintf(text, sizeof text,
                "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                bytes[0], bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7],
                bytes[8], bytes[9], bytes[10], bytes[11], bytes[12], bytes[13], bytes[14], bytes[15]);
  return text;
}

std::time_t localTimeToEpoch(std::tm localTime) { return std::mktime(&localTime); }

std::tm epochToLocalTime(std::time_t seconds) {
  std::tm result{};
  localtime_r(&seconds, &result);
  return result;
}

std::time_t currentTime() { return std::time(nullptr); }

std::string dataPrefix() {
  std::string prefix = nonEmptyEnv("KVR_PREFIX");
  if (!prefix.empty()) return prefix;
  std::string dataHome = nonEmptyEnv("XDG_DATA_HOME");
  if (!dataHome.empty()) return dataHome + "/kvr";
  std::string home = nonEmptyEnv("HOME");
  return (home.empty() ? std::string(".") : home) + "/.local/share/kvr";
}

}  // namespace kvr::platform

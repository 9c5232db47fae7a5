#include "browser/RegistryReaders.h"

#include <cstdlib>
#include <memory>

namespace kvr {

namespace {

constexpr std::size_t kValueBuffer = 1024;

bool queryValue(platform::RegRoot root, std::string_view path, std::string_view name,
                platform::RegValue& value) {
  std::unique_ptr<platform::RegKey> key;
  if (platform::registry().openKey(root, path, platform::RegAccess::Read, key) !=
      platform::kRegSuccess)
    return false;
  return key->queryValue(name, kValueBuffer, value) == platform::kRegSuccess;
}

}  // namespace

std::string readRegistryText(platform::RegRoot root, std::string_view path, std::string_view name) {
  platform::RegValue value;
  if (!queryValue(root, path, name, value)) return {};
  return value.data.substr(0, value.data.find('\0'));
}

std::optional<long> readRegistryNumber(platform::RegRoot root, std::string_view path,
                                       std::string_view name) {
  platform::RegValue value;
  if (!queryValue(root, path, name, value)) return std::nullopt;
  if (value.type == platform::kRegSz || value.type == platform::kRegExpandSz) {
    const std::string text = value.data.substr(0, value.data.find('\0'));
    return std::strtol(text.c_str(), nullptr, 10);
  }
  std::uint32_t number = 0;
  for (std::size_t i = 0; i < 4 && i < value.data.size(); ++i)
    number |= static_cast<std::uint32_t>(static_cast<unsigned char>(value.data[i])) << (8 * i);
  return static_cast<long>(static_cast<std::int32_t>(number));
}

}  // namespace kvr

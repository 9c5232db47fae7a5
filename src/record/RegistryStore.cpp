#include "record/RegistryStore.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/Registry.h"

namespace kvr {

namespace {

using platform::RegAccess;
using platform::RegRoot;

constexpr std::string_view kBasePath = "Software\\OVX\\Product Registration";
constexpr std::size_t kTextBufferBytes = 1024;
constexpr std::size_t kIntBufferBytes = 256;

std::string sectionPath(std::string_view section) {
  return std::string(kBasePath) + "\\" + std::string(section);
}

std::unique_ptr<platform::RegKey> openSection(std::string_view section, RegAccess access) {
  std::unique_ptr<platform::RegKey> key;
  if (platform::registry().openKey(RegRoot::CurrentUser, sectionPath(section), access, key) !=
      platform::kRegSuccess)
    key.reset();
  return key;
}

// The section's key open for setting values; the whole chain is created when it is missing.
std::unique_ptr<platform::RegKey> openSectionForWrite(std::string_view section) {
  if (auto key = openSection(section, RegAccess::Write)) return key;
  const std::string chain[] = {"Software", "Software\\OVX", std::string(kBasePath),
                               sectionPath(kGeneralSection), sectionPath(section)};
  for (const auto& path : chain) {
    std::unique_ptr<platform::RegKey> created;
    if (platform::registry().createKey(RegRoot::CurrentUser, path, created) !=
        platform::kRegSuccess)
      return nullptr;
  }
  return openSection(section, RegAccess::Write);
}

bool query(std::string_view section, std::string_view name, std::size_t bufferSize,
           platform::RegValue& value) {
  auto key = openSection(section, RegAccess::Read);
  return key && key->queryValue(name, bufferSize, value) == platform::kRegSuccess;
}

int leadingDecimal(const std::string& text) {
  long number = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int>(number < INT_MIN ? INT_MIN : number > INT_MAX ? INT_MAX : number);
}

}  // namespace

bool RegistryStore::writeText(std::string_view section, std::string_view name,
                              std::string_view text) {
  auto key = openSectionForWrite(section);
  if (!key) return false;
  // An empty text is written as its terminating zero alone.
  key->setValue(name, platform::kRegSz, text.empty() ? std::string_view("", 1) : text);
  return true;
}

bool RegistryStore::writeInt(std::string_view section, std::string_view name, int value) {
  auto key = openSectionForWrite(section);
  if (!key) return false;
  char digits[16] = {};
  int length = std::snprintf(digits, sizeof digits, "%d", value);
  // Four bytes hold up to three digits and the terminating zero, the size other readers of
  // these values expect; a longer number keeps all its digits rather than losing the last.
  std::size_t dataLength = std::max<std::size_t>(4, static_cast<std::size_t>(length) + 1);
  return key->setValue(name, platform::kRegSz, std::string_view(digits, dataLength)) ==
         platform::kRegSuccess;
}

std::string RegistryStore::readText(std::string_view section, std::string_view name) {
  platform::RegValue value;
  if (!query(section, name, kTextBufferBytes, value)) return {};
  return value.data.substr(0, value.data.find('\0'));
}

int RegistryStore::readInt(std::string_view section, std::string_view name) {
  platform::RegValue value;
  if (!query(section, name, kIntBufferBytes, value)) return -1;
  switch (value.type) {
    case platform::kRegSz:
      return leadingDecimal(value.data);
    case platform::kRegDword:
    case platform::kRegBinary: {
      std::uint32_t bits = 0;
      for (std::size_t i = 0; i < 4 && i < value.data.size(); ++i)
        bits |= std::uint32_t{static_cast<unsigned char>(value.data[i])} << (8 * i);
      return static_cast<int>(bits);
    }
    default:
      return -1;
  }
}

RegistryStore::Batch::Batch() { platform::registry().beginBatch(); }

RegistryStore::Batch::~Batch() { platform::registry().endBatch(); }

}  // namespace kvr

#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kvr::platform {

// A registry hive held in memory, and its REGEDIT4 text form. No I/O here: the parser takes
// bytes and the serializer returns them.

inline constexpr std::size_t kHiveMaxLineBytes = std::size_t{1} << 20;
inline constexpr std::size_t kHiveMaxFileBytes = std::size_t{64} << 20;
inline constexpr std::size_t kHiveMaxKeyNameBytes = 255;
inline constexpr std::size_t kHiveMaxKeyDepth = 512;
inline constexpr std::size_t kHiveMaxValueNameBytes = 16383;
inline constexpr std::size_t kHiveMaxValueDataBytes = std::size_t{1} << 20;

// Key and value names compare without regard to ASCII letter case; other bytes compare as
// they are.
std::string foldName(std::string_view name);
bool isValidKeyName(std::string_view name);
bool isValidValueName(std::string_view name);

struct HiveValue {
  std::string name;
  std::uint32_t type = 0;
  // A REG_SZ holds its text without the terminating zero; every other type its exact bytes.
  std::string data;
};

class HiveKey {
 public:
  explicit HiveKey(std::string name = {}) : m_name(std::move(name)) {}

  const std::string& name() const { return m_name; }

  HiveKey* child(std::string_view name);
  const HiveKey* child(std::string_view name) const;
  // The existing child of that name, or a new one spelled as given.
  HiveKey& ensureChild(std::string_view name);
  std::size_t childCount() const { return m_children.size(); }
  // Children in case-insensitive name order. childAt() walks from the first one.
  const HiveKey* childAt(std::size_t index) const;
  template <typename Visit>
  void forEachChild(Visit visit) const {
    for (const auto& entry : m_children) visit(*entry.second);
  }

  const HiveValue* value(std::string_view name) const;
  // An existing value keeps the spelling of its name. A REG_SZ text ends at its first zero
  // byte. Returns false when the value already held exactly this type and data.
  bool setValue(std::string_view name, std::uint32_t type, std::string data);
  bool deleteValue(std::string_view name);
  std::size_t valueCount() const { return m_values.size(); }
  // Values in the order they were created.
  const HiveValue& valueAt(std::size_t index) const { return m_values[index]; }

 private:
  std::string m_name;
  std::map<std::string, std::unique_ptr<HiveKey>> m_children;  // by folded name
  std::vector<HiveValue> m_values;
  std::unordered_map<std::string, std::size_t> m_valueIndex;  // folded name -> m_values
};

struct HiveParseError {
  std::size_t line = 0;  // 1-based; 0 when the fault is not on one line
  std::string reason;
};

struct HiveParseResult {
  HiveKey root;  // empty when parsing failed
  std::optional<HiveParseError> error;
};

// `rootName` is the hive's top key as the section lines spell it ("HKEY_CURRENT_USER").
HiveParseResult parseHive(std::string_view bytes, std::string_view rootName);
// Every name in the tree must be valid (see isValidKeyName / isValidValueName).
std::string serializeHive(const HiveKey& root, std::string_view rootName);

}  // namespace kvr::platform

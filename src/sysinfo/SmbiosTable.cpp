#include "sysinfo/SmbiosTable.h"

#include <algorithm>

namespace kvr {

namespace {

// Position just past the zero that ends the string starting at `pos`; none when the table ends
// first.
std::optional<std::size_t> pastString(std::span<const std::uint8_t> table, std::size_t pos) {
  auto zero = std::find(table.begin() + static_cast<std::ptrdiff_t>(pos), table.end(), 0);
  if (zero == table.end()) return std::nullopt;
  return static_cast<std::size_t>(zero - table.begin()) + 1;
}

}  // namespace

std::optional<std::size_t> findStructure(std::span<const std::uint8_t> table, std::uint8_t type) {
  std::size_t pos = 0;
  const std::size_t size = table.size();
  while (size - pos >= 2) {
    if (table[pos] == type) return pos;
    pos += table[pos + 1];
    if (pos >= size) return std::nullopt;
    bool anyString = false;
    while (table[pos] != 0) {
      anyString = true;
      auto next = pastString(table, pos);
      if (!next || *next >= size) return std::nullopt;
      pos = *next;
    }
    ++pos;  // the empty string that ends the set
    // A structure without strings ends in two zeros; the second is not the next type byte.
    if (!anyString && pos < size && table[pos] == 0) ++pos;
  }
  return std::nullopt;
}

std::optional<std::string_view> structureString(std::span<const std::uint8_t> table,
                                                std::size_t offset, std::uint8_t number) {
  if (number == 0 || offset + 1 >= table.size()) return std::nullopt;
  std::size_t pos = offset + table[offset + 1];
  for (unsigned skipped = 1; skipped < number; ++skipped) {
    // An empty string ends the set: the structure has fewer strings than asked for.
    if (pos >= table.size() || table[pos] == 0) return std::nullopt;
    auto next = pastString(table, pos);
    if (!next) return std::nullopt;
    pos = *next;
  }
  if (pos >= table.size() || table[pos] == 0) return std::nullopt;
  auto end = pastString(table, pos);
  if (!end) return std::nullopt;
  return std::string_view(reinterpret_cast<const char*>(table.data()) + pos, *end - 1 - pos);
}

}  // namespace kvr

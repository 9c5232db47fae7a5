#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

// A text-to-text map whose iteration order is part of the wire format: the pairs of the
// registration request go out in it. Seventeen buckets chosen by a multiply-by-33 hash of the
// key's bytes (taken as signed char, 32-bit unsigned arithmetic); buckets are visited 0 to 16
// and, inside one, the most recently inserted key comes first. Setting a key that is present
// replaces its value where it stands. Nothing is ever removed.
class BucketMap {
 public:
  static constexpr std::size_t kBucketCount = 17;

  static std::uint32_t hashOf(std::string_view key);
  static std::size_t bucketOf(std::string_view key) { return hashOf(key) % kBucketCount; }

  void set(std::string_view key, std::string_view value);
  // Null when the key is absent.
  const std::string* find(std::string_view key) const;
  // Empty text when the key is absent.
  std::string get(std::string_view key) const;
  bool contains(std::string_view key) const { return find(key) != nullptr; }
  std::size_t size() const { return m_size; }

  // Calls visit(key, value) for every pair in iteration order.
  template <typename Visit>
  void forEach(Visit&& visit) const {
    for (const auto& bucket : m_buckets)
      for (auto entry = bucket.rbegin(); entry != bucket.rend(); ++entry)
        visit(entry->key, entry->value);
  }

 private:
  struct Entry {
    std::string key;
    std::string value;
  };

  // Each bucket in insertion order; forEach walks it backwards.
  std::array<std::vector<Entry>, kBucketCount> m_buckets;
  std::size_t m_size = 0;
};

}  // namespace kvr

#include "record/BucketMap.h"

namespace kvr {

std::uint32_t BucketMap::hashOf(std::string_view key) {
  std::uint32_t hash = 0;
  for (char c : key) {
    // Bytes above 0x7F count as negative, as they do where char is signed; the conversion
    // wraps them to 2^32 - n.
    hash = hash * 33u + static_cast<std::uint32_t>(static_cast<signed char>(c));
  }
  return hash;
}

void BucketMap::set(std::string_view key, std::string_view value) {
  auto& bucket = m_buckets[bucketOf(key)];
  for (auto& entry : bucket) {
    if (entry.key == key) {
      entry.value = value;
      return;
    }
  }
  bucket.push_back(Entry{std::string(key), std::string(value)});
  ++m_size;
}

const std::string* BucketMap::find(std::string_view key) const {
  for (const auto& entry : m_buckets[bucketOf(key)])
    if (entry.key == key) return &entry.value;
  return nullptr;
}

std::string BucketMap::get(std::string_view key) const {
  const std::string* value = find(key);
  return value ? *value : std::string();
}

}  // namespace kvr

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "record/BucketMap.h"

namespace kvr {
namespace {

std::vector<std::pair<std::string, std::string>> pairsOf(const BucketMap& map) {
  std::vector<std::pair<std::string, std::string>> pairs;
  map.forEach(
      [&](const std::string& key, const std::string& value) { pairs.emplace_back(key, value); });
  return pairs;
}

std::vector<std::string> keysOf(const BucketMap& map) {
  std::vector<std::string> keys;
  for (auto& [key, value] : pairsOf(map)) keys.push_back(key);
  return keys;
}

// Buckets worked out by hand: hash = hash * 33 + byte (byte as signed char, modulo 2^32),
// bucket = hash % 17.
struct KeyBucket {
  const char* key;
  std::size_t bucket;
} const kBuckets[] = {
    {"", 0},
    {"a", 12},           // 97 = 5 * 17 + 12
    {"A", 14},           // 65 = 3 * 17 + 14
    {"R", 14},           // 82 = 4 * 17 + 14
    {"q6", 9},           // 113 * 33 + 54 = 3783 = 222 * 17 + 9
    {"q10", 10},         // 3778 * 33 + 48 = 124722 = 7336 * 17 + 10
    {"zip", 10},         // (122 * 33 + 105) * 33 + 112 = 136435 = 8025 * 17 + 10
    {"stateProv", 10},   // passes 2^32; without the wrap it would be bucket 3
    {"\xE9\x61", 2},     // -23 * 33 + 97 = -662, i.e. 2^32 - 662; read as 233 it would be 0
};

TEST(BucketMapTest, BucketsOfKnownKeys) {
  for (const auto& k : kBuckets) {
    SCOPED_TRACE(k.key);
    EXPECT_EQ(BucketMap::bucketOf(k.key), k.bucket);
  }
}

TEST(BucketMapTest, IteratesBucketsInOrderNewestFirstWithinABucket) {
  BucketMap map;
  for (const char* key : {"zip", "q10", "A", "stateProv", "a", "R", "\xE9\x61", "q6", ""})
    map.set(key, std::string("v_") + key);

  const std::vector<std::string> expected = {
      "",                         // bucket 0
      "\xE9\x61",                 // 2
      "q6",                       // 9
      "stateProv", "q10", "zip",  // 10, the last inserted first
      "a",                        // 12
      "R", "A",                   // 14
  };
  EXPECT_EQ(keysOf(map), expected);
  EXPECT_EQ(map.size(), expected.size());
}

TEST(BucketMapTest, SettingAPresentKeyReplacesItsValueInPlace) {
  BucketMap map;
  map.set("zip", "1");
  map.set("q10", "2");
  map.set("stateProv", "3");
  map.set("zip", "changed");
  map.set("q10", "");

  const std::vector<std::pair<std::string, std::string>> expected = {
      {"stateProv", "3"}, {"q10", ""}, {"zip", "changed"}};
  EXPECT_EQ(pairsOf(map), expected);
  EXPECT_EQ(map.size(), 3u);
}

TEST(BucketMapTest, AbsentKeysReadAsEmptyAndKeysAreCaseSensitive) {
  BucketMap map;
  map.set("q1", "x");
  map.set("empty", "");
  EXPECT_EQ(map.get("q2"), "");
  EXPECT_EQ(map.find("q2"), nullptr);
  EXPECT_FALSE(map.contains("Q1"));
  EXPECT_TRUE(map.contains("empty"));
  EXPECT_EQ(map.get("q1"), "x");
}

}  // namespace
}  // namespace kvr

#include "platform/CodePageText.h"

#include <gtest/gtest.h>

#include <string>

namespace kvr::platform {
namespace {

constexpr int kWestern = 1252;
constexpr int kShiftJis = 932;
constexpr int kGbk = 936;

// "ab", then two Shift-JIS characters (0x8F 0xDA, 0x8D 0xD7), then "c": cuts at 3 and 5 fall
// inside a character.
const std::string kMixed = "ab\x8F\xDA\x8D\xD7" "c";

TEST(CodePageTextTest, CutsFallBetweenWholeCharacters) {
  struct {
    std::string text;
    int codePage;
    std::size_t limit;
    std::size_t within;    // wholeCharsWithin(text, limit)
    std::size_t startFrom; // charStartFrom(text, limit)
  } cases[] = {
      {kMixed, kShiftJis, 0, 0, 0},
      {kMixed, kShiftJis, 2, 2, 2},
      {kMixed, kShiftJis, 3, 2, 4},
      {kMixed, kShiftJis, 4, 4, 4},
      {kMixed, kShiftJis, 5, 4, 6},
      {kMixed, kShiftJis, 7, 7, 7},
      {kMixed, kShiftJis, 100, 7, 7},
      {kMixed, kWestern, 3, 3, 3},  // single-byte: every byte is a character
      {"\xB0\xA1\xB0", kGbk, 3, 3, 3},  // a lead byte cut off at the end is a character of its own
      {"\xB0\xA1\xB0", kGbk, 1, 0, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "code page " << c.codePage << ", limit " << c.limit);
    EXPECT_EQ(wholeCharsWithin(c.text, c.limit, c.codePage), c.within);
    EXPECT_EQ(charStartFrom(c.text, c.limit, c.codePage), c.startFrom);
  }
}

}  // namespace
}  // namespace kvr::platform

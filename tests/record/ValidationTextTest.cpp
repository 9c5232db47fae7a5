#include "record/ValidationText.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/Resources.h"

namespace kvr {
namespace {

constexpr int kWestern = 1252;
constexpr int kShiftJis = 932;
constexpr int kGbk = 936;
constexpr int kKorean = 949;
constexpr int kBig5 = 950;
constexpr int kCyrillic = 1251;
constexpr int kUtf8 = kUtf8CodePage;

struct TextCase {
  std::string text;
  int codePage;
  int expected;
};

std::string trace(const TextCase& c) {
  std::string shown;
  for (unsigned char b : c.text) {
    if (b >= 0x20 && b < 0x7f) {
      shown += static_cast<char>(b);
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", b);
      shown += hex;
    }
  }
  return "\"" + shown + "\" in " + std::to_string(c.codePage);
}

TEST(ValidationTextTest, IsBlank) {
  const TextCase cases[] = {
      {"", kWestern, 1},         {" ", kWestern, 1},          {"\t \r\n\v\f", kWestern, 1},
      {" a ", kWestern, -1},     {"\xa0", kWestern, -1},      {"\x81\x40", kShiftJis, -1},
      {"\x83", kShiftJis, -1},   {"  \x83", kShiftJis, -1},   {"\xe3\x80\x80", kUtf8, -1},
      {"\xe3", kUtf8, -1},       {"-", kWestern, -1},         {std::string(1, '\0'), kWestern, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(trace(c));
    EXPECT_EQ(isBlank(c.text, c.codePage), c.expected);
  }
}

TEST(ValidationTextTest, FindPipeOrBackslashSkipsTrailBytes) {
  const TextCase cases[] = {
      {"", kWestern, -1},
      {"   ", kWestern, -1},
      {"abc", kWestern, -1},
      {"a|b", kWestern, 1},
      {"\\", kWestern, 0},
      {"ab\\c|", kWestern, 2},
      {"\x83\x5c", kShiftJis, -1},   // one katakana whose trail byte is 0x5c
      {"\x83\x5c", kWestern, 1},     // the same bytes in a Western code page
      {"\x83\x7c|", kShiftJis, 2},
      {"\x81\x5c", kGbk, -1},
      {"\xa5\x5c", kBig5, -1},
      {"\xb0\x7c", kKorean, -1},
      {"\xa0\x5c", kShiftJis, 1},    // 0xa0 is no lead byte in 932
      {"x\x83", kShiftJis, -1},      // lead byte cut off at the end
      {"\xc3\\", kUtf8, 1},          // UTF-8 never hides ASCII in a trail
      {"\xe2\x80|", kUtf8, 2},
      {"\xe2|\x80", kUtf8, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(trace(c));
    EXPECT_EQ(findPipeOrBackslash(c.text, c.codePage), c.expected);
  }
}

TEST(ValidationTextTest, FindDigitCountsFromOne) {
  const TextCase cases[] = {
      {"", kWestern, -1},         {"  ", kWestern, -1},          {"John", kWestern, -1},
      {"J0hn", kWestern, 2},      {"1", kWestern, 1},            {"abc 9", kWestern, 5},
      {"\xb2", kWestern, -1},     {"\x83" "1", kShiftJis, -1},   {"\x83" "1", kWestern, 2},
      {"1\x83", kShiftJis, 1},    {"\x82\x4f", kShiftJis, -1},   {"\xc3\xa9" "7", kUtf8, 3},
      {"\xc3" "7", kUtf8, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(trace(c));
    EXPECT_EQ(findDigit(c.text, c.codePage), c.expected);
  }
}

TEST(ValidationTextTest, ContainsLetter) {
  const TextCase cases[] = {
      {"", kWestern, 0},           {"   ", kWestern, 0},        {"123", kWestern, 0},
      {"123 B", kWestern, 1},      {"12-3/4", kWestern, 0},     {"\xe9", kWestern, 1},
      {"12 \xd7", kWestern, 0},    {"\xd7", kCyrillic, 1},      {"\x82\x50", kShiftJis, 1},
      {"12\x83", kShiftJis, 1},    {"\xb1", kShiftJis, 1},      {"\xb0\xa1", kKorean, 1},
      {"\xc3\xa9", kUtf8, 1},      {"\x80", kUtf8, 1},          {"1\xa0", kWestern, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(trace(c));
    EXPECT_EQ(containsLetter(c.text, c.codePage), c.expected == 1);
  }
}

TEST(ValidationTextTest, IsEmailShaped) {
  const TextCase cases[] = {
      {"", kWestern, 1},             {"  ", kWestern, 1},            {"a@b.c", kWestern, 1},
      {"user@example.com", kWestern, 1}, {"a@b", kWestern, 0},       {"a.b", kWestern, 0},
      {"a @b.c", kWestern, 0},       {"a@b.c\t", kWestern, 0},       {".@", kWestern, 1},
      {"\x83\x40" "b.c", kShiftJis, 0},  // 0x40 is a trail byte here, not an at sign
      {"\x83\x40" "b.c", kWestern, 1},
      {"\x81\x40" "a@b.c", kShiftJis, 1},  // a wide blank is no blank
      {"a@b.c\x83", kShiftJis, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(trace(c));
    EXPECT_EQ(isEmailShaped(c.text, c.codePage), c.expected == 1);
  }
}

TEST(ValidationTextTest, CharactersNeverReachPastTheEnd) {
  struct {
    std::string text;
    int codePage;
    std::size_t length;
    bool wide;
  } cases[] = {
      {"a", kWestern, 1, false},        {"\xe9", kWestern, 1, false},
      {"\x83", kShiftJis, 1, true},     {"\x83\x40", kShiftJis, 2, true},
      {"\xfe", kGbk, 1, true},          {"\xfe\xfe", kBig5, 2, true},
      {"\xc3", kUtf8, 1, true},         {"\xf0\x9f\x98", kUtf8, 3, true},
      {"\xf0\x9f\x98\x80", kUtf8, 4, true}, {"\xf0\x9f\x98\x80\x80", kUtf8, 4, true},
      {"\xe2" "a", kUtf8, 1, true},     {"\xff", kUtf8, 1, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(trace({c.text, c.codePage, 0}));
    const TextChar ch = charAt(c.text, 0, c.codePage);
    EXPECT_EQ(ch.length, c.length);
    EXPECT_EQ(ch.wide, c.wide);
  }
}

// Typed text arrives in the code page of the dialogs it was typed into, so the checks follow the
// active language module, not the locale ("-lang=jpn" on a German desktop types Shift-JIS).
TEST(ValidationTextTest, TheActiveLanguageModuleGivesTheCodePage) {
  auto japanese = ui::ResourceModule::load("KVOVXJPN.dll");
  ASSERT_NE(japanese, nullptr);
  ui::setResourceModule(std::move(japanese));
  EXPECT_EQ(currentCodePage(), kShiftJis);
  EXPECT_EQ(findPipeOrBackslash("\x83\x5c"), -1);
  ui::setResourceModule(nullptr);
  EXPECT_EQ(currentCodePage(), kWestern);
  EXPECT_EQ(findPipeOrBackslash("\x83\x5c"), 1);
}

}  // namespace
}  // namespace kvr

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "record/RequestEncoding.h"

namespace kvr {
namespace {

using namespace std::string_literals;

TEST(RequestEncodingTest, EscapesEverythingButAsciiLettersDigitsAndUnderscore) {
  struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"", ""},
      {"AZaz09_", "AZaz09_"},
      {"a b", "a%20b"},
      {"%", "%25"},
      {"RegistrationServices.Register", "RegistrationServices%2eRegister"},
      {"Lee-Smith", "Lee%2dSmith"},
      {"a+b/c?d=e&f", "a%2bb%2fc%3fd%3de%26f"},
      {"Montr\xE9\x61l", "Montr%e9al"},  // letters above 0x7F are escaped too
      {"\xFF\x80\x7F", "%ff%80%7f"},
      {"\0x"s, "%00x"},
      {"\x82\xA0", "%82%a0"},  // each byte of a double-byte character
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.out);
    EXPECT_EQ(escapeRequestValue(c.in), c.out);
  }
}

TEST(RequestEncodingTest, EveryByteValue) {
  for (int byte = 0; byte < 256; ++byte) {
    SCOPED_TRACE(byte);
    const std::string in(1, static_cast<char>(byte));
    const bool passes = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                        (byte >= 'a' && byte <= 'z') || byte == '_';
    char escaped[4];
    std::snprintf(escaped, sizeof escaped, "%%%02x", byte);
    EXPECT_EQ(escapeRequestValue(in), passes ? in : std::string(escaped));
  }
}

TEST(RequestEncodingTest, PairSendsAnEmptyValueAsOneBlank) {
  std::string out = "x";
  appendRequestPair(out, "company", "");
  EXPECT_EQ(out, "xcompany=%20");
  out.clear();
  appendRequestPair(out, "email", "a@b.c");
  EXPECT_EQ(out, "email=a%40b%2ec");
}

}  // namespace
}  // namespace kvr

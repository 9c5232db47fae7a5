// Texts of the resources' code page shown in a UTF-8 terminal, and typed text taken back.
#include "ui/terminal/TerminalCharset.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace kvr {
namespace {

class TerminalCharsetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::setlocale(LC_ALL, "C.UTF-8")) GTEST_SKIP() << "no C.UTF-8 locale";
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(TerminalCharsetTest, ConvertsBetweenTheCodePageAndTheTerminal) {
  struct Case {
    unsigned codePage;
    std::string ansi;
    std::string utf8;
  } cases[] = {
      {1252, "M\xFCller & S\xF6hne", "M\xC3\xBCller & S\xC3\xB6hne"},
      {1252, "\x80 5", "\xE2\x82\xAC 5"},  // the euro sign
      {1252, "plain", "plain"},
      {932, "\x93\xFA\x96\x7B", "\xE6\x97\xA5\xE6\x9C\xAC"},  // "Japan" in Shift-JIS
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    ui::TerminalCharset charset(c.codePage);
    EXPECT_EQ(charset.toTerminal(c.ansi), c.utf8);
    EXPECT_EQ(charset.fromTerminal(c.utf8), c.ansi);
  }
}

TEST_F(TerminalCharsetTest, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
  ui::TerminalCharset charset(1252);
  EXPECT_EQ(charset.fromTerminal("a\xE6\x97\xA5z"), "a???z");  // one per byte of the sequence
  EXPECT_EQ(charset.fromTerminal("cut \xC3"), "cut ?");
}

}  // namespace
}  // namespace kvr

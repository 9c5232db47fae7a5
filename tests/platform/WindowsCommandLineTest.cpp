#include "platform/WindowsCommandLine.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace kvr::platform {
namespace {

using Arguments = std::vector<std::string>;

TEST(WindowsCommandLineTest, SplitsByRuntimeRules) {
  const struct {
    std::string line;
    Arguments arguments;
  } cases[] = {
      {"", {}},
      {"   ", {}},
      {" \t \t", {}},
      {"a b c", {"a", "b", "c"}},
      {"  a \t\tb  ", {"a", "b"}},
      {"a\tb", {"a", "b"}},
      {"a\nb", {"a\nb"}},  // only blanks and tabs separate
      {R"("a b" c)", {"a b", "c"}},
      {"\"a\tb\"", {"a\tb"}},
      {R"(a"b c"d)", {"ab cd"}},
      {R"(C:\Program Files\x)", {R"(C:\Program)", R"(Files\x)"}},
      {R"("C:\Program Files\x.exe" /a)", {R"(C:\Program Files\x.exe)", "/a"}},
      // Backslashes are literal unless they precede a quote.
      {R"(a\\b)", {R"(a\\b)"}},
      {R"(a\)", {R"(a\)"}},
      {R"(a\\ b)", {R"(a\\)", "b"}},
      // 2n backslashes before a quote: n backslashes, and the quote groups.
      {R"(a\\"b c" d)", {R"(a\b c)", "d"}},
      {R"("a\\" b)", {R"(a\)", "b"}},
      {R"("a\\\\" b)", {R"(a\\)", "b"}},
      // 2n+1 backslashes before a quote: n backslashes and a literal quote.
      {R"(a\"b)", {R"(a"b)"}},
      {R"(a\\\"b)", {R"(a\"b)"}},
      {R"("a\" b")", {R"(a" b)"}},
      // "" inside quotes is one quote, and the quotes stay open.
      {R"("a""b c")", {R"(a"b c)"}},
      {R"("""")", {R"(")"}},
      {R"(""")", {R"(")"}},
      {R"(""""" a)", {R"("" a)"}},
      // Outside quotes "" is an empty group.
      {R"("")", {""}},
      {R"("" "")", {"", ""}},
      {R"(a "" b)", {"a", "", "b"}},
      {R"(a""b)", {"ab"}},
      // A quote left open runs to the end, blanks and all.
      {R"(a "b c  )", {"a", "b c  "}},
      {R"(a ")", {"a", ""}},
      {R"("\)", {R"(\)"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(splitWindowsCommandLine(c.line), c.arguments);
  }
}

TEST(WindowsCommandLineTest, QuotesOnlyWhenNeeded) {
  const struct {
    std::string argument;
    std::string quoted;
  } cases[] = {
      {"plain", "plain"},
      {R"(C:\dir\x.exe)", R"(C:\dir\x.exe)"},
      {R"(trailing\)", R"(trailing\)"},
      {"", R"("")"},
      {"a b", R"("a b")"},
      {"a\tb", "\"a\tb\""},
      {R"(a"b)", R"("a\"b")"},
      {R"(a\"b)", R"("a\\\"b")"},
      {R"(dir with blank\)", R"("dir with blank\\")"},
      {R"(two\\ x)", R"("two\\ x")"},  // backslashes not before a quote stay single
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument);
    EXPECT_EQ(quoteWindowsArgument(c.argument), c.quoted);
  }
}

std::string join(const Arguments& arguments) {
  std::string line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0) line += ' ';
    line += quoteWindowsArgument(arguments[i]);
  }
  return line;
}

TEST(WindowsCommandLineTest, QuotedArgumentsSplitBackUnchanged) {
  // Heavy on the characters the rules treat specially, so backslash runs before quotes and
  // at the ends of arguments come up often.
  const std::string alphabet = "ab \t\\\\\\\"\"\n\xe9";
  std::mt19937 random(20010305);
  std::uniform_int_distribution<std::size_t> count(0, 6);
  std::uniform_int_distribution<std::size_t> length(0, 8);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  for (int round = 0; round < 5000; ++round) {
    Arguments arguments(count(random));
    for (std::string& argument : arguments) {
      const std::size_t n = length(random);
      for (std::size_t i = 0; i < n; ++i) argument += alphabet[pick(random)];
    }
    const std::string line = join(arguments);
    SCOPED_TRACE(line);
    ASSERT_EQ(splitWindowsCommandLine(line), arguments);
  }
}

}  // namespace
}  // namespace kvr::platform

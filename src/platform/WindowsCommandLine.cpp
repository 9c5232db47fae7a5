#include "platform/WindowsCommandLine.h"

namespace kvr::platform {

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> splitWindowsCommandLine(std::string_view commandLine) {
  std::vector<std::string> arguments;
  std::size_t at = 0;
  const std::size_t end = commandLine.size();
  for (;;) {
    while (at < end && isSeparator(commandLine[at])) ++at;
    if (at == end) break;

    std::string argument;
    bool insideQuotes = false;
    for (;;) {
      std::size_t backslashes = 0;
      while (at < end && commandLine[at] == '\\') {
        ++at;
        ++backslashes;
      }
      bool copy = true;
      if (at < end && commandLine[at] == '"') {
        if (backslashes % 2 == 0) {
          if (insideQuotes && at + 1 < end && commandLine[at + 1] == '"') {
            ++at;  // "" inside quotes: one literal quote, and the quotes stay open
          } else {
            copy = false;
            insideQuotes = !insideQuotes;
          }
        }
        backslashes /= 2;
      }
      argument.append(backslashes, '\\');
      if (at == end || (!insideQuotes && isSeparator(commandLine[at]))) break;
      if (copy) argument += commandLine[at];
      ++at;
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

std::string quoteWindowsArgument(std::string_view argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos)
    return std::string(argument);

  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count only before a quote: double them there, and escape the quote.
    if (c == '"') {
      quoted.append(2 * backslashes + 1, '\\');
    } else {
      quoted.append(backslashes, '\\');
    }
    backslashes = 0;
    quoted += c;
  }
  // The closing quote follows, so trailing backslashes are doubled too.
  quoted.append(2 * backslashes, '\\');
  quoted += '"';
  return quoted;
}

}  // namespace kvr::platform

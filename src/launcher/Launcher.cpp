#include "launcher/Launcher.h"

#include <vector>

#include "platform/WindowsCommandLine.h"

namespace kvr {

namespace {

// Saturating so that no token can overflow an int field or the calendar conversion.
constexpr int kNumberLimit = 1'000'000;

int leadingNumber(std::string_view token) {
  int value = 0;
  for (char c : token) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value >= kNumberLimit) return kNumberLimit;
  }
  return value;
}

std::vector<std::string_view> blankSeparatedTokens(std::string_view text) {
  std::vector<std::string_view> tokens;
  std::size_t at = 0;
  while (at < text.size()) {
    at = text.find_first_not_of(' ', at);
    if (at == std::string_view::npos) break;
    std::size_t end = text.find(' ', at);
    if (end == std::string_view::npos) end = text.size();
    tokens.push_back(text.substr(at, end - at));
    at = end;
  }
  return tokens;
}

}  // namespace

LaunchRequest parseLaunchCommandLine(std::string_view arguments) {
  LaunchRequest request;
  if (arguments.size() > kLauncherCommandLineLimit) {
    request.error = LaunchError::CommandLineTooLong;
    return request;
  }
  const std::vector<std::string_view> tokens = blankSeparatedTokens(arguments);
  if (tokens.size() < 5) {
    request.error = LaunchError::MissingDateToken;
    return request;
  }
  request.due.tm_sec = 0;
  request.due.tm_min = leadingNumber(tokens[1]);
  request.due.tm_hour = leadingNumber(tokens[0]);
  request.due.tm_mday = leadingNumber(tokens[3]);
  request.due.tm_mon = leadingNumber(tokens[2]) - 1;
  request.due.tm_year = leadingNumber(tokens[4]) - 1900;
  request.due.tm_isdst = -1;
  for (std::size_t i = 5; i < tokens.size(); ++i) {
    request.command += tokens[i];
    request.command += ' ';
  }
  return request;
}

std::string launchArgumentText(int argc, const char* const* argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += ' ';
    text += platform::quoteWindowsArgument(argv[i]);
  }
  return text;
}

}  // namespace kvr

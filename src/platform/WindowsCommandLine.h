#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kvr::platform {

// Splits a command line into arguments by the rules of the Microsoft C runtime: blanks and
// tabs separate; double quotes group; 2n backslashes before a quote give n backslashes and
// a grouping quote, 2n+1 give n backslashes and a literal quote; "" inside quotes is a quote.
// A quote left open runs to the end.
std::vector<std::string> splitWindowsCommandLine(std::string_view commandLine);

// Quotes one argument so that splitWindowsCommandLine gives it back unchanged.
std::string quoteWindowsArgument(std::string_view argument);

}  // namespace kvr::platform

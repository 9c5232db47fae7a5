#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kvr {

// The ten command-line options. Each holds its default until the command line sets it;
// values from the command line are lower case, so readers compare without regard to case.
// Written during start-up only, read-only afterwards.
struct OptionStore {
  std::string lang = "NotSpecified";
  std::string debug = "No";
  std::string connect = "Yes";
  std::string timeout = "45";
  std::string splashdelay = "6";
  std::string thankyou = "No";
  std::string javaconnect = "No";
  std::string registerLater = "Yes";
  std::string regressionTest = "No";
  std::string cleanRegistry = "No";

  // The option of that name, compared without regard to case; null when there is none.
  std::string* find(std::string_view name);
};

OptionStore& options();

// Puts every option back to its default (for tests).
void resetOptions();

// ASCII-only case folding: option values and names never depend on the locale.
std::string toLowerAscii(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace kvr

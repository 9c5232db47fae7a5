#include "app/Options.h"

#include <algorithm>

namespace kvr {

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string* OptionStore::find(std::string_view name) {
  // The order in which names are tried; the first match wins.
  const std::array<std::pair<std::string_view, std::string*>, 10> table{{
      {"lang", &lang},
      {"debug", &debug},
      {"connect", &connect},
      {"timeout", &timeout},
      {"splashdelay", &splashdelay},
      {"thankyou", &thankyou},
      {"javaconnect", &javaconnect},
      {"registerLater", &registerLater},
      {"regressionTest", &regressionTest},
      {"cleanRegistry", &cleanRegistry},
  }};
  for (const auto& [optionName, value] : table)
    if (equalsIgnoreCase(optionName, name)) return value;
  return nullptr;
}

OptionStore& options() {
  static OptionStore store;
  return store;
}

void resetOptions() { options() = OptionStore{}; }

std::string toLowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), lowerAscii);
  return lower;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

}  // namespace kvr

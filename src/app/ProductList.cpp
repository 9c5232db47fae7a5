#include "app/ProductList.h"

#include <cstdlib>

#include "record/ProductConfig.h"

namespace kvr {

namespace {

int countOf(const BucketMap& list) { return std::atoi(list.get("numOfProds").c_str()); }

std::string trimmed(const std::string& text) {
  auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

void putProducts(BucketMap& list, const std::vector<std::string>& codes) {
  list.set("numOfProds", std::to_string(codes.size()));
  for (std::size_t i = 0; i < codes.size(); ++i) list.set("prod" + std::to_string(i + 1), codes[i]);
}

}  // namespace

void fillProductList(BucketMap& list, ProductConfig* config, const std::vector<std::string>& plainArguments,
                     int languageCode) {
  if (config) {
    if (config->productType() == "SUITE") {
      list.set("prodName", config->productName());
      putProducts(list, plainArguments);
    }
    if (!list.contains("numOfProds") || countOf(list) == 0) {
      list.set("prodName", config->productName());
      std::vector<std::string> codes;
      int count = config->partNumberCount(languageCode);
      for (int i = 0; i < count; ++i) codes.push_back(config->partNumberFor(languageCode, i));
      if (!codes.empty()) {
        putProducts(list, codes);
      } else if (auto part = trimmed(config->partNumber()); !part.empty()) {
        putProducts(list, {part});
      }
    }
  }
  if (countOf(list) == 0) {
    list.set("numOfProds", "1");
    list.set("prod1", "OVXLexNone");
    list.set("prodName", "Unknown");
  }
}

}  // namespace kvr

#pragma once

#include <string>
#include <vector>

#include "record/BucketMap.h"

namespace kvr {

class ProductConfig;

// The products of this registration (numOfProds, prodName, prod1 ... prodN), filled once per
// run by the start window into the product pairs of ProductSystemInfo.
// Fills `list` from the product configuration (null when there is none), the plain
// command-line arguments and the current language's number.
void fillProductList(BucketMap& list, ProductConfig* config, const std::vector<std::string>& plainArguments,
                     int languageCode);

}  // namespace kvr

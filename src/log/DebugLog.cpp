#include "log/DebugLog.h"

#include <iostream>

namespace kvr {

std::ostream& debugLog() { return std::cout; }

}  // namespace kvr

#pragma once

#include <ostream>

namespace kvr {

// The support trace. Always on, no levels: every writer inserts its own literal text and ends
// a line with std::endl (a line feed and a flush). Bound to standard output; a process started
// without one simply loses the entries.
std::ostream& debugLog();

}  // namespace kvr

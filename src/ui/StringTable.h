#pragma once

#include <string>

namespace kvr::ui {

// The text of a string-table id, in the ANSI code page of the active language; empty when
// the id has no string.
std::string loadString(unsigned id);

}  // namespace kvr::ui

#pragma once

#include <string>

#include "Script.h"

namespace kvr::rc {

struct EmitOptions {
  std::string scriptName;  // named in the generated file's first line
  // Empty: the tables are a language module's, returned by the extern "C" entry point.
  // Otherwise the qualified name of the function that returns them ("kvr::ui::programResourceTables").
  std::string function;
};

// C++ source holding the script's tables (layout: ui/ResourceTables.h).
std::string emitCpp(const Script& script, const EmitOptions& options);

}  // namespace kvr::rc

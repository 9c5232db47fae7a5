#pragma once

#include <string>

#include "FileSource.h"
#include "Script.h"

namespace kvr::rc {

// Reads a script with everything it includes and names, and converts its texts to the code
// page of its language. Throws CompileError.
Script compileScript(const std::string& path, FileSource& files);

}  // namespace kvr::rc

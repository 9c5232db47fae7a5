#pragma once

#include <string>
#include <vector>

#include "FileSource.h"
#include "Script.h"

namespace kvr::rc {

// Reads a script with everything it includes and names, and converts its texts to the code
// page of its language. `includeDirs` are searched like windres's -I directories. Throws
// CompileError.
Script compileScript(const std::string& path, FileSource& files,
                     const std::vector<std::string>& includeDirs = {});

}  // namespace kvr::rc

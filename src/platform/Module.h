#pragma once

#include <memory>
#include <string_view>

namespace kvr::platform {

// A loaded shared library (language resource module, physical-memory library); unloaded
// when destroyed.
class Module {
 public:
  virtual ~Module() = default;
  // Address of an exported symbol, or null.
  virtual void* symbol(const char* name) = 0;
};

// Loads a library by its Windows file name ("KVOVXDEU.dll", "pmemw.dll"): the ".dll" is
// replaced by this platform's suffix, and the library is looked up beside the running program
// first, then by the system loader's own search. Null when it cannot be loaded.
std::unique_ptr<Module> loadModule(std::string_view fileName);

}  // namespace kvr::platform

#include <dlfcn.h>
#include <sys/stat.h>

#include <string>

#include "log/DebugLog.h"
#include "platform/Module.h"
#include "platform/System.h"

namespace kvr::platform {

namespace {

class PosixModule : public Module {
 public:
  explicit PosixModule(void* handle) : m_handle(handle) {}
  ~PosixModule() override { dlclose(m_handle); }
  PosixModule(const PosixModule&) = delete;
  PosixModule& operator=(const PosixModule&) = delete;

  void* symbol(const char* name) override { return dlsym(m_handle, name); }

 private:
  void* m_handle;
};

bool endsWithDll(std::string_view name) {
  if (name.size() < 4) return false;
  std::string_view suffix = name.substr(name.size() - 4);
  return suffix[0] == '.' && (suffix[1] | 0x20) == 'd' && (suffix[2] | 0x20) == 'l' &&
         (suffix[3] | 0x20) == 'l';
}

bool isFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A library that is simply not installed is an ordinary answer (the callers fall back); one
// that is there but will not load is worth a line in the trace.
enum class IfMissing { Quiet, Log };

std::unique_ptr<Module> open(const std::string& path, IfMissing ifMissing) {
  // RTLD_LOCAL: a module's symbols never resolve another module's references.
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr && ifMissing == IfMissing::Quiet) {
    dlerror();
    return nullptr;
  }
  if (handle == nullptr) {
    const char* reason = dlerror();
    debugLog() << "Cannot load " << path << ": " << (reason != nullptr ? reason : "unknown error")
               << std::endl;
    return nullptr;
  }
  return std::make_unique<PosixModule>(handle);
}

}  // namespace

std::unique_ptr<Module> loadModule(std::string_view fileName) {
  std::string name(fileName);
  if (endsWithDll(name)) name.replace(name.size() - 4, 4, ".so");
  if (name.empty()) return nullptr;
  if (name.find('/') != std::string::npos) return open(name, isFile(name) ? IfMissing::Log : IfMissing::Quiet);

  std::string program = executablePath();
  auto slash = program.rfind('/');
  if (slash != std::string::npos) {
    std::string beside = program.substr(0, slash + 1) + name;
    // As LoadLibrary does, a library found beside the program is the one used, even when it
    // then fails to load.
    if (isFile(beside)) return open(beside, IfMissing::Log);
  }
  // A bare name makes dlopen search LD_LIBRARY_PATH, the cache and the system directories.
  return open(name, IfMissing::Quiet);
}

}  // namespace kvr::platform

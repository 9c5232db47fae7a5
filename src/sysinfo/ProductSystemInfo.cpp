#include "sysinfo/ProductSystemInfo.h"

#include <cstdint>

#include "brand/BrandProfile.h"
#include "log/DebugLog.h"
#include "platform/System.h"
#include "record/RequestEncoding.h"
#include "sysinfo/BiosTables.h"
#include "sysinfo/PMemExports.h"
#include "ui/StringTable.h"

namespace kvr {

namespace {

constexpr unsigned kVersionStringId = 1059;

std::unique_ptr<ProductSystemInfo>& instanceSlot() {
  static std::unique_ptr<ProductSystemInfo> slot;
  return slot;
}

// The library's exports behind the interface the table search reads through.
class LibraryMemory : public PhysicalMemory {
 public:
  LibraryMemory(PMemSearchFunction searchExport, PMemReadFunction readExport)
      : m_search(searchExport), m_read(readExport) {}

  std::uint32_t search(std::string_view signature, std::uint32_t first, std::uint32_t last,
                       std::uint32_t step) override {
    return m_search(std::string(signature).c_str(), first, last, step);
  }
  bool read(void* destination, std::uint32_t address, std::uint32_t count) override {
    return m_read(destination, address, count) == 0;
  }

 private:
  PMemSearchFunction m_search;
  PMemReadFunction m_read;
};

template <typename Function>
Function find(platform::Module& library, const char* name) {
  debugLog() << "BiosProcessing: Attempting to find " << name << " routine" << std::endl;
  return reinterpret_cast<Function>(library.symbol(name));
}

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string trimmed(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

bool failed() {
  debugLog() << "BiosProcessing: Failure-Accessing Bios is not possible" << std::endl;
  return false;
}

// Binds and opens the library; false after logging the failure.
bool openLibrary(platform::Module* library, const void* caller, PMemSearchFunction& search,
                 PMemReadFunction& read) {
  debugLog() << "BiosProcessing: Attempting to load PMEM.DLL" << std::endl;
  if (library == nullptr) return failed();
  auto isInitialized = find<PMemIsInitializedFunction>(*library, "PMemIsInitialized");
  if (isInitialized == nullptr) return failed();
  debugLog() << "BiosProcessing: Attempting PMemIsInitialized" << std::endl;
  if (isInitialized() == 0) return failed();
  auto open = find<PMemOpenFunction>(*library, "PMemOpen");
  if (open == nullptr) return failed();
  debugLog() << "BiosProcessing: Attempting PMemOpen" << std::endl;
  // The export takes a 32-bit value; the library only uses it to tell callers apart.
  auto callerId = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(caller));
  if (open(callerId) == 0) return failed();
  search = find<PMemSearchFunction>(*library, "PMemSearch");
  if (search == nullptr) return failed();
  read = find<PMemReadFunction>(*library, "PMemRead");
  if (read == nullptr) return failed();
  return true;
}

}  // namespace

ProductSystemInfo& ProductSystemInfo::instance() {
  auto& slot = instanceSlot();
  if (!slot) slot = std::make_unique<ProductSystemInfo>();
  return *slot;
}

void ProductSystemInfo::deleteInstance() { instanceSlot().reset(); }

ProductSystemInfo::ProductSystemInfo()
    : m_systemPairs{{kManufacturerKey, ""}, {kProductNameKey, ""}, {kSerialKey, ""}} {}

ProductSystemInfo::~ProductSystemInfo() = default;

int ProductSystemInfo::ReadBiosIdentity() {
  return ReadBiosIdentity([](std::string_view name) { return platform::loadModule(name); });
}

int ProductSystemInfo::ReadBiosIdentity(const ModuleLoader& load) {
  for (auto& pair : m_systemPairs) pair.second.clear();
  debugLog() << "BiosProcessing: Preparing to load pmemw.dll" << std::endl;
  std::unique_ptr<platform::Module> library = load(kLibraryName);
  PMemSearchFunction search = nullptr;
  PMemReadFunction read = nullptr;
  bool opened = openLibrary(library.get(), this, search, read);
  if (library) m_memoryLibrary = std::move(library);
  if (!opened) return 0;

  LibraryMemory memory(search, read);
  auto found = readBiosTables(memory);
  if (!found) return 0;
  m_systemPairs[kManufacturerKey] = found->manufacturer;
  m_systemPairs[kProductNameKey] = found->productName;
  m_systemPairs[kSerialKey] = found->serial;
  return 1;
}

void ProductSystemInfo::values(std::string& manufacturer, std::string& productName,
                               std::string& serial) const {
  manufacturer = trimmed(m_systemPairs.at(kManufacturerKey));
  productName = trimmed(m_systemPairs.at(kProductNameKey));
  serial = trimmed(m_systemPairs.at(kSerialKey));
}

void ProductSystemInfo::setProductPair(const std::string& key, std::string value) {
  m_productPairs[key] = std::move(value);
}

std::string ProductSystemInfo::productPair(const std::string& key) const {
  auto it = m_productPairs.find(key);
  return it == m_productPairs.end() ? std::string() : it->second;
}

std::string ProductSystemInfo::requestFragment() const {
  std::string out;
  auto append = [&out](const std::map<std::string, std::string>& pairs) {
    for (const auto& [key, value] : pairs) {
      if (!out.empty()) out += '&';
      appendRequestPair(out, key, value);
    }
  };
  append(m_productPairs);
  if (m_sendFlag != 0) append(m_systemPairs);
  return out;
}

std::string ProductSystemInfo::versionText() {
  std::string program = platform::executablePath();
  auto slash = program.rfind('/');
  if (slash != std::string::npos) program.erase(0, slash + 1);
  auto dot = program.rfind('.');
  if (dot != std::string::npos && dot > 0) program.erase(dot);
  return ui::loadString(kVersionStringId) + brandProfile().shortName() + " " + program;
}

}  // namespace kvr

#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Module.h"

namespace kvr {

// The product pairs and the BIOS identity sent with a registration, and whether the user
// agreed to send the latter. One per process, created on first use.
class ProductSystemInfo {
 public:
  using ModuleLoader = std::function<std::unique_ptr<platform::Module>(std::string_view)>;

  static constexpr const char* kLibraryName = "pmemw.dll";
  static constexpr const char* kManufacturerKey = "q15";
  static constexpr const char* kProductNameKey = "q16";
  static constexpr const char* kSerialKey = "q17";

  static ProductSystemInfo& instance();
  // For the clean-up at exit and for tests: the next instance() starts afresh.
  static void deleteInstance();

  ProductSystemInfo();
  ~ProductSystemInfo();
  ProductSystemInfo(const ProductSystemInfo&) = delete;
  ProductSystemInfo& operator=(const ProductSystemInfo&) = delete;

  // Reads manufacturer, product name and serial through the physical-memory library; 1 when
  // one of the BIOS tables gave them, else 0 with all three empty. Every step and failure
  // goes to the debug log only.
  int ReadBiosIdentity();
  // The same with the library loaded by `load` (tests).
  int ReadBiosIdentity(const ModuleLoader& load);

  // The three BIOS values with white space trimmed from both ends.
  void values(std::string& manufacturer, std::string& productName, std::string& serial) const;

  void setProductPair(const std::string& key, std::string value);
  // Empty when the key is not there.
  std::string productPair(const std::string& key) const;
  const std::map<std::string, std::string>& productPairs() const { return m_productPairs; }
  const std::map<std::string, std::string>& systemPairs() const { return m_systemPairs; }

  void setSendFlag(int flag) { m_sendFlag = flag; }
  int sendFlag() const { return m_sendFlag; }

  // The product pairs, then the system pairs when the send flag is set: key "=" escaped
  // value joined by "&", an empty value sent as a blank.
  std::string requestFragment() const;

  // String 1059, the brand's name, a blank and the program's name without extension.
  static std::string versionText();

 private:
  std::map<std::string, std::string> m_productPairs;
  std::map<std::string, std::string> m_systemPairs;
  int m_sendFlag = 0;
  // Once loaded the library stays loaded for the life of the record, as its handles might
  // be kept inside it.
  std::unique_ptr<platform::Module> m_memoryLibrary;
};

}  // namespace kvr

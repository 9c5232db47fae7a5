#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

// What a product configuration file says.
struct ProductConfigValues {
  std::string kvrVersion;
  std::string dateOfFileCreation;
  std::string productName;
  std::string productType;
  std::string partNumber;  // the default part number
  // Language number -> part-number tokens, in file order.
  std::map<int, std::vector<std::string>> partNumbers;
};

// Turns the decoded lines of a configuration file into its values; reading the file is the
// caller's business.
class ProductConfigParser {
 public:
  void applyLine(std::string_view line);
  // Fills an empty default part number and resolves the "#default" tokens. Call once, after
  // the last line.
  ProductConfigValues finish();

 private:
  void applyLanguageLine(std::string_view line);

  ProductConfigValues m_values;
  // First tokens other than "#default" seen while the default part number was still empty:
  // in any language line, and in an English one. Used only to fill that default.
  std::string m_firstToken;
  std::string m_firstEnglishToken;
};

// The values of a whole file held in memory, read as from disk. Overlong lines are logged.
ProductConfigValues parseProductConfig(std::string_view fileBytes);

// The product configuration file that lies beside the wizard: found once, read on first use,
// kept for the rest of the run. Safe to use from several threads.
class ProductConfig {
 public:
  static constexpr std::string_view kFileName = "kvovxreg.dat";
  static constexpr std::size_t kReadChunkSize = 64 * 1024;

  // The process-wide object, or nullptr when the file is not beside the wizard. The file is
  // looked for once; the answer holds until resetInstance().
  static ProductConfig* instance();
  // Puts `config` (null: no configuration) in place as the process-wide object, as if found
  // beside the wizard; holds until resetInstance(). For tests, which do not run as the wizard.
  static void setInstance(std::unique_ptr<ProductConfig> config);
  // Forgets the process-wide object (deleting it) so the next instance() looks again.
  static void resetInstance();
  // For the clean-up at exit.
  static void deleteInstance() { resetInstance(); }

  // An unloaded object over the file at `path`, or nullptr when nothing is there.
  static std::unique_ptr<ProductConfig> open(const std::string& path);
  // The file that belongs beside the wizard program at `wizardPath`.
  static std::string fileBeside(std::string_view wizardPath);

  explicit ProductConfig(std::string path);
  ProductConfig(const ProductConfig&) = delete;
  ProductConfig& operator=(const ProductConfig&) = delete;

  // Reads the file unless already done. A file that cannot be read is logged and leaves
  // every value empty; it is not tried again.
  void load();
  bool isLoaded() const;
  const std::string& path() const { return m_path; }

  // Each loads first; empty when the file has no such line.
  std::string kvrVersion();
  std::string dateOfFileCreation();
  std::string productName();
  std::string productType();
  std::string partNumber();

  // Length of the language's list; 0 when the language has no line.
  int partNumberCount(int language);
  // The token at `position` of the language's list; the default part number when the
  // language has no line; empty when `position` is outside the list.
  std::string partNumberFor(int language, int position);

 private:
  const ProductConfigValues& values();

  const std::string m_path;
  mutable std::mutex m_mutex;
  bool m_loaded = false;
  ProductConfigValues m_values;
};

}  // namespace kvr

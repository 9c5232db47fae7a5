// Test helper: prints what ProductConfig::instance() finds for a program placed where the
// test put it. With "again FILE" it then places FILE beside the wizard and asks twice more,
// before and after resetInstance(), to show the lookup is done once.

#include <filesystem>
#include <iostream>
#include <string>

#include "brand/LanguageTable.h"
#include "platform/System.h"
#include "record/ProductConfig.h"

namespace {

void show(const char* when) {
  kvr::ProductConfig* config = kvr::ProductConfig::instance();
  std::cout << when << ": ";
  if (config == nullptr) {
    std::cout << "absent" << std::endl;
    return;
  }
  std::cout << "found " << config->path() << std::endl;
  // Loaded before anything is printed, so a log line cannot land inside the answers.
  config->load();
  std::cout << "productName=" << config->productName() << "\n"
            << "productType=" << config->productType() << "\n"
            << "partNumber=" << config->partNumber() << "\n";
  for (int language = 0; language < kvr::kLanguageCount; ++language) {
    int count = config->partNumberCount(language);
    if (count == 0) continue;
    std::cout << "lang " << language << ":";
    for (int i = 0; i < count; ++i) std::cout << " " << config->partNumberFor(language, i);
    std::cout << "\n";
  }
  std::cout << std::flush;
}

}  // namespace

int main(int argc, char** argv) {
  kvr::platform::setArguments(argc, argv);
  show("first");
  if (argc == 3 && std::string(argv[1]) == "again") {
    std::string wizard = kvr::platform::searchPath("kvrWizard.exe");
    std::filesystem::copy_file(argv[2], kvr::ProductConfig::fileBeside(wizard),
                               std::filesystem::copy_options::overwrite_existing);
    show("again");
    kvr::ProductConfig::resetInstance();
    show("reset");
  }
  kvr::ProductConfig::deleteInstance();
  return 0;
}

#pragma once

#include <map>
#include <string>

#include "FileSource.h"

namespace kvr::test {

// Scripts, headers and pictures for kvrrc, by path, in memory.
class MemoryFiles : public rc::FileSource {
 public:
  explicit MemoryFiles(std::map<std::string, std::string> files) : m_files(std::move(files)) {}

  bool read(const std::string& path, std::string& bytes, std::string& error) override {
    auto found = m_files.find(path);
    if (found == m_files.end()) {
      error = "No such file or directory";
      return false;
    }
    bytes = found->second;
    return true;
  }

 private:
  std::map<std::string, std::string> m_files;
};

}  // namespace kvr::test

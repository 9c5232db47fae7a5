#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kvr::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kvrtest.XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  m_path = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

ScopedPrefix::ScopedPrefix() {
  if (const char* old = std::getenv("KVR_PREFIX")) {
    m_hadOld = true;
    m_old = old;
  }
  setenv("KVR_PREFIX", m_dir.path().c_str(), 1);
}

ScopedPrefix::~ScopedPrefix() {
  if (m_hadOld)
    setenv("KVR_PREFIX", m_old.c_str(), 1);
  else
    unsetenv("KVR_PREFIX");
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace kvr::test

#pragma once

#include <filesystem>
#include <string>

namespace kvr::test {

// A fresh directory under the system's temporary directory, removed with everything in it
// when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  std::string file(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

// Points $KVR_PREFIX at a temporary directory for the life of the object, so the registry
// hives of a test never touch the user's own; restores the old value after.
class ScopedPrefix {
 public:
  ScopedPrefix();
  ~ScopedPrefix();
  ScopedPrefix(const ScopedPrefix&) = delete;
  ScopedPrefix& operator=(const ScopedPrefix&) = delete;

  const std::filesystem::path& path() const { return m_dir.path(); }
  std::string file(const std::string& name) const { return m_dir.file(name); }

 private:
  TempDir m_dir;
  bool m_hadOld = false;
  std::string m_old;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

}  // namespace kvr::test

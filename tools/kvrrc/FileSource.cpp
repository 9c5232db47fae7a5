#include "FileSource.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace kvr::rc {

bool readFirst(FileSource& files, const std::vector<std::string>& candidates, std::string& path,
               std::string& bytes, std::string& error) {
  std::string firstError;
  for (const auto& candidate : candidates) {
    if (files.read(candidate, bytes, error)) {
      path = candidate;
      return true;
    }
    if (firstError.empty()) firstError = error;
  }
  std::string tried;
  for (const auto& candidate : candidates)
    tried += (tried.empty() ? "\"" : ", \"") + candidate + "\"";
  error = (candidates.size() == 1 ? "cannot read " : "cannot read any of ") + tried + ": " +
          firstError;
  return false;
}

bool DiskFileSource::read(const std::string& path, std::string& bytes, std::string& error) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) {
    error = std::strerror(errno);
    return false;
  }
  bytes.clear();
  char buffer[64 * 1024];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    if (bytes.size() + got > kMaxInputFileSize) {
      error = "larger than " + std::to_string(kMaxInputFileSize / (1024 * 1024)) + " MiB";
      return false;
    }
    bytes.append(buffer, got);
  }
  if (std::ferror(file.get())) {
    error = std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace kvr::rc

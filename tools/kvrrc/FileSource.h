#pragma once

#include <cstddef>
#include <string>

namespace kvr::rc {

// Largest script, header or picture kvrrc reads.
inline constexpr std::size_t kMaxInputFileSize = 16u * 1024 * 1024;

// Where kvrrc reads scripts and pictures from: the disk, or memory in tests and the fuzzer.
class FileSource {
 public:
  virtual ~FileSource() = default;
  // The whole file, or false with a short reason ("No such file or directory").
  virtual bool read(const std::string& path, std::string& bytes, std::string& error) = 0;
};

class DiskFileSource : public FileSource {
 public:
  bool read(const std::string& path, std::string& bytes, std::string& error) override;
};

}  // namespace kvr::rc

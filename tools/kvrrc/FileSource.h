#pragma once

#include <cstddef>
#include <string>
#include <vector>

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

// Reads the first of `candidates` that can be read into `bytes` and names it in `path`. When
// none can, false with `error` naming the file (or the places) looked for.
bool readFirst(FileSource& files, const std::vector<std::string>& candidates, std::string& path,
               std::string& bytes, std::string& error);

class DiskFileSource : public FileSource {
 public:
  bool read(const std::string& path, std::string& bytes, std::string& error) override;
};

}  // namespace kvr::rc

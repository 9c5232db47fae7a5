// Fuzz target for the product configuration line reader and parser. Not part of the default
// build. With clang:
//
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DKVR_BUILD_TESTS=OFF \
//         -DKVR_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined"
//   cmake --build build-fuzz --target kvr_record
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc \
//       fuzz/ProductConfigFuzz.cpp build-fuzz/src/record/libkvr_record.a \
//       build-fuzz/src/brand/libkvr_brand.a build-fuzz/src/platform/libkvr_platform.a \
//       build-fuzz/src/log/libkvr_log.a -o build-fuzz/ProductConfigFuzz
//   build-fuzz/ProductConfigFuzz -max_len=4096
//
// Besides crashes it checks that the reader gives the same lines however the input is cut,
// and that what the encoder accepts reads back as the lines it was given.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "record/ProductConfig.h"
#include "record/ProductConfigCodec.h"

namespace {

constexpr std::size_t kSmallLimit = 64;

struct Read {
  std::vector<std::string> lines;
  std::vector<std::uint64_t> overlong;
  std::uint64_t pending = 0;
  bool operator==(const Read&) const = default;
};

Read readInPieces(std::string_view bytes, std::size_t piece) {
  Read read;
  kvr::ConfigLineReader reader(
      [&read](std::string_view text) { read.lines.emplace_back(text); },
      [&read](std::uint64_t number, std::uint64_t) { read.overlong.push_back(number); },
      kSmallLimit);
  while (!bytes.empty()) {
    std::size_t size = std::min(piece, bytes.size());
    reader.feed(bytes.substr(0, size));
    bytes.remove_prefix(size);
  }
  read.pending = reader.pendingBytes();
  return read;
}

std::vector<std::string> plainLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static std::ostringstream* silence = [] {
    auto* sink = new std::ostringstream;
    std::cout.rdbuf(sink->rdbuf());  // the debug log writes to standard output
    return sink;
  }();
  silence->str({});

  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  kvr::ProductConfigValues values = kvr::parseProductConfig(bytes);
  for (const auto& [language, tokens] : values.partNumbers) {
    if (language < 0 || language >= 23) std::abort();
    for (const std::string& token : tokens)
      if (token.empty() || (token != values.partNumber && token.find(' ') != std::string::npos))
        std::abort();
  }

  Read whole = readInPieces(bytes, bytes.size() + 1);
  for (std::size_t piece : {1, 2, 7})
    if (!(readInPieces(bytes, piece) == whole)) std::abort();

  kvr::ConfigEncoding encoding = kvr::encodeProductConfig(bytes);
  if (encoding.ok() && kvr::decodeProductConfig(encoding.bytes).lines != plainLines(bytes))
    std::abort();
  return 0;
}

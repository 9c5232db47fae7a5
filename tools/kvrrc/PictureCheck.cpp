#include "PictureCheck.h"

#include <cstdint>

namespace kvr::rc {

namespace {

std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

}  // namespace

std::string checkBitmap(const std::string& bytes) {
  constexpr std::size_t kFileHeader = 14;
  if (bytes.size() < kFileHeader + 12 || bytes[0] != 'B' || bytes[1] != 'M')
    return "not a BMP file";
  std::uint32_t declared = little(bytes, 2, 4);
  if (declared != 0 && declared != bytes.size())
    return "the header gives a file size of " + std::to_string(declared) + " bytes, the file has " +
           std::to_string(bytes.size());
  std::uint32_t infoSize = little(bytes, 14, 4);
  if (infoSize != 12 && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 &&
      infoSize != 124)
    return "unknown BMP header size " + std::to_string(infoSize);
  if (kFileHeader + infoSize > bytes.size()) return "the BMP header is cut short";
  std::uint32_t pixels = little(bytes, 10, 4);
  if (pixels < kFileHeader + infoSize || pixels >= bytes.size())
    return "the pixel data offset " + std::to_string(pixels) + " lies outside the file";
  return {};
}

std::string checkIcon(const std::string& bytes) {
  constexpr std::size_t kHeader = 6;
  constexpr std::size_t kEntry = 16;
  if (bytes.size() < kHeader || little(bytes, 0, 2) != 0 || little(bytes, 2, 2) != 1)
    return "not an ICO file";
  std::uint32_t count = little(bytes, 4, 2);
  if (count == 0) return "the icon holds no image";
  if (kHeader + count * kEntry > bytes.size()) return "the icon directory is cut short";
  for (std::uint32_t i = 0; i < count; ++i) {
    std::size_t entry = kHeader + i * kEntry;
    std::uint64_t size = little(bytes, entry + 8, 4);
    std::uint64_t offset = little(bytes, entry + 12, 4);
    if (size == 0 || offset < kHeader + count * kEntry || offset + size > bytes.size())
      return "image " + std::to_string(i + 1) + " of the icon lies outside the file";
  }
  return {};
}

}  // namespace kvr::rc

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kvr::ui {

// The headers of a BMP file (BITMAPFILEHEADER and a BITMAPINFOHEADER or larger), checked
// against the file's size.
struct BmpHeader {
  static constexpr std::uint32_t kMaxColours = 256;
  static constexpr std::uint32_t kBiRgb = 0;

  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: rows top-down
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
  std::uint32_t colourTableOffset = 0;
  std::uint32_t bitsOffset = 0;

  // Null, with the reason in `error`, when the bytes are not a BMP file we can read.
  static std::optional<BmpHeader> read(std::span<const std::uint8_t> bmp, std::string* error);
};

}  // namespace kvr::ui

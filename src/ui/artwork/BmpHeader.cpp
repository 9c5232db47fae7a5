#include "ui/artwork/BmpHeader.h"

namespace kvr::ui {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
         std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

std::optional<BmpHeader> BmpHeader::read(std::span<const std::uint8_t> bmp, std::string* error) {
  auto fail = [error](const char* why) {
    if (error) *error = why;
    return std::nullopt;
  };
  if (bmp.size() < kFileHeaderSize + kInfoHeaderSize) return fail("shorter than its headers");
  if (bmp[0] != 'B' || bmp[1] != 'M') return fail("no BM signature");
  std::uint32_t infoSize = u32(bmp, kFileHeaderSize);
  if (infoSize < kInfoHeaderSize || kFileHeaderSize + infoSize > bmp.size()) return fail("bad info header size");
  BmpHeader h;
  h.bitsOffset = u32(bmp, 10);
  h.width = static_cast<std::int32_t>(u32(bmp, kFileHeaderSize + 4));
  h.height = static_cast<std::int32_t>(u32(bmp, kFileHeaderSize + 8));
  h.bitCount = u16(bmp, kFileHeaderSize + 14);
  h.compression = u32(bmp, kFileHeaderSize + 16);
  h.colorsUsed = u32(bmp, kFileHeaderSize + 32);
  h.colourTableOffset = static_cast<std::uint32_t>(kFileHeaderSize) + infoSize;
  if (h.bitsOffset > bmp.size()) return fail("pixel offset beyond the file");
  return h;
}

}  // namespace kvr::ui

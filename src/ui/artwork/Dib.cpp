#include "ui/artwork/Dib.h"

#include <array>
#include <cstdlib>

#include "log/DebugLog.h"
#include "ui/Resources.h"
#include "ui/artwork/BmpHeader.h"

namespace kvr::ui {

std::optional<PixelBuffer> decodeBmp(std::span<const std::uint8_t> bmp, std::string* error) {
  auto fail = [error](const std::string& why) {
    if (error) *error = why;
    return std::nullopt;
  };
  std::string headerError;
  auto h = BmpHeader::read(bmp, &headerError);
  if (!h) return fail(headerError);
  if (h->compression != BmpHeader::kBiRgb) return fail("compressed bitmaps are not supported");
  int bits = h->bitCount;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
    return fail("unsupported bit count " + std::to_string(bits));
  long width = h->width;
  long height = std::labs(static_cast<long>(h->height));
  if (width <= 0 || height <= 0 || width * height > PixelBuffer::kMaxPixels) return fail("bad size");

  std::uint32_t colours = 0;
  if (bits <= 8) colours = h->colorsUsed ? h->colorsUsed : (1u << bits);
  if (colours > BmpHeader::kMaxColours || h->colourTableOffset + 4u * colours > bmp.size())
    return fail("colour table does not fit");
  std::size_t stride = ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
  if (h->bitsOffset + stride * static_cast<std::size_t>(height) > bmp.size()) return fail("pixels cut short");

  std::array<Colour, BmpHeader::kMaxColours> table{};
  for (std::uint32_t i = 0; i < colours; ++i) {
    const std::uint8_t* quad = bmp.data() + h->colourTableOffset + 4 * i;
    table[i] = Colour(quad[2]) << 16 | Colour(quad[1]) << 8 | quad[0];
  }
  // Indices past the table's entries read as black (the table is zero-filled).
  PixelBuffer out(static_cast<int>(width), static_cast<int>(height));
  for (long row = 0; row < height; ++row) {
    const std::uint8_t* line = bmp.data() + h->bitsOffset + stride * static_cast<std::size_t>(row);
    Colour* target = out.row(static_cast<int>(h->height > 0 ? height - 1 - row : row));
    if (bits == 8) {
      // The pictures' depth: kept out of the per-pixel switch.
      for (long x = 0; x < width; ++x) target[x] = table[line[x]];
      continue;
    }
    for (long x = 0; x < width; ++x) {
      std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
      switch (bits) {
        case 1: target[x] = table[(line[bit / 8] >> (7 - bit % 8)) & 1u]; break;
        case 4: target[x] = table[(line[bit / 8] >> (bit % 8 ? 0 : 4)) & 0xFu]; break;
        default: {
          const std::uint8_t* p = line + bit / 8;
          target[x] = Colour(p[2]) << 16 | Colour(p[1]) << 8 | p[0];
        }
      }
    }
  }
  return out;
}

std::optional<LoadedBitmap> loadBitmapResource(unsigned id) {
  auto bytes = findBitmap(id);
  if (bytes.empty()) {
    debugLog() << "Bitmap #" << id << " is not in the active resources" << std::endl;
    return std::nullopt;
  }
  std::string error;
  auto pixels = decodeBmp(bytes, &error);
  if (!pixels) {
    debugLog() << "Bitmap #" << id << " cannot be read: " << error << std::endl;
    return std::nullopt;
  }
  LoadedBitmap loaded{std::move(*pixels), CPalette::fromBitmap(bytes)};
  if (loaded.palette) SystemPalette::instance().realize(*loaded.palette);
  return loaded;
}

// From the header alone: the size is all the caller needs, and decoding costs a frame.
std::optional<std::pair<int, int>> bitmapSize(unsigned id) {
  std::string error;
  auto header = BmpHeader::read(findBitmap(id), &error);
  if (!header || header->width <= 0 || header->height == 0) {
    debugLog() << "Bitmap #" << id << " has no size: " << (header ? "empty" : error) << std::endl;
    return std::nullopt;
  }
  return std::pair{static_cast<int>(header->width), static_cast<int>(std::labs(static_cast<long>(header->height)))};
}

}  // namespace kvr::ui

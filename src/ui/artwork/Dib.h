#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "ui/artwork/CPalette.h"
#include "ui/artwork/PixelBuffer.h"

namespace kvr::ui {

// A bitmap resource made ready to draw: its pixels in display colours and its palette.
struct LoadedBitmap {
  PixelBuffer bitmap;
  std::unique_ptr<CPalette> palette;
};

// Decodes an uncompressed (BI_RGB) BMP file of 1, 4, 8, 24 or 32 bits per pixel. Null, with
// the reason in `error`, for anything else or a file that does not hold its pixels.
std::optional<PixelBuffer> decodeBmp(std::span<const std::uint8_t> bmp, std::string* error = nullptr);

// Loads bitmap resource `id` from the active resources; its palette, when it has one, is
// realized on the display. Null, with a log line, when the resources lack it or it does not decode.
std::optional<LoadedBitmap> loadBitmapResource(unsigned id);

// Width and height of bitmap resource `id`; null when the active resources lack it or its
// header does not hold.
std::optional<std::pair<int, int>> bitmapSize(unsigned id);

}  // namespace kvr::ui

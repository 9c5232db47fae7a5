#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "ui/artwork/PixelBuffer.h"

namespace kvr::ui {

struct PaletteEntry {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t flags = 0;
};

// A logical palette (version 0x300).
class CPalette {
 public:
  static constexpr std::uint16_t kVersion = 0x300;

  explicit CPalette(std::vector<PaletteEntry> entries) : m_entries(std::move(entries)) {}

  std::uint16_t version() const { return kVersion; }
  int GetEntryCount() const { return static_cast<int>(m_entries.size()); }
  const std::vector<PaletteEntry>& entries() const { return m_entries; }

  // From a BMP file's header: as many entries as its colours-used count, or 2^bits for 8 bits
  // per pixel or fewer; null for more bits without a count, or for a header that does not
  // hold (with a log line).
  static std::unique_ptr<CPalette> fromBitmap(std::span<const std::uint8_t> bmp);

 private:
  std::vector<PaletteEntry> m_entries;
};

// The display's palette that realized logical palettes map into: 256 entries, of which the
// first and last 10 are fixed. Process-wide, as the screen is.
class SystemPalette {
 public:
  static constexpr int kSize = 256;
  static constexpr int kStatic = 10;

  static SystemPalette& instance();
  // Realizes `palette` in the foreground: its colours take the free entries. The number of
  // entries that changed.
  unsigned realize(const CPalette& palette);
  // Gives the free entries to other colours, as another application in front would.
  void disturb();
  bool holds(const PaletteEntry& entry) const;

 private:
  SystemPalette();
  std::vector<PaletteEntry> m_entries;
};

}  // namespace kvr::ui

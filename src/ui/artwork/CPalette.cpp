#include "ui/artwork/CPalette.h"

#include "log/DebugLog.h"
#include "ui/artwork/BmpHeader.h"

namespace kvr::ui {

std::unique_ptr<CPalette> CPalette::fromBitmap(std::span<const std::uint8_t> bmp) {
  std::string error;
  auto header = BmpHeader::read(bmp, &error);
  if (!header) {
    debugLog() << "No palette from a bitmap: " << error << std::endl;
    return nullptr;
  }
  std::uint32_t count = header->colorsUsed;
  if (count == 0) {
    if (header->bitCount > 8) return nullptr;
    count = 1u << header->bitCount;
  }
  if (count > BmpHeader::kMaxColours || header->colourTableOffset + 4u * count > bmp.size()) {
    debugLog() << "No palette from a bitmap: colour table of " << count << " entries does not fit" << std::endl;
    return nullptr;
  }
  std::vector<PaletteEntry> entries(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* quad = bmp.data() + header->colourTableOffset + 4 * i;
    entries[i] = PaletteEntry{quad[2], quad[1], quad[0], 0};
  }
  return std::make_unique<CPalette>(std::move(entries));
}

SystemPalette& SystemPalette::instance() {
  static SystemPalette palette;
  return palette;
}

SystemPalette::SystemPalette() : m_entries(kSize) {
  for (int i = 0; i < kStatic; ++i) {
    std::uint8_t level = static_cast<std::uint8_t>(i * 255 / (kStatic - 1));
    m_entries[i] = PaletteEntry{level, level, level, 0};
    m_entries[kSize - 1 - i] = PaletteEntry{static_cast<std::uint8_t>(255 - level), 0, level, 0};
  }
}

static bool same(const PaletteEntry& a, const PaletteEntry& b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

bool SystemPalette::holds(const PaletteEntry& entry) const {
  for (const PaletteEntry& e : m_entries)
    if (same(e, entry)) return true;
  return false;
}

unsigned SystemPalette::realize(const CPalette& palette) {
  unsigned changed = 0;
  int slot = kStatic;
  for (const PaletteEntry& entry : palette.entries()) {
    if (slot >= kSize - kStatic) break;
    if (!same(m_entries[slot], entry)) {
      m_entries[slot] = entry;
      ++changed;
    }
    ++slot;
  }
  return changed;
}

void SystemPalette::disturb() {
  for (int i = kStatic; i < kSize - kStatic; ++i)
    m_entries[i] = PaletteEntry{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 0x80, 0};
}

}  // namespace kvr::ui

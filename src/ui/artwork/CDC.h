#pragma once

#include <cstdint>

#include "ui/artwork/CPalette.h"
#include "ui/artwork/PixelBuffer.h"

namespace kvr::ui {

class CWnd;

inline constexpr std::uint32_t SRCCOPY = 0x00CC0020;
inline constexpr std::uint32_t SRCAND = 0x008800C6;
inline constexpr std::uint32_t SRCINVERT = 0x00660046;
inline constexpr std::uint32_t kDestAndNotSource = 0x00220326;

// A device context over a pixel buffer: a window's surface, or a memory context with a
// bitmap selected. Copies between colour and monochrome buffers convert as GDI does: into
// monochrome, the source's background colour becomes white and all else black; out of
// monochrome, white becomes the target's background colour and black its text colour.
class CDC {
 public:
  CDC() = default;
  explicit CDC(PixelBuffer& target) : m_target(&target) {}
  // A window's client area.
  explicit CDC(CWnd& window);
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // A memory context: no bitmap until one is selected.
  void CreateCompatibleDC(const CDC*) { m_target = nullptr; }
  PixelBuffer* SelectObject(PixelBuffer* bitmap);
  PixelBuffer* target() const { return m_target; }

  Colour SetBkColor(Colour colour);
  Colour SetTextColor(Colour colour);
  Colour GetBkColor() const { return m_background; }
  Colour GetTextColor() const { return m_text; }

  // False for an unknown raster operation or a context without a bitmap.
  bool BitBlt(int x, int y, int width, int height, const CDC& source, int sourceX, int sourceY, std::uint32_t rop);

  CPalette* SelectPalette(CPalette* palette, bool background);
  // Entries of the display palette that changed (none in the background).
  unsigned RealizePalette();

 private:
  PixelBuffer* m_target = nullptr;
  Colour m_background = kWhite;
  Colour m_text = kBlack;
  CPalette* m_palette = nullptr;
  bool m_paletteBackground = false;
};

}  // namespace kvr::ui

#include "ui/artwork/CDC.h"

#include <utility>

#include "ui/CWnd.h"

namespace kvr::ui {

CDC::CDC(CWnd& window) : m_target(&window.surface()) {}

PixelBuffer* CDC::SelectObject(PixelBuffer* bitmap) { return std::exchange(m_target, bitmap); }

Colour CDC::SetBkColor(Colour colour) { return std::exchange(m_background, colour & 0xFFFFFF); }

Colour CDC::SetTextColor(Colour colour) { return std::exchange(m_text, colour & 0xFFFFFF); }

bool CDC::BitBlt(int x, int y, int width, int height, const CDC& source, int sourceX, int sourceY,
                 std::uint32_t rop) {
  if (!m_target || !source.m_target) return false;
  if (rop != SRCCOPY && rop != SRCAND && rop != SRCINVERT && rop != kDestAndNotSource) return false;
  PixelBuffer& dst = *m_target;
  const PixelBuffer& src = *source.m_target;
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) {
      int dx = x + col, dy = y + row, sx = sourceX + col, sy = sourceY + row;
      if (!dst.contains(dx, dy) || !src.contains(sx, sy)) continue;
      Colour s = src.at(sx, sy);
      if (dst.monochrome() && !src.monochrome()) {
        s = s == source.m_background ? kWhite : kBlack;
      } else if (!dst.monochrome() && src.monochrome()) {
        s = s == kWhite ? m_background : m_text;
      }
      Colour d = dst.at(dx, dy);
      Colour r = 0;
      switch (rop) {
        case SRCCOPY: r = s; break;
        case SRCAND: r = s & d; break;
        case SRCINVERT: r = s ^ d; break;
        default: r = d & ~s; break;
      }
      r &= 0xFFFFFF;
      if (dst.monochrome()) r = r == kWhite ? kWhite : (r == kBlack ? kBlack : kWhite);
      dst.set(dx, dy, r);
    }
  }
  return true;
}

CPalette* CDC::SelectPalette(CPalette* palette, bool background) {
  m_paletteBackground = background;
  return std::exchange(m_palette, palette);
}

unsigned CDC::RealizePalette() {
  if (!m_palette || m_paletteBackground) return 0;
  return SystemPalette::instance().realize(*m_palette);
}

}  // namespace kvr::ui

#include "ui/artwork/CDC.h"

#include <algorithm>
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
  // Clipped once to both buffers, so the loops below need no per-pixel checks.
  int left = std::max({0, -x, -sourceX});
  int top = std::max({0, -y, -sourceY});
  int right = std::min({width, dst.width() - x, src.width() - sourceX});
  int bottom = std::min({height, dst.height() - y, src.height() - sourceY});
  if (left >= right || top >= bottom) return true;
  bool sameKind = dst.monochrome() == src.monochrome();
  for (int row = top; row < bottom; ++row) {
    const Colour* from = src.row(sourceY + row);
    Colour* to = dst.row(y + row);
    if (rop == SRCCOPY && sameKind) {
      std::copy(from + sourceX + left, from + sourceX + right, to + x + left);
      continue;
    }
    for (int col = left; col < right; ++col) {
      Colour s = from[sourceX + col];
      if (dst.monochrome() && !src.monochrome()) {
        s = s == source.m_background ? kWhite : kBlack;
      } else if (!dst.monochrome() && src.monochrome()) {
        s = s == kWhite ? m_background : m_text;
      }
      Colour d = to[x + col];
      Colour r = 0;
      switch (rop) {
        case SRCCOPY: r = s; break;
        case SRCAND: r = s & d; break;
        case SRCINVERT: r = s ^ d; break;
        default: r = d & ~s; break;
      }
      r &= 0xFFFFFF;
      if (dst.monochrome()) r = r == kWhite ? kWhite : (r == kBlack ? kBlack : kWhite);
      to[x + col] = r;
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

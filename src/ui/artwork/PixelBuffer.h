#pragma once

#include <cstdint>
#include <vector>

namespace kvr::ui {

// Colours as 0x00RRGGBB, the way COLORREF would read with red and blue swapped; a monochrome
// buffer holds only black (0) and white (0xFFFFFF).
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

class PixelBuffer {
 public:
  // Sizes beyond this many pixels are refused (an empty buffer), whatever a file claims.
  static constexpr long kMaxPixels = 16L * 1024 * 1024;

  PixelBuffer() = default;
  PixelBuffer(int width, int height, bool monochrome = false, Colour fill = kWhite);

  int width() const { return m_width; }
  int height() const { return m_height; }
  bool monochrome() const { return m_monochrome; }
  bool empty() const { return m_pixels.empty(); }
  Colour at(int x, int y) const { return m_pixels[index(x, y)]; }
  void set(int x, int y, Colour colour) { m_pixels[index(x, y)] = colour; }
  Colour* row(int y) { return m_pixels.data() + index(0, y); }
  const Colour* row(int y) const { return m_pixels.data() + index(0, y); }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x);
  }

  int m_width = 0;
  int m_height = 0;
  bool m_monochrome = false;
  std::vector<Colour> m_pixels;
};

}  // namespace kvr::ui

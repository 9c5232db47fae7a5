#include "ui/artwork/PixelBuffer.h"

namespace kvr::ui {

PixelBuffer::PixelBuffer(int width, int height, bool monochrome, Colour fill) : m_monochrome(monochrome) {
  if (width <= 0 || height <= 0 || static_cast<long>(width) * height > kMaxPixels) return;
  m_width = width;
  m_height = height;
  m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                  monochrome ? (fill == kBlack ? kBlack : kWhite) : fill);
}

}  // namespace kvr::ui

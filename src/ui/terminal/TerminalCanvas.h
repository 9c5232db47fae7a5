#pragma once

#include <cstddef>
#include <string_view>

namespace kvr::ui {

class TerminalCharset;

// Writes the resources' ANSI texts and the frame lines to the curses screen, inside a clip
// rectangle of cells (the whole screen unless set). Attributes are curses attributes.
class TerminalCanvas {
 public:
  TerminalCanvas(const TerminalCharset& charset, bool unicode) : m_charset(charset), m_unicode(unicode) {}

  void clip(int row, int col, int rows, int cols);
  void unclip();
  // Up to `maxWidth` cells of `ansi` from (row, col); what lies outside the clip is cut off.
  void put(int row, int col, std::string_view ansi, int maxWidth, unsigned attributes);
  void fill(int row, int col, int rows, int cols, unsigned attributes);
  // A frame of lines round the rectangle (row, col, rows, cols), not clipped.
  void box(int row, int col, int rows, int cols, unsigned attributes);
  // An arrow on the frame that says more lies that way: 'u', 'd', 'l' or 'r'.
  void arrow(int row, int col, char way, unsigned attributes);
  // One cell of a UTF-8 glyph, or `ascii` where the terminal does not take UTF-8.
  void glyph(int row, int col, const char* utf8, char ascii, unsigned attributes);
  bool unicode() const { return m_unicode; }

  // A cell is a byte, as in the single- and double-byte code pages; a double-byte character is
  // never cut in two. The bytes of the longest start of `ansi` that is whole characters and fits
  // `cells`.
  std::size_t fit(std::string_view ansi, std::size_t cells) const;
  // The first character boundary at or after byte `pos`.
  std::size_t charStartFrom(std::string_view ansi, std::size_t pos) const;

 private:
  const TerminalCharset& m_charset;
  bool m_unicode;
  int m_top = 0, m_left = 0, m_bottom = -1, m_right = -1;  // bottom, right: exclusive; -1 the screen's
};

}  // namespace kvr::ui

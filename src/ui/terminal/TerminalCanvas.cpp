#include "ui/terminal/TerminalCanvas.h"

#define NCURSES_NOMACROS
#include <curses.h>

#include <algorithm>
#include <string>

#include "platform/CodePageText.h"
#include "ui/terminal/TerminalCharset.h"

namespace kvr::ui {

void TerminalCanvas::clip(int row, int col, int rows, int cols) {
  m_top = row;
  m_left = col;
  m_bottom = row + rows;
  m_right = col + cols;
}

void TerminalCanvas::unclip() {
  m_top = m_left = 0;
  m_bottom = m_right = -1;
}

void TerminalCanvas::put(int row, int col, std::string_view ansi, int maxWidth, unsigned attributes) {
  int bottom = m_bottom < 0 ? LINES : std::min(m_bottom, LINES);
  int right = m_right < 0 ? COLS : std::min(m_right, COLS);
  int left = std::max(m_left, 0);
  if (row < std::max(m_top, 0) || row >= bottom || maxWidth <= 0) return;
  std::string_view text = ansi.substr(0, fit(ansi, static_cast<std::size_t>(maxWidth)));
  if (col < left) {
    std::size_t cut = static_cast<std::size_t>(left - col);
    if (cut >= text.size()) return;
    // A character the edge cuts leaves its cell blank.
    std::size_t start = charStartFrom(text, cut);
    text.remove_prefix(start);
    col = left + static_cast<int>(start - cut);
  }
  if (col >= right || text.empty()) return;
  text = text.substr(0, fit(text, static_cast<std::size_t>(right - col)));
  wattr_on(stdscr, attributes, nullptr);
  mvwaddstr(stdscr, row, col, m_charset.toTerminal(text).c_str());
  wattr_off(stdscr, attributes, nullptr);
}

std::size_t TerminalCanvas::fit(std::string_view ansi, std::size_t cells) const {
  return platform::wholeCharsWithin(ansi, cells, static_cast<int>(m_charset.codePage()));
}

std::size_t TerminalCanvas::charStartFrom(std::string_view ansi, std::size_t pos) const {
  return platform::charStartFrom(ansi, pos, static_cast<int>(m_charset.codePage()));
}

void TerminalCanvas::fill(int row, int col, int rows, int cols, unsigned attributes) {
  int top = std::max({row, m_top, 0}), left = std::max({col, m_left, 0});
  int bottom = std::min(row + rows, m_bottom < 0 ? LINES : std::min(m_bottom, LINES));
  int right = std::min(col + cols, m_right < 0 ? COLS : std::min(m_right, COLS));
  // A line of blanks costs curses far less than a string of them.
  for (int r = top; r < bottom && left < right; ++r)
    mvwhline(stdscr, r, left, static_cast<chtype>(' ') | attributes, right - left);
}

void TerminalCanvas::box(int row, int col, int rows, int cols, unsigned attributes) {
  if (rows < 2 || cols < 2) return;
  wattr_on(stdscr, attributes, nullptr);
  mvwhline(stdscr, row, col + 1, ACS_HLINE, cols - 2);
  mvwhline(stdscr, row + rows - 1, col + 1, ACS_HLINE, cols - 2);
  mvwvline(stdscr, row + 1, col, ACS_VLINE, rows - 2);
  mvwvline(stdscr, row + 1, col + cols - 1, ACS_VLINE, rows - 2);
  mvwaddch(stdscr, row, col, ACS_ULCORNER);
  mvwaddch(stdscr, row, col + cols - 1, ACS_URCORNER);
  mvwaddch(stdscr, row + rows - 1, col, ACS_LLCORNER);
  mvwaddch(stdscr, row + rows - 1, col + cols - 1, ACS_LRCORNER);
  wattr_off(stdscr, attributes, nullptr);
}

void TerminalCanvas::arrow(int row, int col, char way, unsigned attributes) {
  switch (way) {
    case 'u': glyph(row, col, "\xE2\x96\xB2", '^', attributes); break;  // U+25B2
    case 'd': glyph(row, col, "\xE2\x96\xBC", 'v', attributes); break;  // U+25BC
    case 'l': glyph(row, col, "\xE2\x97\x80", '<', attributes); break;  // U+25C0
    default: glyph(row, col, "\xE2\x96\xB6", '>', attributes); break;   // U+25B6
  }
}

void TerminalCanvas::glyph(int row, int col, const char* utf8, char ascii, unsigned attributes) {
  if (row < 0 || row >= LINES || col < 0 || col >= COLS) return;
  wattr_on(stdscr, attributes, nullptr);
  if (m_unicode) {
    mvwaddstr(stdscr, row, col, utf8);
  } else {
    mvwaddch(stdscr, row, col, static_cast<chtype>(static_cast<unsigned char>(ascii)));
  }
  wattr_off(stdscr, attributes, nullptr);
}

}  // namespace kvr::ui

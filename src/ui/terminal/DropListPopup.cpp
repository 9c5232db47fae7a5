#include "ui/terminal/DropListPopup.h"

#define NCURSES_NOMACROS
#include <curses.h>

#include <string>

#include "ui/terminal/TerminalCanvas.h"

namespace kvr::ui {

void DropListPopup::draw(TerminalCanvas& canvas, HWND dialog, const Widget& combo, int row, int col, int cols,
                         unsigned colours) {
  bool same = m_dialog == dialog && m_id == combo.id;
  m_items = static_cast<int>(combo.items.size());
  m_place = DropListPlace::place(row, col, cols, m_items, combo.dropRows(), LINES, COLS, combo.highlight,
                                 same ? m_place.top : -1);
  m_dialog = dialog;
  m_id = combo.id;
  canvas.unclip();
  // The last column is the scroll bar when the list holds more than it shows.
  bool bar = m_items > m_place.rows && m_place.cols > 1;
  int textCols = m_place.cols - (bar ? 1 : 0);
  for (int r = 0; r < m_place.rows; ++r) {
    int index = m_place.top + r;
    std::string text = index < m_items ? combo.items[static_cast<std::size_t>(index)].text : std::string();
    text.resize(canvas.fit(text, static_cast<std::size_t>(textCols)));
    text.resize(static_cast<std::size_t>(textCols), ' ');
    unsigned attr = colours | (index == combo.highlight ? A_REVERSE : 0u);
    canvas.put(m_place.row + r, m_place.col, text, textCols, attr);
    if (!bar) continue;
    int barCol = m_place.col + textCols;
    if (r == 0 && m_place.top > 0) {
      canvas.arrow(m_place.row, barCol, 'u', colours);
    } else if (r == m_place.rows - 1 && m_place.top + m_place.rows < m_items) {
      canvas.arrow(m_place.row + r, barCol, 'd', colours);
    } else {
      canvas.glyph(m_place.row + r, barCol, "\xE2\x94\x82", '|', colours);  // U+2502
    }
  }
}

}  // namespace kvr::ui

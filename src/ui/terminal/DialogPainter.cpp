#include "ui/terminal/DialogPainter.h"

#define NCURSES_NOMACROS
#include <curses.h>

#include <algorithm>
#include <string>

#include "ui/terminal/TerminalCanvas.h"

namespace kvr::ui {

namespace {

int columnsOf(int du) { return std::max(1, du / 4); }
int rowsOf(int du) { return std::max(1, du / 8); }

}  // namespace

ControlCells controlCells(const Widget& w) {
  int rows = w.kind == ControlKind::ComboBox ? 1 : rowsOf(w.rect.cy);
  return ControlCells{w.rect.x / 4, w.rect.y / 8, columnsOf(w.rect.cx), rows};
}

void DialogPainter::clipToClient() {
  m_canvas.clip(m_view.y.clientStart, m_view.x.clientStart, m_view.y.shown, m_view.x.shown);
}

void DialogPainter::background() {
  const Viewport::Axis& x = m_view.x;
  const Viewport::Axis& y = m_view.y;
  int border = m_view.frame ? 1 : 0;
  int width = x.shown + 2 * border, height = y.shown + 2 * border;
  m_canvas.unclip();
  m_canvas.fill(y.frameStart, x.frameStart, height, width, m_base);
  int top = y.frameStart, left = x.frameStart, bottom = top + height - 1, right = left + width - 1;
  unsigned marks = m_base | A_BOLD;
  if (m_view.frame) {
    m_canvas.box(top, left, height, width, m_base);
    std::string caption = " " + m_model.caption + " ";
    m_canvas.put(top, left + std::max(1, (width - static_cast<int>(caption.size())) / 2), caption, width - 2,
                 m_base | A_BOLD);
  }
  // Without a frame the arrows go on the client's outer cells.
  if (y.moreBefore()) {
    m_canvas.arrow(top, left + 1, 'u', marks);
    m_canvas.arrow(top, right - 1, 'u', marks);
  }
  if (y.moreAfter()) {
    m_canvas.arrow(bottom, left + 1, 'd', marks);
    m_canvas.arrow(bottom, right - 1, 'd', marks);
  }
  if (x.moreBefore()) m_canvas.arrow(top + height / 2, left, 'l', marks);
  if (x.moreAfter()) m_canvas.arrow(top + height / 2, right, 'r', marks);
}

void DialogPainter::controls(bool front, std::vector<ControlPlace>* places, int& cursorRow, int& cursorCol) {
  clipToClient();
  const Viewport::Axis& x = m_view.x;
  const Viewport::Axis& y = m_view.y;
  for (const Widget& w : m_model.widgets) {
    if (!w.visible) continue;
    ControlCells cells = controlCells(w);
    int row = y.toScreen(cells.row), col = x.toScreen(cells.col);
    drawControl(w, row, col, front && m_model.focus == w.id, cursorRow, cursorCol);
    if (!places) continue;
    // Only the part in view takes clicks.
    int r0 = std::max(row, y.clientStart), r1 = std::min(row + cells.rows, y.clientStart + y.shown);
    int c0 = std::max(col, x.clientStart), c1 = std::min(col + cells.cols, x.clientStart + x.shown);
    if (r0 >= r1 || c0 >= c1) continue;
    places->push_back(ControlPlace{w.id, r0, c0, c1 - c0, r1 - r0});
    if (w.dropsList() && cells.cols > 2 && col + cells.cols - 2 >= c0 && col + cells.cols <= c1)
      places->push_back(ControlPlace{w.id, row, col + cells.cols - 2, 2, 1, true});
  }
  m_canvas.unclip();
}

void DialogPainter::drawControl(const Widget& w, int row, int col, bool focused, int& cursorRow, int& cursorCol) {
  ControlCells cells = controlCells(w);
  int wcols = cells.cols, wrows = cells.rows;
  unsigned attr = m_base | (w.bold ? A_BOLD : 0u) | (focused ? A_REVERSE : 0u) | (w.enabled ? 0u : A_DIM);
  std::string text = withoutMnemonics(w.text);
  switch (w.kind) {
    case ControlKind::Label: {
      // Wrapped at the control's width, over its rows.
      std::size_t at = 0;
      for (int r = 0; r < wrows && at < text.size(); ++r) {
        std::string_view rest = std::string_view(text).substr(at);
        std::size_t take = m_canvas.fit(rest, static_cast<std::size_t>(wcols));
        if (take == 0) take = m_canvas.charStartFrom(rest, 1);  // a character wider than the control
        std::size_t nl = text.find('\n', at);
        if (nl != std::string::npos && nl < at + take) {
          take = nl - at;
        } else if (at + take < text.size()) {
          // Break after the last blank that fits, as a static control wraps words.
          std::size_t space = text.rfind(' ', at + take);
          if (space != std::string::npos && space > at) take = space - at + 1;
        }
        m_canvas.put(row + r, col, std::string_view(text).substr(at, take), wcols, attr);
        at += take;
        if (at < text.size() && text[at] == '\n') ++at;
      }
      break;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
      std::string label = w.kind == ControlKind::DefPushButton ? "<" + text + ">" : "[" + text + "]";
      int pad = std::max(0, (wcols - static_cast<int>(label.size())) / 2);
      m_canvas.put(row + std::max(0, wrows / 2 - (wrows > 1 ? 1 : 0)), col + pad, label, wcols, attr);
      break;
    }
    case ControlKind::CheckBox: m_canvas.put(row, col, std::string(w.check ? "[x] " : "[ ] ") + text, wcols, attr); break;
    case ControlKind::RadioButton:
      m_canvas.put(row, col, std::string(w.check ? "(*) " : "( ) ") + text, wcols, attr);
      break;
    case ControlKind::GroupBox: m_canvas.put(row, col, text, wcols, m_base | A_BOLD); break;
    case ControlKind::Edit:
    case ControlKind::ComboBox: {
      bool list = w.kind == ControlKind::ComboBox;
      int room = std::max(1, wcols - (list ? 2 : 0));
      // The end of a long text, as an edit scrolls to its caret.
      std::string shown = text.size() > static_cast<std::size_t>(room)
                              ? text.substr(m_canvas.charStartFrom(text, text.size() - static_cast<std::size_t>(room)))
                              : text;
      shown.resize(static_cast<std::size_t>(room), '_');
      if (list) shown += w.dropped ? " ^" : " v";
      m_canvas.put(row, col, shown, wcols, (attr & ~static_cast<unsigned>(A_REVERSE)) | (focused ? A_UNDERLINE : 0u));
      int at = col + std::min(static_cast<int>(text.size()), room - 1);
      bool inView = row >= m_view.y.clientStart && row < m_view.y.clientStart + m_view.y.shown &&
                    at >= m_view.x.clientStart && at < m_view.x.clientStart + m_view.x.shown;
      if (focused && !w.dropDownList() && inView) {
        cursorRow = row;
        cursorCol = at;
      }
      break;
    }
    default: break;
  }
}

}  // namespace kvr::ui

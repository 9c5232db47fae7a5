#include "ui/terminal/Viewport.h"

#include <algorithm>

namespace kvr::ui {

Viewport::Axis Viewport::Axis::place(int client, int border, int screen, int focusStart, int focusLength,
                                     int previousScroll) {
  Axis a;
  a.total = std::max(0, client);
  int whole = a.total + 2 * border;
  if (whole <= screen) {
    a.frameStart = std::max(0, (screen - whole) / 2);
    a.clientStart = a.frameStart + border;
    a.shown = a.total;
    return a;
  }
  a.clientStart = border;
  a.shown = std::max(0, screen - 2 * border);
  int last = a.total - a.shown;
  int scroll = std::clamp(previousScroll, 0, last);
  if (focusLength > 0) {
    if (focusStart + focusLength > scroll + a.shown) scroll = focusStart + focusLength - a.shown;
    if (focusStart < scroll) scroll = focusStart;
  }
  a.scroll = std::clamp(scroll, 0, last);
  return a;
}

Viewport Viewport::place(int cols, int rows, bool frame, int screenCols, int screenRows, int focusCol, int focusRow,
                         int focusCols, int focusRows, int previousScrollX, int previousScrollY) {
  Viewport v;
  v.frame = frame;
  int border = frame ? 1 : 0;
  v.x = Axis::place(cols, border, screenCols, focusCol, focusCols, previousScrollX);
  v.y = Axis::place(rows, border, screenRows, focusRow, focusCols > 0 ? focusRows : 0, previousScrollY);
  return v;
}

DropListPlace DropListPlace::place(int boxRow, int boxCol, int boxCols, int items, int maxRows, int screenRows,
                                   int screenCols, int highlight, int previousTop) {
  DropListPlace p;
  int wanted = std::max(1, std::min(items, maxRows));
  int below = std::max(0, screenRows - boxRow - 1), above = std::max(0, boxRow);
  if (below >= wanted || below >= above) {
    p.rows = std::min(wanted, below);
    p.row = boxRow + 1;
  } else {
    p.rows = std::min(wanted, above);
    p.row = boxRow - p.rows;
  }
  p.cols = std::min(std::max(1, boxCols), std::max(0, screenCols));
  p.col = std::clamp(boxCol, 0, std::max(0, screenCols - p.cols));
  int last = std::max(0, items - p.rows);
  int top = previousTop < 0 ? std::max(0, highlight) : previousTop;
  top = std::clamp(top, 0, last);
  if (highlight >= 0 && p.rows > 0) {
    if (highlight < top) top = highlight;
    if (highlight >= top + p.rows) top = highlight - p.rows + 1;
  }
  p.top = std::clamp(top, 0, last);
  return p;
}

int DropListPlace::itemAt(int atRow, int atCol, int items) const {
  if (atRow < row || atRow >= row + rows || atCol < col || atCol >= col + cols) return -1;
  int index = top + atRow - row;
  return index < items ? index : -1;
}

}  // namespace kvr::ui

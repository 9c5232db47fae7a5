#pragma once

#include <vector>

#include "ui/WidgetModel.h"
#include "ui/terminal/Viewport.h"

namespace kvr::ui {

class TerminalCanvas;

// A control's cells in its dialog's client area: 4 dialog units a column, 8 a row; a combo
// box shows one row while closed, its template height being the dropped one.
struct ControlCells {
  int col, row, cols, rows;
};
ControlCells controlCells(const Widget& w);

// Where a control of the front dialog was drawn, for mouse clicks; `arrow` for the cells of a
// combo box's arrow.
struct ControlPlace {
  int id, row, col, width, height;
  bool arrow = false;
};

// Draws one dialog through its viewport: the background, the frame with the caption and the
// arrows that say more lies beyond the screen's edge, then the controls.
class DialogPainter {
 public:
  DialogPainter(TerminalCanvas& canvas, const WindowModel& model, const Viewport& view, unsigned base)
      : m_canvas(canvas), m_model(model), m_view(view), m_base(base) {}

  void background();
  // `front`: the dialog has the focus; its places go to `places` and the edit cursor to
  // cursorRow/cursorCol (left alone when no edit has the focus or it lies out of view).
  void controls(bool front, std::vector<ControlPlace>* places, int& cursorRow, int& cursorCol);

 private:
  void drawControl(const Widget& w, int row, int col, bool focused, int& cursorRow, int& cursorCol);
  void clipToClient();

  TerminalCanvas& m_canvas;
  const WindowModel& m_model;
  const Viewport& m_view;
  unsigned m_base;
};

}  // namespace kvr::ui

#pragma once

#include "ui/WidgetModel.h"
#include "ui/WinTypes.h"
#include "ui/terminal/Viewport.h"

namespace kvr::ui {

class TerminalCanvas;

// The open list of the front dialog's combo box, drawn over everything below or above the
// box. Keeps how far it is scrolled from one frame to the next.
class DropListPopup {
 public:
  // Draws the list of `combo` (dropped) whose closed box lies at (row, col); `dialog` tells
  // a new list from the one drawn last.
  void draw(TerminalCanvas& canvas, HWND dialog, const Widget& combo, int row, int col, int cols, unsigned colours);
  // Nothing is open (any more).
  void clear() { m_dialog = 0; }
  bool shown() const { return m_dialog != 0; }
  int comboId() const { return m_id; }
  // The item under a screen cell, -1 off the list.
  int itemAt(int row, int col) const { return m_dialog ? m_place.itemAt(row, col, m_items) : -1; }

 private:
  HWND m_dialog = 0;
  int m_id = 0;
  int m_items = 0;
  DropListPlace m_place;
};

}  // namespace kvr::ui

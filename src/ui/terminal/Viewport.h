#pragma once

namespace kvr::ui {

// Where a dialog sits on the screen, in cells. Along an axis where it fits (with its frame)
// it is centred; where it does not, the frame takes the screen's edges and the client area
// inside scrolls so the focused control shows whole, moving no further than it must.
struct Viewport {
  struct Axis {
    int frameStart = 0;   // the frame's first line, or the client's first cell without a frame
    int clientStart = 0;  // screen cell of the first client cell shown
    int shown = 0;        // client cells shown
    int scroll = 0;       // first client cell shown
    int total = 0;        // client cells in all

    bool moreBefore() const { return scroll > 0; }
    bool moreAfter() const { return scroll + shown < total; }
    int toScreen(int cell) const { return clientStart + cell - scroll; }
    // `client` cells, `border` cells of frame on each side, on a screen of `screen` cells; the
    // focused control from `focusStart` for `focusLength` cells (0: none).
    static Axis place(int client, int border, int screen, int focusStart, int focusLength, int previousScroll);
  };

  Axis x, y;
  bool frame = false;

  // The focus rectangle in client cells; focusCols 0 when no control has the focus.
  static Viewport place(int cols, int rows, bool frame, int screenCols, int screenRows, int focusCol, int focusRow,
                        int focusCols, int focusRows, int previousScrollX, int previousScrollY);
  bool scrolled() const { return x.shown < x.total || y.shown < y.total; }
};

// Where the open list of a combo box goes: below the box when it fits there or there is more
// room below than above, else above; as many rows as fit up to `maxRows`; scrolled so that the
// highlighted item shows. `previousTop` -1 (just opened) puts the highlight at the top.
struct DropListPlace {
  int row = 0, col = 0, rows = 0, cols = 0;
  int top = 0;  // first item shown

  static DropListPlace place(int boxRow, int boxCol, int boxCols, int items, int maxRows, int screenRows,
                             int screenCols, int highlight, int previousTop);
  // The item at a screen cell, -1 when the cell is not on one.
  int itemAt(int atRow, int atCol, int items) const;
};

}  // namespace kvr::ui

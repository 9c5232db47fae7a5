#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "ui/Backend.h"
#include "ui/terminal/TerminalCharset.h"

namespace kvr::ui {

class CDialog;
class CWnd;

// Dialogs drawn with ncurses: template geometry at 4 dialog units a column and 8 a row,
// centred, framed with the caption; keys and mouse clicks become the messages Windows would
// send. One per process; the terminal is restored when it is destroyed.
class TerminalBackend : public Backend {
 public:
  // Null, with the reason in `error`, when standard input or output is not a terminal.
  static std::unique_ptr<TerminalBackend> create(std::string* error);
  ~TerminalBackend() override;

  std::chrono::milliseconds now() const override;
  void idle(WindowManager& manager, std::optional<std::chrono::milliseconds> nextTimer) override;
  void windowOpened(CWnd&) override { m_dirty = true; }
  void windowClosed(CWnd&) override { m_dirty = true; }
  void windowChanged(CWnd&) override { m_dirty = true; }

  // Draws now when anything changed since the last frame.
  void redraw();
  int frames() const { return m_frames; }

 private:
  TerminalBackend();
  void draw();
  void drawDialog(CDialog& dialog);
  void drawPicture(CWnd& window, int left, int top, int cols, int rows);
  void handleKey(int key, CDialog& front);
  void handleMouse(CDialog& front);
  void put(int row, int col, std::string_view ansi, int maxWidth, unsigned attributes);
  int colourPair(int foreground, int background);
  int colourIndex(std::uint32_t rgb) const;

  std::chrono::steady_clock::time_point m_start;
  std::unique_ptr<TerminalCharset> m_charset;
  bool m_dirty = true;
  bool m_colours = false;
  bool m_halfBlocks = false;
  int m_frames = 0;
  std::map<std::pair<int, int>, int> m_pairs;
  // Where each control of the front dialog was drawn, for mouse clicks.
  struct Place {
    int id, row, col, width, height;
  };
  std::vector<Place> m_places;
};

}  // namespace kvr::ui

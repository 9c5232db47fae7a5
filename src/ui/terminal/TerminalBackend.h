#pragma once

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/Backend.h"
#include "ui/WinTypes.h"
#include "ui/terminal/DialogPainter.h"
#include "ui/terminal/DropListPopup.h"
#include "ui/terminal/TerminalCanvas.h"
#include "ui/terminal/TerminalCharset.h"

struct screen;  // curses' SCREEN

namespace kvr::ui {

class CDialog;
class CWnd;

// Dialogs drawn with ncurses: template geometry at 4 dialog units a column and 8 a row,
// centred, framed with the caption; a dialog larger than the screen scrolls to its focused
// control. Keys and mouse clicks become the messages Windows would send. One per process;
// the terminal is restored when it is destroyed.
class TerminalBackend : public Backend {
 public:
  // Null, with the reason in `error`, when standard input is not a terminal or the terminal
  // type is unknown. With standard output not a terminal, draws on standard input's terminal.
  static std::unique_ptr<TerminalBackend> create(std::string* error);
  ~TerminalBackend() override;

  // Whether the dialogs share standard output, where the debug trace goes.
  bool drawsOnStandardOutput() const { return m_ownOutput == nullptr; }

  std::chrono::milliseconds now() const override;
  void idle(WindowManager& manager, std::optional<std::chrono::milliseconds> nextTimer) override;
  void windowOpened(CWnd&) override { m_dirty = true; }
  void windowClosed(CWnd& window) override;
  void windowChanged(CWnd&) override { m_dirty = true; }

  // Draws now when anything changed since the last frame.
  void redraw();
  int frames() const { return m_frames; }

 private:
  TerminalBackend(::screen* screen, std::FILE* ownOutput);
  void draw();
  void drawDialog(CDialog& dialog, bool front, int& cursorRow, int& cursorCol);
  void drawPicture(CWnd& window, const Viewport& view, int cols, int rows);
  void handleKey(int key, CDialog& front);
  void handleAltKey(CDialog& front);
  void handleMouse(CDialog& front);
  int colourPair(int foreground, int background);
  int colourIndex(std::uint32_t rgb) const;

  std::chrono::steady_clock::time_point m_start;
  ::screen* m_screen;
  std::FILE* m_ownOutput;  // the terminal opened for drawing, null when it is standard output
  std::unique_ptr<TerminalCharset> m_charset;
  std::unique_ptr<TerminalCanvas> m_canvas;
  bool m_dirty = true;
  bool m_colours = false;
  bool m_halfBlocks = false;
  int m_frames = 0;
  // Alt+Down and Alt+Up as the terminal's description names them (kDN3, kUP3); 0 without.
  int m_altDown = 0, m_altUp = 0;
  std::map<std::pair<int, int>, int> m_pairs;
  // Where each control of the front dialog was drawn, for mouse clicks.
  std::vector<ControlPlace> m_places;
  // How far each dialog larger than the screen is scrolled, across, down.
  std::map<HWND, std::pair<int, int>> m_scroll;
  DropListPopup m_popup;
};

}  // namespace kvr::ui

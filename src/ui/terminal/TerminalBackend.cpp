#include "ui/terminal/TerminalBackend.h"

#define NCURSES_NOMACROS
#include <curses.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>

#include "ui/CDialog.h"
#include "ui/Resources.h"
#include "ui/WindowManager.h"
#include "ui/terminal/TerminalType.h"

namespace kvr::ui {

namespace {

constexpr std::uint32_t kModalFrame = 0x80;  // DS_MODALFRAME
constexpr std::uint32_t kBackground = 0xC0C0C0;
constexpr int kPollMs = 50;
// Alt+F4, the close box of a text-mode window: xterm-like terminals report it as F52
// ("\e[1;3S"); others send Escape, then F4.
constexpr int kAltF4 = KEY_F(52);
constexpr int kDialogPair = 1;
constexpr int kListPair = 2;
constexpr int kFirstPicturePair = 3;

bool framed(const WindowModel& m) { return (m.style & (WS_CAPTION | kModalFrame)) != 0; }

// The key code curses gives the sequence of terminal capability `name`; 0 without one.
int keyOf(const char* name) {
  const char* sequence = tigetstr(name);
  if (!sequence || sequence == reinterpret_cast<const char*>(-1)) return 0;
  return std::max(0, key_defined(sequence));
}

int columnsOf(int du) { return std::max(1, du / 4); }
int rowsOf(int du) { return std::max(1, du / 8); }

CDialog* frontDialog() {
  auto windows = WindowManager::instance().windows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    auto* dialog = dynamic_cast<CDialog*>(*it);
    if (dialog && dialog->IsWindowVisible()) return dialog;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<TerminalBackend> TerminalBackend::create(std::string* error) {
  auto fail = [error](std::string why) {
    if (error) *error = std::move(why);
    return nullptr;
  };
  if (!isatty(STDIN_FILENO)) return fail("standard input must be a terminal to show the dialogs");
  // With standard output sent elsewhere (the trace into a file), the dialogs are drawn on the
  // terminal that standard input reads from.
  std::FILE* ownOutput = nullptr;
  if (!isatty(STDOUT_FILENO)) {
    const char* name = ttyname(STDIN_FILENO);
    ownOutput = name ? std::fopen(name, "w") : nullptr;
    if (!ownOutput) return fail("the terminal of standard input cannot be opened to show the dialogs");
  }
  std::FILE* output = ownOutput ? ownOutput : stdout;
  std::setlocale(LC_ALL, "");
  // Unlike initscr, newterm comes back when it cannot start.
  SCREEN* screen = terminalTypeKnown(fileno(output)) ? newterm(nullptr, output, stdin) : nullptr;
  if (!screen) {
    if (ownOutput) std::fclose(ownOutput);
    const char* type = std::getenv("TERM");
    return fail("the terminal type \"" + std::string(type ? type : "") + "\" is unknown: the dialogs cannot be shown");
  }
  return std::unique_ptr<TerminalBackend>(new TerminalBackend(screen, ownOutput));
}

TerminalBackend::TerminalBackend(SCREEN* screen, std::FILE* ownOutput)
    : m_start(std::chrono::steady_clock::now()), m_screen(screen), m_ownOutput(ownOutput) {
  m_charset = std::make_unique<TerminalCharset>(resources().codePage());
  cbreak();
  noecho();
  keypad(stdscr, TRUE);
  set_escdelay(25);
  mousemask(BUTTON1_PRESSED | BUTTON3_PRESSED | BUTTON2_PRESSED, nullptr);
  if (has_colors()) {
    start_color();
    m_colours = COLORS >= 8;
    init_pair(kDialogPair, COLOR_BLACK, COLOR_WHITE);
    init_pair(kListPair, COLOR_BLACK, COLOR_CYAN);
  }
  bool utf8 = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
  m_halfBlocks = m_colours && utf8;
  m_canvas = std::make_unique<TerminalCanvas>(*m_charset, utf8);
  m_altDown = keyOf("kDN3");
  m_altUp = keyOf("kUP3");
}

TerminalBackend::~TerminalBackend() {
  endwin();
  delscreen(m_screen);
  if (m_ownOutput) std::fclose(m_ownOutput);
}

void TerminalBackend::windowClosed(CWnd& window) {
  m_scroll.erase(window.GetSafeHwnd());
  m_dirty = true;
}

std::chrono::milliseconds TerminalBackend::now() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_start);
}

void TerminalBackend::redraw() {
  if (!m_dirty) return;
  draw();
  m_dirty = false;
}

void TerminalBackend::idle(WindowManager&, std::optional<std::chrono::milliseconds> nextTimer) {
  redraw();
  long wait = kPollMs;
  if (nextTimer) wait = std::clamp<long>(static_cast<long>((*nextTimer - now()).count()), 0, kPollMs);
  wtimeout(stdscr, static_cast<int>(wait));
  int key = wgetch(stdscr);
  if (key == ERR) return;
  if (key == KEY_RESIZE) {
    m_dirty = true;
    return;
  }
  if (CDialog* front = frontDialog()) handleKey(key, *front);
}

void TerminalBackend::handleKey(int key, CDialog& front) {
  auto keyDown = [&front](UINT vk) { front.PostMessage(WM_KEYDOWN, vk); };
  if (key != 0 && (key == m_altDown || key == m_altUp)) {
    front.PostMessage(WM_SYSKEYDOWN, key == m_altDown ? VK_DOWN : VK_UP);
    return;
  }
  switch (key) {
    case KEY_MOUSE: handleMouse(front); return;
    case kAltF4: front.PostMessage(WM_CLOSE); return;
    case '\t': keyDown(VK_TAB); return;
    case KEY_BTAB: keyDown(VK_TAB | kShiftFlag); return;
    case '\n':
    case '\r':
    case KEY_ENTER: keyDown(VK_RETURN); return;
    case KEY_UP: keyDown(VK_UP); return;
    case KEY_DOWN: keyDown(VK_DOWN); return;
    case KEY_LEFT: keyDown(VK_LEFT); return;
    case KEY_RIGHT: keyDown(VK_RIGHT); return;
    case KEY_PPAGE: keyDown(VK_PRIOR); return;
    case KEY_NPAGE: keyDown(VK_NEXT); return;
    case KEY_HOME: keyDown(VK_HOME); return;
    case KEY_END: keyDown(VK_END); return;
    case KEY_F(4): keyDown(VK_F4); return;
    case KEY_BACKSPACE:
    case 127:
    case 8:
      keyDown(VK_BACK);
      front.PostMessage(WM_CHAR, VK_BACK);
      return;
    case 27: handleAltKey(front); return;
    default: break;
  }
  if (key < 0x20 || key > 0xFF) return;
  std::string typed(1, static_cast<char>(key));
  if (key >= 0x80) {
    // The rest of a UTF-8 sequence.
    int more = (key & 0xE0) == 0xC0 ? 1 : (key & 0xF0) == 0xE0 ? 2 : (key & 0xF8) == 0xF0 ? 3 : 0;
    wtimeout(stdscr, 10);
    for (int i = 0; i < more; ++i) {
      int next = wgetch(stdscr);
      if (next == ERR) break;
      typed.push_back(static_cast<char>(next));
    }
  } else {
    keyDown(key == ' ' ? VK_SPACE : static_cast<UINT>(std::toupper(key)));
  }
  for (char ch : m_charset->fromTerminal(typed)) front.PostMessage(WM_CHAR, static_cast<unsigned char>(ch));
}

// Escape alone, or Alt+key as the terminal sends it: Escape, then the key.
void TerminalBackend::handleAltKey(CDialog& front) {
  wtimeout(stdscr, 0);
  int next = wgetch(stdscr);
  if (next == ERR) {
    front.PostMessage(WM_KEYDOWN, VK_ESCAPE);
  } else if (next == KEY_F(4)) {
    front.PostMessage(WM_CLOSE);
  } else if (next == KEY_DOWN || next == KEY_UP) {
    front.PostMessage(WM_SYSKEYDOWN, next == KEY_DOWN ? VK_DOWN : VK_UP);
  } else if (next > 0 && next <= 0xFF) {
    front.PostMessage(WM_SYSKEYDOWN, static_cast<WPARAM>(std::toupper(next)));
  }
}

void TerminalBackend::handleMouse(CDialog& front) {
  MEVENT event{};
  if (getmouse(&event) != OK) return;
  UINT message = (event.bstate & BUTTON3_PRESSED) ? WM_RBUTTONDOWN
                 : (event.bstate & BUTTON2_PRESSED) ? WM_MBUTTONDOWN
                                                    : WM_LBUTTONDOWN;
  int item = m_popup.itemAt(event.y, event.x);
  if (message == WM_LBUTTONDOWN && item >= 0) {
    front.PostMessage(WM_DROPLISTCLICK, static_cast<WPARAM>(m_popup.comboId()), item);
    return;
  }
  WPARAM id = 0;
  LPARAM where = 0;
  for (const ControlPlace& p : m_places) {
    if (event.y >= p.row && event.y < p.row + p.height && event.x >= p.col && event.x < p.col + p.width) {
      id = static_cast<WPARAM>(p.id);
      where = p.arrow ? kOnDropArrow : 0;
    }
  }
  front.PostMessage(message, id, where);
}

void TerminalBackend::draw() {
  werase(stdscr);
  m_places.clear();
  curs_set(0);
  CDialog* front = frontDialog();
  int cursorRow = -1, cursorCol = -1;
  for (CWnd* window : WindowManager::instance().windows()) {
    auto* dialog = dynamic_cast<CDialog*>(window);
    if (dialog && dialog->IsWindowVisible()) drawDialog(*dialog, dialog == front, cursorRow, cursorCol);
  }
  if (cursorRow >= 0 && !m_popup.shown()) {
    curs_set(1);
    wmove(stdscr, cursorRow, cursorCol);
  }
  wnoutrefresh(stdscr);
  doupdate();
  ++m_frames;
}

void TerminalBackend::drawDialog(CDialog& dialog, bool front, int& cursorRow, int& cursorCol) {
  const WindowModel& m = dialog.model();
  int cols = columnsOf(m.rect.cx), rows = rowsOf(m.rect.cy);
  const Widget* focused = m.find(m.focus);
  ControlCells focus = focused && focused->visible ? controlCells(*focused) : ControlCells{0, 0, 0, 0};
  auto& scroll = m_scroll[dialog.GetSafeHwnd()];
  Viewport view = Viewport::place(cols, rows, framed(m), COLS, LINES, focus.col, focus.row, focus.cols, focus.rows,
                                  scroll.first, scroll.second);
  scroll = {view.x.scroll, view.y.scroll};
  unsigned base = m_colours ? static_cast<unsigned>(COLOR_PAIR(kDialogPair)) : 0u;
  DialogPainter painter(*m_canvas, m, view, base);
  painter.background();
  if (dialog.hasSurface()) drawPicture(dialog, view, cols, rows);
  painter.controls(front, front ? &m_places : nullptr, cursorRow, cursorCol);
  if (!front) return;
  const Widget* list = focused && focused->dropped && focused->visible ? focused : nullptr;
  if (!list) {
    m_popup.clear();
    return;
  }
  unsigned colours = m_colours ? static_cast<unsigned>(COLOR_PAIR(kListPair)) : 0u;
  m_popup.draw(*m_canvas, dialog.GetSafeHwnd(), *list, view.y.toScreen(focus.row), view.x.toScreen(focus.col),
               focus.cols, colours);
}

int TerminalBackend::colourIndex(std::uint32_t rgb) const {
  int r = static_cast<int>((rgb >> 16) & 0xFF), g = static_cast<int>((rgb >> 8) & 0xFF), b = static_cast<int>(rgb & 0xFF);
  if (COLORS >= 256) return 16 + 36 * ((r * 5 + 127) / 255) + 6 * ((g * 5 + 127) / 255) + (b * 5 + 127) / 255;
  return (r >= 128 ? COLOR_RED : 0) | (g >= 128 ? COLOR_GREEN : 0) | (b >= 128 ? COLOR_BLUE : 0);
}

int TerminalBackend::colourPair(int foreground, int background) {
  auto key = std::pair{foreground, background};
  auto it = m_pairs.find(key);
  if (it != m_pairs.end()) return it->second;
  int pair = static_cast<int>(m_pairs.size()) + kFirstPicturePair;
  if (pair >= COLOR_PAIRS || init_extended_pair(pair, foreground, background) != OK) return kDialogPair;
  m_pairs.emplace(key, pair);
  return pair;
}

// Two pixel rows a cell: the upper half block in the upper colour over the lower one.
// Cells that are all dialog background are left to the controls.
void TerminalBackend::drawPicture(CWnd& window, const Viewport& view, int cols, int rows) {
  const PixelBuffer& pixels = window.surface();
  if (pixels.empty()) return;
  int left = view.x.toScreen(0), top = view.y.toScreen(0);
  if (!m_halfBlocks) {
    std::string caption = "[ picture " + std::to_string(pixels.width()) + "x" + std::to_string(pixels.height()) + " ]";
    m_canvas->put(top + rows / 2, left + std::max(0, (cols - static_cast<int>(caption.size())) / 2), caption, cols,
                  A_BOLD);
    return;
  }
  // One wide character made ready per colour pair rather than a UTF-8 string decoded per cell.
  const wchar_t halfBlock[] = {L'\u2580', L'\0'};
  cchar_t cell{};
  int lastPair = -1;
  for (int r = view.y.scroll; r < view.y.scroll + view.y.shown && top + r < LINES; ++r) {
    const Colour* upperRow = pixels.row(std::min(pixels.height() - 1, (2 * r) * pixels.height() / (2 * rows)));
    const Colour* lowerRow = pixels.row(std::min(pixels.height() - 1, (2 * r + 1) * pixels.height() / (2 * rows)));
    for (int c = view.x.scroll; c < view.x.scroll + view.x.shown && left + c < COLS; ++c) {
      int x = std::min(pixels.width() - 1, c * pixels.width() / cols);
      Colour upper = upperRow[x], lower = lowerRow[x];
      if (upper == kBackground && lower == kBackground) continue;
      int pair = colourPair(colourIndex(upper), colourIndex(lower));
      if (pair != lastPair) {
        setcchar(&cell, halfBlock, A_NORMAL, 0, &pair);
        lastPair = pair;
      }
      mvwadd_wch(stdscr, top + r, left + c, &cell);
    }
  }
}

}  // namespace kvr::ui

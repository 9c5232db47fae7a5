#include "ui/terminal/TerminalBackend.h"

#define NCURSES_NOMACROS
#include <curses.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstring>
#include <langinfo.h>

#include "ui/CDialog.h"
#include "ui/Resources.h"
#include "ui/WindowManager.h"

namespace kvr::ui {

namespace {

constexpr std::uint32_t kModalFrame = 0x80;  // DS_MODALFRAME
constexpr std::uint32_t kBackground = 0xC0C0C0;
constexpr int kPollMs = 50;
// Alt+F4, the close box of a text-mode window: xterm-like terminals report it as F52
// ("\e[1;3S"); others send Escape, then F4.
constexpr int kAltF4 = KEY_F(52);
constexpr int kDialogPair = 1;

bool framed(const WindowModel& m) { return (m.style & (WS_CAPTION | kModalFrame)) != 0; }

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
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    if (error) *error = "standard input and output must be a terminal to show the dialogs";
    return nullptr;
  }
  return std::unique_ptr<TerminalBackend>(new TerminalBackend());
}

TerminalBackend::TerminalBackend() : m_start(std::chrono::steady_clock::now()) {
  std::setlocale(LC_ALL, "");
  m_charset = std::make_unique<TerminalCharset>(resources().codePage());
  initscr();
  cbreak();
  noecho();
  keypad(stdscr, TRUE);
  set_escdelay(25);
  mousemask(BUTTON1_PRESSED | BUTTON3_PRESSED | BUTTON2_PRESSED, nullptr);
  if (has_colors()) {
    start_color();
    m_colours = COLORS >= 8;
    init_pair(kDialogPair, COLOR_BLACK, COLOR_WHITE);
  }
  m_halfBlocks = m_colours && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
}

TerminalBackend::~TerminalBackend() { endwin(); }

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
    case KEY_BACKSPACE:
    case 127:
    case 8:
      keyDown(VK_BACK);
      front.PostMessage(WM_CHAR, VK_BACK);
      return;
    case 27: {
      // Escape alone, or Alt+key as the terminal sends it (Escape, then the key).
      wtimeout(stdscr, 0);
      int next = wgetch(stdscr);
      if (next == ERR) {
        keyDown(VK_ESCAPE);
      } else if (next == KEY_F(4)) {
        front.PostMessage(WM_CLOSE);
      } else {
        front.PostMessage(WM_SYSKEYDOWN, static_cast<WPARAM>(std::toupper(next & 0xFF)));
      }
      return;
    }
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

void TerminalBackend::handleMouse(CDialog& front) {
  MEVENT event{};
  if (getmouse(&event) != OK) return;
  UINT message = (event.bstate & BUTTON3_PRESSED) ? WM_RBUTTONDOWN
                 : (event.bstate & BUTTON2_PRESSED) ? WM_MBUTTONDOWN
                                                    : WM_LBUTTONDOWN;
  WPARAM id = 0;
  for (const Place& p : m_places) {
    if (event.y >= p.row && event.y < p.row + p.height && event.x >= p.col && event.x < p.col + p.width)
      id = static_cast<WPARAM>(p.id);
  }
  front.PostMessage(message, id);
}

void TerminalBackend::put(int row, int col, std::string_view ansi, int maxWidth, unsigned attributes) {
  if (row < 0 || row >= LINES || maxWidth <= 0) return;
  std::string text(ansi.substr(0, static_cast<std::size_t>(maxWidth)));
  if (col < 0) return;
  if (col + static_cast<int>(text.size()) > COLS) text.resize(static_cast<std::size_t>(std::max(0, COLS - col)));
  wattr_on(stdscr, attributes, nullptr);
  mvwaddstr(stdscr, row, col, m_charset->toTerminal(text).c_str());
  wattr_off(stdscr, attributes, nullptr);
}

void TerminalBackend::draw() {
  werase(stdscr);
  m_places.clear();
  curs_set(0);
  for (CWnd* window : WindowManager::instance().windows()) {
    auto* dialog = dynamic_cast<CDialog*>(window);
    if (dialog && dialog->IsWindowVisible()) drawDialog(*dialog);
  }
  wnoutrefresh(stdscr);
  doupdate();
  ++m_frames;
}

void TerminalBackend::drawDialog(CDialog& dialog) {
  const WindowModel& m = dialog.model();
  bool frame = framed(m);
  int cols = columnsOf(m.rect.cx), rows = rowsOf(m.rect.cy);
  int width = cols + (frame ? 2 : 0), height = rows + (frame ? 2 : 0);
  int left = std::max(0, (COLS - width) / 2), top = std::max(0, (LINES - height) / 2);
  unsigned base = m_colours ? static_cast<unsigned>(COLOR_PAIR(kDialogPair)) : 0u;
  std::string blank(static_cast<std::size_t>(width), ' ');
  for (int r = 0; r < height; ++r) put(top + r, left, blank, width, base);
  if (frame) {
    wattr_on(stdscr, base, nullptr);
    mvwhline(stdscr, top, left + 1, ACS_HLINE, width - 2);
    mvwhline(stdscr, top + height - 1, left + 1, ACS_HLINE, width - 2);
    mvwvline(stdscr, top + 1, left, ACS_VLINE, height - 2);
    mvwvline(stdscr, top + 1, left + width - 1, ACS_VLINE, height - 2);
    mvwaddch(stdscr, top, left, ACS_ULCORNER);
    mvwaddch(stdscr, top, left + width - 1, ACS_URCORNER);
    mvwaddch(stdscr, top + height - 1, left, ACS_LLCORNER);
    mvwaddch(stdscr, top + height - 1, left + width - 1, ACS_LRCORNER);
    wattr_off(stdscr, base, nullptr);
    std::string caption = " " + m.caption + " ";
    put(top, left + std::max(1, (width - static_cast<int>(caption.size())) / 2), caption, width - 2, base | A_BOLD);
  }
  int ox = left + (frame ? 1 : 0), oy = top + (frame ? 1 : 0);
  if (dialog.hasSurface()) drawPicture(dialog, ox, oy, cols, rows);
  bool front = &dialog == frontDialog();
  int cursorRow = -1, cursorCol = -1;
  for (const Widget& w : m.widgets) {
    if (!w.visible) continue;
    int row = oy + w.rect.y / 8, col = ox + w.rect.x / 4;
    int wcols = columnsOf(w.rect.cx), wrows = rowsOf(w.rect.cy);
    bool focused = front && m.focus == w.id;
    unsigned attr = base | (w.bold ? A_BOLD : 0u) | (focused ? A_REVERSE : 0u) | (w.enabled ? 0u : A_DIM);
    std::string text = withoutMnemonics(w.text);
    switch (w.kind) {
      case ControlKind::Label: {
        // Wrapped at the control's width, over its rows.
        std::size_t at = 0;
        for (int r = 0; r < wrows && at < text.size(); ++r) {
          std::size_t take = std::min<std::size_t>(static_cast<std::size_t>(wcols), text.size() - at);
          std::size_t nl = text.find('\n', at);
          if (nl != std::string::npos && nl < at + take) {
            take = nl - at;
          } else if (at + take < text.size()) {
            // Break after the last blank that fits, as a static control wraps words.
            std::size_t space = text.rfind(' ', at + take);
            if (space != std::string::npos && space > at) take = space - at + 1;
          }
          put(row + r, col, std::string_view(text).substr(at, take), wcols, attr);
          at += take;
          if (at < text.size() && text[at] == '\n') ++at;
        }
        break;
      }
      case ControlKind::PushButton:
      case ControlKind::DefPushButton: {
        std::string label = w.kind == ControlKind::DefPushButton ? "<" + text + ">" : "[" + text + "]";
        int pad = std::max(0, (wcols - static_cast<int>(label.size())) / 2);
        put(row + std::max(0, wrows / 2 - (wrows > 1 ? 1 : 0)), col + pad, label, wcols, attr);
        break;
      }
      case ControlKind::CheckBox: put(row, col, std::string(w.check ? "[x] " : "[ ] ") + text, wcols, attr); break;
      case ControlKind::RadioButton: put(row, col, std::string(w.check ? "(*) " : "( ) ") + text, wcols, attr); break;
      case ControlKind::GroupBox: put(row, col, text, wcols, base | A_BOLD); break;
      case ControlKind::Edit:
      case ControlKind::ComboBox: {
        bool list = w.kind == ControlKind::ComboBox;
        int room = std::max(1, wcols - (list ? 2 : 0));
        std::string shown = text.size() > static_cast<std::size_t>(room) ? text.substr(text.size() - room) : text;
        shown.resize(static_cast<std::size_t>(room), '_');
        if (list) shown += " v";
        put(row, col, shown, wcols, (attr & ~static_cast<unsigned>(A_REVERSE)) | (focused ? A_UNDERLINE : 0u));
        if (focused && !w.dropDownList()) {
          cursorRow = row;
          cursorCol = col + std::min(static_cast<int>(text.size()), room - 1);
        }
        break;
      }
      default: break;
    }
    if (front) m_places.push_back(Place{w.id, row, col, wcols, wrows});
  }
  if (cursorRow >= 0) {
    curs_set(1);
    wmove(stdscr, cursorRow, cursorCol);
  }
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
  int pair = static_cast<int>(m_pairs.size()) + 2;
  if (pair >= COLOR_PAIRS || init_extended_pair(pair, foreground, background) != OK) return kDialogPair;
  m_pairs.emplace(key, pair);
  return pair;
}

// Two pixel rows a cell: the upper half block in the upper colour over the lower one.
// Cells that are all dialog background are left to the controls.
void TerminalBackend::drawPicture(CWnd& window, int left, int top, int cols, int rows) {
  const PixelBuffer& pixels = window.surface();
  if (pixels.empty()) return;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      int x = std::min(pixels.width() - 1, c * pixels.width() / cols);
      Colour upper = pixels.at(x, std::min(pixels.height() - 1, (2 * r) * pixels.height() / (2 * rows)));
      Colour lower = pixels.at(x, std::min(pixels.height() - 1, (2 * r + 1) * pixels.height() / (2 * rows)));
      if (upper == kBackground && lower == kBackground) continue;
      if (top + r >= LINES || left + c >= COLS) continue;
      if (!m_halfBlocks) continue;
      int pair = colourPair(colourIndex(upper), colourIndex(lower));
      wattr_set(stdscr, A_NORMAL, 0, &pair);
      mvwaddstr(stdscr, top + r, left + c, "\xE2\x96\x80");  // U+2580 upper half block
      wattr_set(stdscr, A_NORMAL, 0, nullptr);
    }
  }
  if (!m_halfBlocks) {
    std::string caption = "[ picture " + std::to_string(pixels.width()) + "x" + std::to_string(pixels.height()) + " ]";
    put(top + rows / 2, left + std::max(0, (cols - static_cast<int>(caption.size())) / 2), caption, cols, A_BOLD);
  }
}

}  // namespace kvr::ui

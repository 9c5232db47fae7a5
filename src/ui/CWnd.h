#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/WidgetModel.h"
#include "ui/artwork/PixelBuffer.h"
#include "ui/WinTypes.h"

namespace kvr::ui {

class CDialog;

// A window: a dialog, or a control of one (then it refers to its dialog and control id and
// every operation works on that control's state). A top-level window has a handle while it
// exists on screen; messages reach it through its message map, then the default handling.
//
// Message maps are registered in the constructor of the class that handles them:
//   onCommand(IDC_NEXT, BN_CLICKED, &CContactPage::OnNext);
//   onTimer(&CSplashDlg::OnTimer);
//   onMessage(WM_PAINT, &CSplashDlg::OnPaint);   // LRESULT OnPaint(WPARAM, LPARAM)
class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND GetSafeHwnd() const { return m_hwnd; }
  bool isControl() const { return m_dialog != nullptr; }
  // A control object refers to control `id` of `dialog` from now on (DDX_Control).
  void attachControl(CWnd& dialog, int id);
  int GetDlgCtrlID() const { return m_controlId; }
  // The window itself for a dialog; the dialog that holds a control.
  CWnd* topLevel() { return m_dialog ? m_dialog : this; }
  // A control of this dialog; null when the dialog has no such control or is not open.
  CWnd* GetDlgItem(int id);

  void SetWindowText(std::string_view text);
  std::string GetWindowText() const;
  void ShowWindow(int show);
  bool IsWindowVisible() const;
  void EnableWindow(bool enable = true);
  bool IsWindowEnabled() const;
  void SetFocus();
  bool hasFocus() const;
  // Text drawn in a bold copy of the dialog font.
  void setBold(bool bold);
  // In pixels, relative to the parent (the screen for a dialog).
  void MoveWindow(int x, int y, int width, int height);
  Rect windowRectPixels() const;

  // The window's big (title bar, Alt+Tab) or small icon, through WM_SETICON and WM_GETICON;
  // SetIcon returns the one it replaces. 0 for a control, which has none of its own.
  HICON SetIcon(HICON icon, bool bigIcon);
  HICON GetIcon(bool bigIcon) const;

  void SetDlgItemText(int id, std::string_view text);
  std::string GetDlgItemText(int id) const;
  void CheckDlgButton(int id, int check);
  int IsDlgButtonChecked(int id) const;
  void CheckRadioButton(int firstId, int lastId, int checkId);

  // Shows a message box owned by this window's dialog; the pressed button's id.
  int MessageBox(std::string_view text, std::string_view caption = {}, UINT type = MB_OK);

  UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds);
  bool KillTimer(UINT_PTR id);
  // Queues a message for this window's dialog; any thread may call it. False when the
  // window is gone or the queue is full.
  bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  void Invalidate();
  // Called for each queued message before it is dispatched; true when it was handled here.
  virtual bool PreTranslateMessage(MSG* msg);
  // The default handling of the message being handled now.
  LRESULT Default();

  // The state the backends show; null for a control whose dialog is not open.
  Widget* widget();
  const Widget* widget() const;
  WindowModel& model() { return topLevel()->m_model; }
  const WindowModel& model() const { return m_dialog ? m_dialog->m_model : m_model; }
  // Where WM_PAINT draws; sized to the window's client area in pixels.
  PixelBuffer& surface();
  // Whether the window has painted into its surface.
  bool hasSurface() const { return m_surface != nullptr; }

 protected:
  template <class T>
  void onCommand(int id, UINT code, void (T::*handler)()) {
    m_commands.push_back({id, code, [this, handler] { (static_cast<T*>(this)->*handler)(); }});
  }
  template <class T>
  void onMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    m_messages.push_back({message, [this, handler](WPARAM w, LPARAM l) {
                            return (static_cast<T*>(this)->*handler)(w, l);
                          }});
  }
  template <class T>
  void onTimer(void (T::*handler)(UINT_PTR)) {
    m_messages.push_back({WM_TIMER, [this, handler](WPARAM w, LPARAM) {
                            (static_cast<T*>(this)->*handler)(w);
                            return LRESULT{0};
                          }});
  }
  template <class T>
  void onClose(void (T::*handler)()) {
    m_messages.push_back({WM_CLOSE, [this, handler](WPARAM, LPARAM) {
                            (static_cast<T*>(this)->*handler)();
                            return LRESULT{0};
                          }});
  }

  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // A command no map entry took; true when handled.
  virtual bool onUnmappedCommand(int id, UINT code);

  // For window classes: give the window a handle and a state built from `dialog`, take it away.
  void createWindow(const DialogTemplate& dialog);
  void destroyWindow();
  void changed();

 private:
  struct CommandEntry {
    int id;
    UINT code;
    std::function<void()> handler;
  };
  struct MessageEntry {
    UINT message;
    std::function<LRESULT(WPARAM, LPARAM)> handler;
  };

  // WM_SETICON: the icon it replaces.
  LRESULT setModelIcon(WPARAM which, HICON icon);
  void defaultClick(int id, LPARAM where);
  void defaultChar(unsigned char ch);

  HWND m_hwnd = 0;
  CWnd* m_dialog = nullptr;
  int m_controlId = 0;
  WindowModel m_model;
  // The exact size a top-level window was given in pixels, which dialog units may not hold.
  std::optional<Rect> m_pixelRect;
  std::unique_ptr<PixelBuffer> m_surface;
  std::map<int, std::unique_ptr<CWnd>> m_items;
  std::vector<CommandEntry> m_commands;
  std::vector<MessageEntry> m_messages;
  MSG m_current;
};

}  // namespace kvr::ui

#pragma once

// The message, notification, command and style values the dialogs use, with the values the
// Windows headers give them, so that templates and handlers read the same on every backend.

#include <cstdint>
#include <string>

namespace kvr::ui {

using UINT = unsigned;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
// A window's handle: an index into the window table, never reused within a run, so that a
// message posted to a window that is gone is dropped instead of reaching another one.
using HWND = std::uint32_t;
// An icon: its resource id in the resources it was loaded from; 0 is no icon.
using HICON = std::uint32_t;
using CString = std::string;

inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_GETICON = 0x007F;
inline constexpr UINT WM_SETICON = 0x0080;
inline constexpr UINT WM_QUERYNEWPALETTE = 0x030F;
inline constexpr UINT WM_PALETTECHANGED = 0x0311;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT WM_SYSKEYDOWN = 0x0104;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_TIMER = 0x0113;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
// Our own: a click on item lParam of the open list of combo box wParam (Windows gives that
// list a window of its own).
inline constexpr UINT WM_DROPLISTCLICK = 0x03F0;
inline constexpr UINT WM_USER = 0x0400;

// Notifications, in the high word of WM_COMMAND's wParam.
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT CBN_SELCHANGE = 1;
inline constexpr UINT CBN_EDITCHANGE = 5;
inline constexpr UINT CBN_DROPDOWN = 7;
inline constexpr UINT CBN_CLOSEUP = 8;
inline constexpr UINT EN_CHANGE = 0x0300;

// wParam of WM_SETICON and WM_GETICON.
inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Added to a key code in WM_KEYDOWN when Shift is held (Shift+Tab).
inline constexpr UINT kShiftFlag = 0x10000;
inline constexpr UINT VK_BACK = 0x08;
inline constexpr UINT VK_TAB = 0x09;
inline constexpr UINT VK_RETURN = 0x0D;
inline constexpr UINT VK_ESCAPE = 0x1B;
inline constexpr UINT VK_SPACE = 0x20;
inline constexpr UINT VK_PRIOR = 0x21;
inline constexpr UINT VK_NEXT = 0x22;
inline constexpr UINT VK_END = 0x23;
inline constexpr UINT VK_HOME = 0x24;
inline constexpr UINT VK_LEFT = 0x25;
inline constexpr UINT VK_UP = 0x26;
inline constexpr UINT VK_RIGHT = 0x27;
inline constexpr UINT VK_DOWN = 0x28;
inline constexpr UINT VK_F4 = 0x73;

// lParam of WM_LBUTTONDOWN when the click was on the arrow of a combo box.
inline constexpr LPARAM kOnDropArrow = 1;

inline constexpr UINT MB_OK = 0x00;
inline constexpr UINT MB_YESNO = 0x04;
inline constexpr UINT MB_TYPEMASK = 0x0F;
inline constexpr UINT MB_ICONSTOP = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr UINT MB_ICONMASK = 0xF0;

inline constexpr std::uint32_t WS_TABSTOP = 0x00010000;
inline constexpr std::uint32_t WS_GROUP = 0x00020000;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000;
inline constexpr std::uint32_t CBS_DROPDOWN = 0x2;
inline constexpr std::uint32_t CBS_DROPDOWNLIST = 0x3;
inline constexpr std::uint32_t CBS_SORT = 0x100;
inline constexpr std::uint32_t ES_MULTILINE = 0x4;

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;

inline constexpr int CB_ERR = -1;

inline WPARAM MAKEWPARAM(unsigned low, unsigned high) {
  return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
inline unsigned LOWORD(WPARAM value) { return static_cast<unsigned>(value & 0xFFFFu); }
inline unsigned HIWORD(WPARAM value) { return static_cast<unsigned>((value >> 16) & 0xFFFFu); }

struct MSG {
  HWND hwnd = 0;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// In dialog units for the window and its controls.
struct Rect {
  int x = 0, y = 0, cx = 0, cy = 0;
  bool operator==(const Rect&) const = default;
};

// Dialog units to pixels for the dialogs' font (8-point MS Sans Serif, 6 by 13 pixel base units).
inline int duToPixelsX(int du) { return du * 6 / 4; }
inline int duToPixelsY(int du) { return du * 13 / 8; }
inline int pixelsToDuX(int px) { return (px * 4 + 3) / 6; }
inline int pixelsToDuY(int px) { return (px * 8 + 12) / 13; }

}  // namespace kvr::ui

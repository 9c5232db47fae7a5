#pragma once

#include <string>
#include <vector>

#include "ui/CDialog.h"

namespace kvr {

// The start window (2402): the start picture for `splashdelay` seconds, then the first page,
// run modally from the timer handler. A key or mouse button ends the wait early; closing
// asks the exit confirmation and, when declined, waits the full delay again. It carries the
// program icon (2475), big and small, and gives it as the drag icon.
class CSplashDlg : public ui::CDialog {
 public:
  static constexpr ui::UINT_PTR kTimerId = 1;

  explicit CSplashDlg(std::vector<std::string> plainArguments);

  bool PreTranslateMessage(ui::MSG* msg) override;

 protected:
  bool OnInitDialog() override;

 private:
  ui::LRESULT OnCreate(ui::WPARAM, ui::LPARAM);
  ui::LRESULT OnPaint(ui::WPARAM, ui::LPARAM);
  ui::LRESULT OnQueryDragIcon(ui::WPARAM, ui::LPARAM);
  void OnTimer(ui::UINT_PTR id);
  void OnClose();
  void startTimer();

  std::vector<std::string> m_plainArguments;
  ui::HICON m_hIcon;
};

}  // namespace kvr

#pragma once

#include "ui/CDialog.h"

namespace kvr {

// The page between the contact page and the additional information page (2100): what was
// found about the computer, and whether to send it. The answer is kept for the run, so the
// page shown again starts from it.
class CSystemInfoPage : public ui::CDialog {
 public:
  CSystemInfoPage();
  ~CSystemInfoPage() override;

  bool PreTranslateMessage(ui::MSG* msg) override;
  int sendChoice() const { return m_send; }
  // The next page starts with Yes again, as at the start of a run (tests).
  static void forgetAnswer();
  // Lets close end the page without the exit confirmation.
  void closeWithoutAsking() { m_closeWithoutAsking = 1; }

 protected:
  bool OnInitDialog() override;

 private:
  void OnYes() { m_send = 1; }
  void OnNo() { m_send = 0; }
  void OnBack();
  void OnNext();
  void OnExit();
  void OnClose();
  ui::LRESULT OnPaint(ui::WPARAM, ui::LPARAM);
  void storeChoice() const;
  void showFacts();

  int m_send = 1;
  int m_closeWithoutAsking = 0;
};

}  // namespace kvr

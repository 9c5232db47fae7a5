#pragma once

namespace kvr::net {

// Results of the connecting dialog: its Cancel button, and the end the worker gives it.
inline constexpr int kConnectingCancel = 2330;
inline constexpr int kConnectingDone = 2331;

// The dialog the user waits in while the worker runs (dialog 2409 in the wizard).
class ConnectingDialog {
 public:
  virtual ~ConnectingDialog() = default;
  // Runs modally on the user-interface thread until ended; returns the result. Cancel by the
  // user returns kConnectingCancel.
  virtual int runModal() = 0;
  // Called from the worker thread, possibly before runModal() has started (it then returns
  // at once) or after it has returned (then it does nothing).
  virtual void endFromWorker(int result) = 0;
};

}  // namespace kvr::net

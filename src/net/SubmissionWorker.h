#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string_view>

#include "net/ConnectingDialog.h"
#include "net/PostEnvironment.h"

namespace kvr {
class CRegException;
}

namespace kvr::net {

// One press of Submit: runs the submission on a worker thread while the connecting dialog is
// open, and raises on the user-interface thread whatever the worker failed with.
//
// Cancel never kills the worker (it may hold a lock of the allocator or the resolver): the
// dialog ends at once, every wait of the worker's sockets ends through the cancel signal, and
// the worker is left to finish on its own. It holds the shared state by shared pointer, so the
// state outlives the dialog and this object; after Cancel nothing it does reaches the dialog,
// the pending error or the caller.
class SubmissionWorker {
 public:
  // The network work; throws CRegException* on failure. Runs on the worker thread.
  using Body = std::function<void(const PostEnvironment&)>;

  // The pause after the network work that keeps the dialog up for a moment.
  static constexpr std::chrono::milliseconds kDefaultPause{1000};

  explicit SubmissionWorker(Body body, std::chrono::milliseconds pause = kDefaultPause);
  ~SubmissionWorker();
  SubmissionWorker(const SubmissionWorker&) = delete;
  SubmissionWorker& operator=(const SubmissionWorker&) = delete;

  // Returns when the work succeeded; throws CRegException* (id 219) otherwise, with
  // "Your registration has been canceled. " after Cancel. `env.cancel` is set here.
  void submit(ConnectingDialog& dialog, PostEnvironment env);

 private:
  struct Shared;
  Body m_body;
  std::chrono::milliseconds m_pause;
};

// The body of a real submission: chooses the server by the option `connect` and calls
// doPost with the service path and `query`.
SubmissionWorker::Body registrationBody(std::string query);

// With the option `connect` set to "No" nothing is sent: logs the query and the operating
// system lines, then fails with "No connect parameter was specified.". Otherwise returns.
void checkConnectSwitch(std::string_view query, const PostEnvironment& env);

// The environment from the options (timeout, regressionTest) and the program's version line;
// the caller adds the operating system's name and version.
PostEnvironment defaultEnvironment();

}  // namespace kvr::net

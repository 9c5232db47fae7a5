#include "net/SubmissionWorker.h"

#include <condition_variable>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

#include "app/CRegException.h"
#include "app/Options.h"
#include "log/DebugLog.h"
#include "net/DoPost.h"
#include "net/ServerTarget.h"
#include "net/SocketErrors.h"
#include "record/RegistrationRecord.h"
#include "sysinfo/OsIdentity.h"
#include "ui/StringTable.h"

namespace kvr::net {

namespace {

constexpr int kConnectionFailure = 219;
constexpr unsigned kCanceled = 245;
constexpr unsigned kPostFailed = 1511;
constexpr int kThreadFailedExit = 100;
constexpr int kNoConnect = 1547;

}  // namespace

struct SubmissionWorker::Shared {
  std::mutex mutex;
  std::condition_variable wake;
  ConnectingDialog* dialog = nullptr;
  CRegException* pending = nullptr;
  bool canceled = false;

  ~Shared() {
    if (pending) pending->Delete();
  }
};

SubmissionWorker::SubmissionWorker(Body body, std::chrono::milliseconds pause)
    : m_body(std::move(body)), m_pause(pause) {}

SubmissionWorker::~SubmissionWorker() = default;

void SubmissionWorker::submit(ConnectingDialog& dialog, PostEnvironment env) {
  auto shared = std::make_shared<Shared>();
  env.cancel = std::make_shared<platform::CancelSignal>();
  // Recorded before the worker starts, so a worker that finishes at once still ends it.
  shared->dialog = &dialog;

  auto work = [shared, body = m_body, pause = m_pause, env]() {
    CRegException* error = nullptr;
    try {
      body(env);
    } catch (CRegException* e) {
      error = e;
    } catch (const std::exception& e) {
      debugLog() << "Submission failed: " << e.what() << std::endl;
      error = new CRegException(kConnectionFailure, ui::loadString(kPostFailed), nullptr);
    }
    std::unique_lock lock(shared->mutex);
    if (shared->canceled) {
      if (error) error->Delete();
      return;
    }
    shared->pending = error;
    shared->wake.wait_for(lock, pause, [&] { return shared->canceled; });
    if (!shared->canceled && shared->dialog) shared->dialog->endFromWorker(kConnectingDone);
  };

  std::thread worker;
  try {
    worker = std::thread(std::move(work));
  } catch (const std::system_error&) {
    debugLog() << "Creating second thread for connecting failed! " << std::endl;
    std::_Exit(kThreadFailedExit);
  }

  const int result = dialog.runModal();
  CRegException* pending = nullptr;
  {
    std::lock_guard lock(shared->mutex);
    shared->dialog = nullptr;
    if (result != kConnectingDone) {
      shared->canceled = true;
    } else {
      pending = shared->pending;
      shared->pending = nullptr;
    }
  }
  if (result != kConnectingDone) {
    env.cancel->raise();
    shared->wake.notify_all();
    // A name lookup cannot be interrupted; the worker finishes it alone on the shared state.
    worker.detach();
    throw new CRegException(kConnectionFailure, ui::loadString(kCanceled), nullptr);
  }
  worker.join();
  if (pending) throw pending;
}

SubmissionWorker::Body registrationBody(std::string query) {
  return [query = std::move(query)](const PostEnvironment& env) {
    doPost(chooseHostText(options().connect), kServicePath, query, env);
  };
}

void checkConnectSwitch(std::string_view query, const PostEnvironment& env) {
  if (!equalsIgnoreCase(options().connect, "No")) return;
  debugLog() << query << std::endl;
  debugLog() << "OS: " << (env.regressionTest ? "Windows Regression OS" : env.osName) << std::endl;
  debugLog() << "Version: " << (env.regressionTest ? "Windows Regression Version" : env.osVersion)
             << std::endl;
  failSubmission(kNoConnect);
}

PostEnvironment defaultEnvironment() {
  PostEnvironment env;
  env.timeoutSeconds = std::atoi(options().timeout.c_str());
  env.regressionTest = equalsIgnoreCase(options().regressionTest, "yes");
  env.versionText = RegistrationRecord::versionLine();
  env.osName = osName();
  env.osVersion = osVersion();
  return env;
}

}  // namespace kvr::net

#include "net/SubmissionWorker.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "NetTestSupport.h"
#include "app/Options.h"
#include "net/SocketErrors.h"
#include "support/LogCapture.h"

namespace kvr::net {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// The connecting dialog without a window: the user's Cancel is a click at a chosen time.
class FakeDialog : public ConnectingDialog {
 public:
  explicit FakeDialog(std::optional<std::chrono::milliseconds> cancelAfter = std::nullopt)
      : m_cancelAfter(cancelAfter) {}

  int runModal() override {
    std::unique_lock lock(m_mutex);
    const auto start = Clock::now();
    const auto deadline = start + (m_cancelAfter ? *m_cancelAfter : 10s);
    m_wake.wait_until(lock, deadline, [&] { return m_result.has_value(); });
    if (!m_result) {
      m_result = m_cancelAfter ? kConnectingCancel : -1;  // -1: the watchdog fired
      cancelledAt = Clock::now();
    }
    m_running = false;
    return *m_result;
  }

  void endFromWorker(int result) override {
    std::lock_guard lock(m_mutex);
    ++endsFromWorker;
    if (!m_result) m_result = result;
    m_wake.notify_all();
  }

  std::atomic<int> endsFromWorker{0};
  Clock::time_point cancelledAt;

 private:
  std::optional<std::chrono::milliseconds> m_cancelAfter;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::optional<int> m_result;
  bool m_running = true;
};

std::string submitText(SubmissionWorker& worker, FakeDialog& dialog,
                       PostEnvironment env = PostEnvironment{}) {
  return test::failureText([&] { worker.submit(dialog, env); });
}

TEST(SubmissionWorkerTest, SuccessEndsTheDialogAfterThePause) {
  SubmissionWorker worker([](const PostEnvironment&) {}, 300ms);
  FakeDialog dialog;
  const auto start = Clock::now();
  EXPECT_EQ(submitText(worker, dialog), "");
  EXPECT_GE(Clock::now() - start, 300ms);
  EXPECT_EQ(dialog.endsFromWorker, 1);
}

TEST(SubmissionWorkerTest, FailureIsRaisedAfterTheDialogCloses) {
  SubmissionWorker worker([](const PostEnvironment&) { failSubmission(1530); }, 10ms);
  FakeDialog dialog;
  EXPECT_EQ(submitText(worker, dialog), "The request timed out.");
  EXPECT_EQ(dialog.endsFromWorker, 1);
}

TEST(SubmissionWorkerTest, OtherExceptionsBecomeAFailure) {
  SubmissionWorker worker([](const PostEnvironment&) { throw std::bad_alloc(); }, 10ms);
  FakeDialog dialog;
  EXPECT_EQ(submitText(worker, dialog), "Posting the data was not successful.");
}

// A listener whose backlog is full: the kernel drops further SYNs, so a connect hangs.
class FullListener {
 public:
  FullListener() {
    m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = inet_addr("127.0.0.1");
    ::bind(m_listen, reinterpret_cast<sockaddr*>(&at), sizeof at);
    ::listen(m_listen, 0);
    socklen_t length = sizeof at;
    ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&at), &length);
    m_at = at;
    for (int i = 0; i < 4; ++i) {
      const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
      ::connect(fd, reinterpret_cast<sockaddr*>(&at), sizeof at);
      m_fillers.push_back(fd);
    }
    std::this_thread::sleep_for(50ms);
  }
  ~FullListener() {
    for (int fd : m_fillers) ::close(fd);
    ::close(m_listen);
  }
  std::uint32_t address() const { return m_at.sin_addr.s_addr; }
  std::uint16_t port() const { return ntohs(m_at.sin_port); }

 private:
  int m_listen;
  sockaddr_in m_at{};
  std::vector<int> m_fillers;
};

TEST(SubmissionWorkerTest, CancelEndsAHangingConnectWithin100ms) {
  FullListener listener;
  auto workerDone = std::make_shared<std::atomic<bool>>(false);
  auto workerEnded = std::make_shared<std::atomic<Clock::rep>>(0);
  auto connectResult = std::make_shared<std::atomic<int>>(0);
  SubmissionWorker worker([&listener, workerDone, workerEnded,
                           connectResult](const PostEnvironment& env) {
    platform::Socket socket(env.cancel);
    socket.open();
    *connectResult = socket.connect(listener.address(), listener.port()) == 0
                         ? 0
                         : socket.lastError();
    *workerEnded = Clock::now().time_since_epoch().count();
    *workerDone = true;
    failSubmission(1528);
  });
  FakeDialog dialog(300ms);
  const auto text = submitText(worker, dialog);
  const auto returned = Clock::now();
  EXPECT_EQ(text, "Your registration has been canceled. ");
  EXPECT_LT(returned - dialog.cancelledAt, 100ms);
  for (int i = 0; i < 100 && !*workerDone; ++i) std::this_thread::sleep_for(1ms);
  ASSERT_TRUE(*workerDone) << "the hanging connect did not end";
  EXPECT_EQ(*connectResult, platform::kWsaInterrupted);
  EXPECT_LT(Clock::time_point(Clock::duration(*workerEnded)) - dialog.cancelledAt, 100ms);
  EXPECT_EQ(dialog.endsFromWorker, 0) << "nothing after Cancel reaches the dialog";
}

TEST(SubmissionWorkerTest, CancelDuringAnUninterruptibleLookupLeavesTheWorkerBehind) {
  auto finished = std::make_shared<std::atomic<bool>>(false);
  SubmissionWorker worker([finished](const PostEnvironment&) {
    std::this_thread::sleep_for(400ms);  // a name lookup that cannot be interrupted
    *finished = true;
    failSubmission(1505);
  }, 10ms);
  auto dialog = std::make_unique<FakeDialog>(50ms);
  const auto start = Clock::now();
  EXPECT_EQ(submitText(worker, *dialog), "Your registration has been canceled. ");
  EXPECT_LT(Clock::now() - start, 200ms);
  EXPECT_FALSE(*finished);
  dialog.reset();  // the dialog is gone before the worker finishes
  for (int i = 0; i < 100 && !*finished; ++i) std::this_thread::sleep_for(10ms);
  std::this_thread::sleep_for(50ms);
  EXPECT_TRUE(*finished);
}

}  // namespace
}  // namespace kvr::net

namespace kvr::net {
namespace {

TEST(ConnectSwitchTest, NoSendsNothingAndLogsTheQuery) {
  resetOptions();
  PostEnvironment env;
  env.regressionTest = true;
  {
    test::LogCapture log;
    EXPECT_EQ(test::failureText([&] { checkConnectSwitch("a=1&b=2", env); }), "");
    EXPECT_EQ(log.text(), "");
  }
  options().connect = "no";
  test::LogCapture log;
  EXPECT_EQ(test::failureText([&] { checkConnectSwitch("a=1&b=2", env); }),
            "No connect parameter was specified.");
  EXPECT_EQ(log.text(), "a=1&b=2\nOS: Windows Regression OS\nVersion: Windows Regression Version\n");
  resetOptions();
}

TEST(DefaultEnvironmentTest, TakesTheOptions) {
  resetOptions();
  EXPECT_EQ(defaultEnvironment().timeoutSeconds, 45);
  EXPECT_FALSE(defaultEnvironment().regressionTest);
  options().timeout = "5";
  options().regressionTest = "YES";
  EXPECT_EQ(defaultEnvironment().timeoutSeconds, 5);
  EXPECT_TRUE(defaultEnvironment().regressionTest);
  EXPECT_EQ(defaultEnvironment().versionText.rfind("KVR 2.2.010228 ", 0), 0u);
  resetOptions();
}

}  // namespace
}  // namespace kvr::net

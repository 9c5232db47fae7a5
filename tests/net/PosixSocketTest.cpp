#include "platform/Socket.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <chrono>
#include <thread>

#include "LoopbackServer.h"

namespace kvr::platform {
namespace {

using namespace std::chrono_literals;
using test::LoopbackServer;
using test::ServerAction;

TEST(PosixSocketTest, ExchangeWithALoopbackServer) {
  LoopbackServer server([](const std::string&) { return ServerAction{{"hello"}}; });
  Socket socket;
  ASSERT_EQ(socket.open(), 0);
  ASSERT_EQ(socket.connect(inet_addr("127.0.0.1"), server.port()), 0);
  EXPECT_EQ(socket.send("GET x\n"), 6);
  ASSERT_EQ(socket.waitReadable(5), 1);
  char buffer[16];
  EXPECT_EQ(socket.receive(buffer, sizeof buffer), 5);
  EXPECT_EQ(std::string(buffer, 5), "hello");
  ASSERT_EQ(socket.waitReadable(5), 1);
  EXPECT_EQ(socket.receive(buffer, sizeof buffer), 0);
}

TEST(PosixSocketTest, RefusedAndTimedOut) {
  std::uint16_t port;
  {
    LoopbackServer gone([](const std::string&) { return ServerAction{}; });
    port = gone.port();
  }
  Socket refused;
  refused.open();
  EXPECT_EQ(refused.connect(inet_addr("127.0.0.1"), port), -1);
  EXPECT_EQ(refused.lastError(), kWsaConnRefused);

  LoopbackServer silent([](const std::string&) {
    ServerAction action;
    action.silent = true;
    return action;
  });
  Socket socket;
  socket.open();
  ASSERT_EQ(socket.connect(inet_addr("127.0.0.1"), silent.port()), 0);
  socket.send("GET x\n");
  EXPECT_EQ(socket.waitReadable(1), 0);
}

TEST(PosixSocketTest, CancelFromAnotherThreadEndsAWait) {
  LoopbackServer silent([](const std::string&) {
    ServerAction action;
    action.silent = true;
    return action;
  });
  auto cancel = std::make_shared<CancelSignal>();
  Socket socket(cancel);
  socket.open();
  ASSERT_EQ(socket.connect(inet_addr("127.0.0.1"), silent.port()), 0);
  socket.send("GET x\n");
  std::thread canceller([&] {
    std::this_thread::sleep_for(100ms);
    cancel->raise();
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(socket.waitReadable(30), -1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
  EXPECT_EQ(socket.lastError(), kWsaInterrupted);
  canceller.join();
  char buffer[4];
  EXPECT_EQ(socket.receive(buffer, sizeof buffer), -1) << "a raised signal stays raised";
}

TEST(PosixSocketTest, ClosedSocketIsABadHandle) {
  Socket socket;
  EXPECT_EQ(socket.send("x"), -1);
  EXPECT_EQ(socket.lastError(), 10038);
}

TEST(PosixSocketTest, NamesAndDottedAddresses) {
  std::uint32_t address = 0;
  EXPECT_EQ(lookupHost("localhost", address), 0);
  EXPECT_EQ(address, inet_addr("127.0.0.1"));
  const int missing = lookupHost("no-such-host.invalid", address);
  EXPECT_TRUE(missing == kWsaHostNotFound || missing == kWsaTryAgain) << missing;

  struct Case {
    std::string text;
    bool converts;
    std::string dotted;
  } cases[] = {
      {"10.1.2.3", true, "10.1.2.3"}, {"127.1", true, "127.0.0.1"},
      {"255.255.255.255", true, "255.255.255.255"}, {"256.1.1.1", false, ""},
      {"", false, ""}, {"1.2.3.4x", false, ""}, {std::string("1.2.3.4\0", 8), false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parseDottedAddress(c.text, address), c.converts);
    if (c.converts) { EXPECT_EQ(address, inet_addr(c.dotted.c_str())); }
  }
}

}  // namespace
}  // namespace kvr::platform

#include "net/SubmissionRequest.h"

#include <gtest/gtest.h>

#include "app/Options.h"
#include "net/ServerTarget.h"

namespace kvr::net {
namespace {

TEST(SubmissionRequestTest, ServiceParametersInTheirFixedOrder) {
  EXPECT_EQ(serviceParameterFragment(),
            "method=InsertReg&numOfQuestions=27&campaign=056&"
            "service=RegistrationServices%2eRegister&surveyId=1");
}

TEST(SubmissionRequestTest, AssemblyOrder) {
  EXPECT_EQ(assembleQuery("a=1", "b=a%20b", "&q1=%25"),
            "a=1&b=a%20b&" + serviceParameterFragment() + "&q1=%25");
  EXPECT_EQ(assembleQuery("a=1", "b=2", ""), "a=1&b=2&" + serviceParameterFragment());
}

TEST(SubmissionRequestTest, RequestLines) {
  const std::string path = std::string(kServicePath) + "a=1";
  EXPECT_EQ(buildRequestText(false, "h", "/ovx", path),
            "GET /ovx/scripts/mwisapi.dll/Service.Gateway.DoGet?a=1 HTTP/1.0 \r\n\r\n");
  EXPECT_EQ(buildRequestText(true, "h", "/ovx", path),
            "GET http://h/ovx/scripts/mwisapi.dll/Service.Gateway.DoGet?a=1 HTTP/1.0 \r\n\r\n");
}

TEST(ServerTargetTest, HostTextSplit) {
  struct Case {
    std::string text;
    ServerTarget target;
  } cases[] = {
      {"register.example.com/ovx", {"register.example.com", "80", "/ovx"}},
      {"h:8080/a/b", {"h", "8080", "/a/b"}},
      {"h", {"h", "80", ""}},
      {"h:", {"h", "", ""}},
      {"/p", {"", "80", "/p"}},
      {"h/p:1", {"h", "80", "/p:1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(splitHostText(c.text), c.target);
  }
}

TEST(ServerTargetTest, ConnectOptionChoosesTheHost) {
  EXPECT_EQ(chooseHostText("Direct"), "register.example.com");
  EXPECT_EQ(chooseHostText("dIReCtiP"), "192.0.2.10");
  EXPECT_EQ(chooseHostText("Yes"), "register.example.com/ovx");
  EXPECT_EQ(chooseHostText("anything"), "register.example.com/ovx");
}

TEST(ServerTargetTest, PortNumbers) {
  EXPECT_EQ(portNumber("80"), 80);
  EXPECT_EQ(portNumber("65535"), 65535);
  EXPECT_EQ(portNumber("65536"), 0);
  EXPECT_EQ(portNumber(""), 0);
  EXPECT_EQ(portNumber("8o"), 0);
}

}  // namespace
}  // namespace kvr::net

#include "net/ReplyJudge.h"

#include <gtest/gtest.h>

#include <string>

namespace kvr::net {
namespace {

using Kind = ReplyVerdict::Kind;
const std::string kPath = "/scripts/mwisapi.dll/Service.Gateway.DoGet?";

struct Case {
  std::string reply;
  Kind kind;
  ServerTarget target;
  int errorId;
};

TEST(ReplyJudgeTest, Table) {
  const Case cases[] = {
      {"HTTP/1.0 200 OK\r\n\r\nresult1=success", Kind::Accepted, {}, 0},
      {"RESULT1=SUCCESS", Kind::Accepted, {}, 0},
      {"HTTP/1.0 200 OK\r\n\r\nresult1=failure", Kind::Failed, {}, 1511},
      {"", Kind::Failed, {}, 1511},
      // Redirect by header: another host without a port goes to port 80.
      {"HTTP/1.0 302\r\nLocation: http://other.example.com" + kPath + "x=1\r\n\r\n",
       Kind::Redirect, {"other.example.com", "80", ""}, 0},
      {"location: HTTP://10.0.0.1:8080/reg/ovx" + kPath, Kind::Redirect,
       {"10.0.0.1", "8080", "/reg/ovx"}, 0},
      {"Location: http://h:/" + kPath, Kind::Redirect, {"h", "80", ""}, 0},
      {"LOCATION:http://h/" + kPath, Kind::Redirect, {"h", "80", ""}, 0},
      // Without "http://" the first six characters go.
      {"Location: xxxxxhost/p" + kPath, Kind::Redirect, {"host", "80", "/p"}, 0},
      {"Location: http://h/elsewhere", Kind::Failed, {}, 1513},
      {"Location: http://h", Kind::Failed, {}, 1513},
      {"Location:", Kind::Failed, {}, 1513},
      // A header redirect wins over acceptance and links.
      {"result1=success Location: http://h" + kPath + " href=\"http://g" + kPath + "\"",
       Kind::Redirect, {"h", "80", ""}, 0},
      // Redirect by link: the first link naming the service path.
      {"<a href=\"http://a/none\">x</a><A HREF=\"http://b:81/pre" + kPath + "q\">", Kind::Redirect,
       {"b", "81", "/pre"}, 0},
      {"href=\"b" + kPath + "\"", Kind::Redirect, {"b", "80", ""}, 0},
      {"href=\"b/" + kPath + "\"", Kind::Redirect, {"b", "80", ""}, 0},
      {"href=http://c/p" + kPath, Kind::Redirect, {"c", "80", "/p"}, 0},
      // Acceptance with links that do not name the service is a bad redirect.
      {"result1=success <a href=\"http://a/\">", Kind::Failed, {}, 1513},
      {"href", Kind::Failed, {}, 1513},
      // The service path must lie inside the quotes.
      {"href=\"http://a/\" " + kPath, Kind::Failed, {}, 1513},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply);
    const auto verdict = judgeReply(c.reply);
    EXPECT_EQ(verdict.kind, c.kind);
    if (c.kind == Kind::Redirect) { EXPECT_EQ(verdict.target, c.target); }
    if (c.kind == Kind::Failed) { EXPECT_EQ(verdict.errorId, c.errorId); }
  }
}

TEST(ReplyJudgeTest, SplitAtEveryByteNeverReadsPastTheText) {
  const std::string reply = "Location: http://h:9/p" + kPath + " href=\"x\" result1=success";
  for (std::size_t cut = 0; cut <= reply.size(); ++cut) {
    SCOPED_TRACE(cut);
    const auto verdict = judgeReply(std::string_view(reply).substr(0, cut));
    if (cut < 9) { EXPECT_NE(verdict.kind, Kind::Redirect); }
  }
}

TEST(ReplyJudgeTest, ManyUnquotedLinksStayLinear) {
  std::string reply;
  for (int i = 0; i < 200000; ++i) reply += "HREF ";
  const auto verdict = judgeReply(reply);
  EXPECT_EQ(verdict.errorId, 1513);
}

}  // namespace
}  // namespace kvr::net

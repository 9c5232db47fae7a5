#pragma once

#include <string_view>

#include "net/ServerTarget.h"

namespace kvr::net {

// What the registration server's reply says. Searches ignore case.
struct ReplyVerdict {
  enum class Kind { Accepted, Redirect, Failed };
  Kind kind = Kind::Failed;
  ServerTarget target;  // Redirect: where the next request goes
  int errorId = 0;      // Failed: 1511 not accepted, 1513 bad redirect
};

// A "Location:" anywhere is a redirect by header; else an "HREF" whose link names the service
// path is a redirect by link; else "RESULT1=SUCCESS" accepts. Linear in the reply's length.
ReplyVerdict judgeReply(std::string_view reply);

}  // namespace kvr::net

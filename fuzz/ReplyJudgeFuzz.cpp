// Any bytes as a server reply: a verdict, never a crash; a redirect names a host without "/".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/ReplyJudge.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view reply(reinterpret_cast<const char*>(data), size);
  const auto verdict = kvr::net::judgeReply(reply);
  using Kind = kvr::net::ReplyVerdict::Kind;
  if (verdict.kind == Kind::Redirect &&
      (verdict.target.host.find('/') != std::string::npos || verdict.target.port.empty() ||
       verdict.target.prefix == "/"))
    std::abort();
  if (verdict.kind == Kind::Failed && verdict.errorId != 1511 && verdict.errorId != 1513)
    std::abort();
  return 0;
}

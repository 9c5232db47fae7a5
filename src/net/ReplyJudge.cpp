#include "net/ReplyJudge.h"

#include <algorithm>
#include <string>

namespace kvr::net {

namespace {

constexpr int kPostFailed = 1511;
constexpr int kBadRedirect = 1513;
constexpr auto npos = std::string_view::npos;

char upperByte(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Finds an upper-case needle ignoring case, without an upper-case copy of a reply that may
// be a megabyte.
std::size_t findNoCase(std::string_view haystack, std::string_view upperNeedle,
                       std::size_t from = 0) {
  if (from > haystack.size()) return npos;
  const auto it = std::search(haystack.begin() + static_cast<std::ptrdiff_t>(from), haystack.end(),
                              upperNeedle.begin(), upperNeedle.end(),
                              [](char a, char b) { return upperByte(a) == b; });
  return it == haystack.end() && !upperNeedle.empty()
             ? npos
             : static_cast<std::size_t>(it - haystack.begin());
}

// Next occurrence of a needle at or after a position that never decreases between calls:
// each search resumes where the last one stopped, so a whole scan stays linear.
class ForwardFinder {
 public:
  ForwardFinder(std::string_view haystack, std::string_view needle)
      : m_haystack(haystack), m_needle(needle) {}

  std::size_t from(std::size_t position) {
    if (!m_valid || position > m_found) {
      m_found = findNoCase(m_haystack, m_needle, position);
      m_valid = true;
    }
    return m_found;
  }

 private:
  std::string_view m_haystack;
  std::string_view m_needle;
  std::size_t m_found = 0;
  bool m_valid = false;
};

ReplyVerdict failed(int id) {
  ReplyVerdict verdict;
  verdict.errorId = id;
  return verdict;
}

ReplyVerdict redirectTo(std::string_view hostPort, std::string_view prefix) {
  ReplyVerdict verdict;
  verdict.kind = ReplyVerdict::Kind::Redirect;
  splitHostPort(hostPort, kDefaultHttpPort, verdict.target.host, verdict.target.port);
  verdict.target.prefix = prefix == "/" ? std::string() : std::string(prefix);
  return verdict;
}

ReplyVerdict judgeLocation(std::string_view reply, std::size_t at) {
  auto rest = reply.substr(at + 9);
  const auto scheme = findNoCase(rest, "HTTP://");
  rest = rest.substr(scheme == npos ? std::min<std::size_t>(6, rest.size()) : scheme + 7);
  const auto slash = rest.find('/');
  if (slash == npos) return failed(kBadRedirect);
  const auto service = findNoCase(rest, toUpperAscii(kServicePath), slash);
  if (service == npos) return failed(kBadRedirect);
  return redirectTo(rest.substr(0, slash), rest.substr(slash, service - slash));
}

ReplyVerdict judgeLinks(std::string_view reply, std::size_t at) {
  const std::string service = toUpperAscii(kServicePath);
  ForwardFinder quotes(reply, "\"");
  ForwardFinder closing(reply, "\"");
  ForwardFinder services(reply, service);
  ForwardFinder hrefs(reply, "HREF");
  for (; at != npos; at = hrefs.from(at + 4)) {
    const auto textStart = at + 4;
    const auto open = quotes.from(textStart);
    const auto start = open == npos ? textStart : open + 1;
    const auto close = closing.from(start);
    const auto end = close == npos ? reply.size() : close;
    const auto found = services.from(start);
    if (found == npos || found + service.size() > end) continue;
    auto link = reply.substr(start, found - start);
    const auto scheme = findNoCase(link, "HTTP://");
    if (scheme != npos) link = link.substr(scheme + 7);
    const auto slash = link.find('/');
    if (slash == npos) return redirectTo(link, {});
    return redirectTo(link.substr(0, slash), link.substr(slash));
  }
  return failed(kBadRedirect);
}

}  // namespace

ReplyVerdict judgeReply(std::string_view reply) {
  if (const auto at = findNoCase(reply, "LOCATION:"); at != npos) return judgeLocation(reply, at);
  if (const auto at = findNoCase(reply, "HREF"); at != npos) return judgeLinks(reply, at);
  if (findNoCase(reply, "RESULT1=SUCCESS") != npos) {
    ReplyVerdict verdict;
    verdict.kind = ReplyVerdict::Kind::Accepted;
    return verdict;
  }
  return failed(kPostFailed);
}

}  // namespace kvr::net

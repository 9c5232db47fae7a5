#include "net/SocketErrors.h"

#include "app/CRegException.h"
#include "log/DebugLog.h"
#include "ui/StringTable.h"

namespace kvr::net {

namespace {

constexpr int kConnectionFailure = 219;

// contextShown: the context's text is shown and the entry's text logged; otherwise the
// entry's text is both shown and logged.
struct ErrorEntry {
  int error;
  unsigned textId;
  bool contextShown;
};
constexpr ErrorEntry kErrorEntries[] = {
    {10004, 1538, true},  {10013, 1546, true},  {10014, 1531, true},  {10022, 1542, true},
    {10024, 1524, false}, {10035, 1545, true},  {10036, 1523, false}, {10037, 1539, true},
    {10038, 1544, true},  {10041, 1535, true},  {10043, 1534, true},  {10044, 1536, true},
    {10047, 1533, true},  {10048, 1537, true},  {10049, 1527, false}, {10050, 1525, false},
    {10051, 1529, false}, {10055, 1526, false}, {10056, 1543, true},  {10060, 1530, false},
    {10061, 1528, false}, {10067, 1524, false}, {10091, 1521, false}, {10092, 1522, false},
    {10093, 1532, true},
};

struct LookupEntry {
  int error;
  LookupFailure failure;
};
constexpr LookupEntry kLookupEntries[] = {
    {11001, {"DNS failed: Authoritative host not found", false}},
    {11002, {"DNS failed: Host not found, try again", true}},
    {11003, {"DNS failed: Non-recoverable error", false}},
    {11004, {"DNS failed: Valid name, no data", false}},
    {10093, {"DNS failed: Sockets not initialised", false}},
    {10004, {"DNS failed: Call canceled", true}},
    {10014, {"DNS failed: Server name not valid part of address space", false}},
    {10036, {"DNS failed: Blocking socket call in progress", true}},
    {10050, {"DNS failed: Network subsystem has failed", false}},
};

}  // namespace

SocketErrorTexts socketErrorTexts(int error, int contextId) {
  const std::string context = ui::loadString(static_cast<unsigned>(contextId));
  for (const auto& entry : kErrorEntries) {
    if (entry.error != error) continue;
    const std::string text = ui::loadString(entry.textId);
    return {entry.contextShown ? context : text, text};
  }
  const std::string shown = context + " " + std::to_string(error);
  return {shown, shown};
}

LookupFailure classifyLookupFailure(int error) {
  for (const auto& entry : kLookupEntries)
    if (entry.error == error) return entry.failure;
  return {"DNS failed: Unrecognized error code", false};
}

void failSubmission(const std::string& text) {
  throw new CRegException(kConnectionFailure, text, nullptr);
}

void failSubmission(int stringId) { failSubmission(ui::loadString(static_cast<unsigned>(stringId))); }

void raiseSocketError(int error, int contextId) {
  const auto texts = socketErrorTexts(error, contextId);
  debugLog() << texts.logged << std::endl;
  failSubmission(texts.shown);
}

}  // namespace kvr::net

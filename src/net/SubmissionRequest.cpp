#include "net/SubmissionRequest.h"

#include "record/RequestEncoding.h"
#include "ui/StringTable.h"

namespace kvr::net {

std::string serviceParameterFragment() {
  std::string out;
  for (const auto& parameter : kServiceParameters) {
    if (!out.empty()) out += '&';
    appendRequestPair(out, parameter.key, ui::loadString(parameter.stringId));
  }
  return out;
}

std::string assembleQuery(std::string_view recordFragment, std::string_view systemFragment,
                          std::string_view answersFragment) {
  std::string query(recordFragment);
  query += '&';
  query += systemFragment;
  query += '&';
  query += serviceParameterFragment();
  query += answersFragment;
  return query;
}

std::string buildRequestText(bool viaProxy, std::string_view host, std::string_view prefix,
                             std::string_view requestPath) {
  std::string request = "GET ";
  if (viaProxy) {
    request += "http://";
    request += host;
  }
  request += prefix;
  request += requestPath;
  request += " HTTP/1.0 \r\n\r\n";
  return request;
}

}  // namespace kvr::net

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kvr::net {

// A request line longer than this is not sent: common servers refuse longer lines (8 KiB),
// and the wizard's field limits keep a real registration far below it.
inline constexpr std::size_t kMaxRequestBytes = 8192;

// The five service parameters, in the order they are sent, and their string ids.
struct ServiceParameter {
  std::string_view key;
  unsigned stringId;
};
inline constexpr ServiceParameter kServiceParameters[] = {
    {"method", 1052}, {"numOfQuestions", 1054}, {"campaign", 1050},
    {"service", 1051}, {"surveyId", 1053},
};

// method=...&numOfQuestions=...&campaign=...&service=...&surveyId=..., values from the string
// table in force, escaped; an empty value goes as "%20".
std::string serviceParameterFragment();

// record fragment, "&", system-information fragment, "&", service parameters, then the
// answers fragment as it is (each of its pairs already begins with "&").
std::string assembleQuery(std::string_view recordFragment, std::string_view systemFragment,
                          std::string_view answersFragment);

// "GET " [ "http://" host ] prefix path query " HTTP/1.0 \r\n\r\n"; the absolute form is
// for an HTTP proxy and names no port.
std::string buildRequestText(bool viaProxy, std::string_view host, std::string_view prefix,
                             std::string_view requestPath);

}  // namespace kvr::net

#include "app/CRegCommandLineInfo.h"

#include <string_view>

#include "app/Options.h"
#include "log/DebugLog.h"

namespace kvr {

void CRegCommandLineInfo::ParseParam(const char* param, bool flag, bool /*last*/) {
  std::string_view argument(param);
  if (!flag) {
    m_plainArguments.emplace_back(argument);
    return;
  }
  auto equals = argument.find('=');
  std::string* option =
      equals == std::string_view::npos ? nullptr : options().find(argument.substr(0, equals));
  if (option == nullptr) {
    debugLog() << "Unknown Parameter: " << argument << std::endl;
    return;
  }
  *option = toLowerAscii(argument.substr(equals + 1));
}

void parseCommandLine(int argc, char** argv, CRegCommandLineInfo& info) {
  for (int i = 1; i < argc; ++i) {
    const char* argument = argv[i];
    bool flag = argument[0] == '-' || argument[0] == '/';
    info.ParseParam(flag ? argument + 1 : argument, flag, i + 1 == argc);
  }
}

}  // namespace kvr

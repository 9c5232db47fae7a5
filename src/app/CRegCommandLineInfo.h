#pragma once

#include <string>
#include <vector>

namespace kvr {

// Receives the command line one argument at a time: options ("-name=value" or
// "/name=value") go into the option store, everything else is kept in order as a product
// argument.
class CRegCommandLineInfo {
 public:
  // `param` is the argument with its leading dash or slash removed when `flag` is set.
  void ParseParam(const char* param, bool flag, bool last);

  const std::vector<std::string>& plainArguments() const { return m_plainArguments; }

 private:
  std::vector<std::string> m_plainArguments;
};

// Hands every argument after the program name to `info`, as the framework's parser does.
void parseCommandLine(int argc, char** argv, CRegCommandLineInfo& info);

}  // namespace kvr

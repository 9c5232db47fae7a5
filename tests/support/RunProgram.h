#pragma once

#include <map>
#include <string>
#include <vector>

namespace kvr::test {

struct ProgramResult {
  int exitCode = -1;  // the exit status, or 128 + signal number
  std::string out;
  std::string err;
};

// Runs a program with the given arguments (argv[0] is `program`), extra environment
// variables set on top of ours, standard input from /dev/null; waits for it and collects
// both output streams. Fails the calling test when the program cannot run within
// `timeoutSeconds`.
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env = {},
                         int timeoutSeconds = 30);

// Path of a program built by this project.
std::string builtProgram(const std::string& name);

}  // namespace kvr::test

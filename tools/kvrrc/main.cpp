// kvrrc: compiles a Windows resource script into C++ tables.
//
//   kvrrc [--function NAME] [--depfile FILE] [-I DIR]... -o OUT.cpp SCRIPT.rc
//
// Without --function the tables are a language module's, returned by the extern "C" entry
// point kvrResourceTables(); with it, by the C++ function NAME (for the program's own
// resources). --depfile writes the files read, for the build's dependency tracking. -I names
// a directory searched for #include files and pictures, as windres's -I does.
// Errors are reported as "file:line: message" with exit status 1.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "CompileError.h"
#include "Compiler.h"
#include "Emitter.h"

namespace {

constexpr const char* kUsage =
    "usage: kvrrc [--function NAME] [--depfile FILE] [-I DIR]... -o OUT.cpp SCRIPT.rc\n";

struct Options {
  std::string function;
  std::string depfile;
  std::string out;
  std::string script;
  std::vector<std::string> includeDirs;
};

bool parseArguments(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto operand = [&](std::string& into) {
      if (i + 1 >= argc) return false;
      into = argv[++i];
      return true;
    };
    if (arg == "-o") {
      if (!operand(options.out)) return false;
    } else if (arg == "--function") {
      if (!operand(options.function)) return false;
    } else if (arg == "--depfile") {
      if (!operand(options.depfile)) return false;
    } else if (arg == "-I") {
      std::string directory;
      if (!operand(directory)) return false;
      options.includeDirs.push_back(directory);
    } else if (!arg.empty() && arg[0] == '-') {
      return false;
    } else if (options.script.empty()) {
      options.script = arg;
    } else {
      return false;
    }
  }
  return !options.out.empty() && !options.script.empty();
}

std::string escapeForDepfile(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == ' ' || c == '#' || c == '\\') out += '\\';
    if (c == '$') out += '$';
    out += c;
  }
  return out;
}

// Written beside the target and renamed over it, so a failed run never leaves half a file.
bool writeFile(const std::string& path, const std::string& text) {
  std::string temporary = path + ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file.write(text.data(), static_cast<std::streamsize>(text.size())) || !file.flush()) {
      std::fprintf(stderr, "kvrrc: cannot write %s\n", temporary.c_str());
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::fprintf(stderr, "kvrrc: cannot write %s: %s\n", path.c_str(), error.message().c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseArguments(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  try {
    kvr::rc::DiskFileSource files;
    kvr::rc::Script script = kvr::rc::compileScript(options.script, files, options.includeDirs);
    std::string source = kvr::rc::emitCpp(script, {options.script, options.function});
    if (!options.depfile.empty()) {
      std::string rule = escapeForDepfile(options.out) + ":";
      for (const auto& dependency : script.dependencies) rule += " " + escapeForDepfile(dependency);
      if (!writeFile(options.depfile, rule + "\n")) return 1;
    }
    return writeFile(options.out, source) ? 0 : 1;
  } catch (const kvr::rc::CompileError& error) {
    std::fprintf(stderr, "%s\n", error.what());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", options.script.c_str(), error.what());
  }
  return 1;
}

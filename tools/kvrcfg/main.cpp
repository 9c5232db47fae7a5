// kvrcfg: writes the product configuration file that ships beside the wizard, and reads one
// back for support.
//
//   kvrcfg [-o OUT] [IN]      plain text -> configuration file
//   kvrcfg -d [-o OUT] [IN]   configuration file -> plain text
//
// IN and OUT default to standard input and output.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "record/ProductConfigCodec.h"

namespace {

constexpr std::string_view kUsage =
    "usage: kvrcfg [-o OUT] [IN]      write a product configuration file from plain text\n"
    "       kvrcfg -d [-o OUT] [IN]   decode a product configuration file to plain text\n"
    "IN and OUT default to standard input and output.\n";
constexpr std::size_t kChunkSize = 64 * 1024;

struct Options {
  bool decode = false;
  std::string in;   // empty: standard input
  std::string out;  // empty: standard output
};

void complain(const std::string& text) { std::fprintf(stderr, "kvrcfg: %s\n", text.c_str()); }

std::string systemError() { return std::strerror(errno); }

// Returns false (after saying why) on a command line we do not understand.
bool parseArguments(int argc, char** argv, Options& options) {
  bool haveIn = false;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "-d") {
      options.decode = true;
    } else if (arg == "-o") {
      if (++i == argc) {
        complain("-o needs a file name");
        return false;
      }
      options.out = argv[i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      complain("unknown option " + std::string(arg));
      return false;
    } else if (haveIn) {
      complain("only one input file may be given");
      return false;
    } else {
      options.in = arg;
      haveIn = true;
    }
  }
  if (options.in == "-") options.in.clear();
  if (options.out == "-") options.out.clear();
  return true;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

class Input {
 public:
  explicit Input(const std::string& path)
      : m_name(path.empty() ? "standard input" : path),
        m_file(path.empty() ? nullptr : std::fopen(path.c_str(), "rb")),
        m_stream(path.empty() ? stdin : m_file.get()) {
    if (m_stream == nullptr) complain("cannot read " + m_name + ": " + systemError());
  }
  bool isOpen() const { return m_stream != nullptr; }
  const std::string& name() const { return m_name; }

  // Calls `use` with each chunk; false (after saying why) when reading fails.
  template <typename Use>
  bool readChunks(Use use) {
    std::string chunk(kChunkSize, '\0');
    while (std::size_t got = std::fread(chunk.data(), 1, chunk.size(), m_stream))
      use(std::string_view(chunk.data(), got));
    if (std::ferror(m_stream)) {
      complain("cannot read " + m_name + ": " + systemError());
      return false;
    }
    return true;
  }

 private:
  std::string m_name;
  File m_file;
  std::FILE* m_stream;
};

// The output is opened only once there is something to write, so a failed run leaves no file
// behind; a plain file that cannot be completed is removed.
class Output {
 public:
  explicit Output(const std::string& path)
      : m_path(path), m_name(path.empty() ? "standard output" : path) {}
  ~Output() {
    if (m_file) {
      m_file.reset();
      discard();
    }
  }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  bool write(std::string_view bytes) {
    if (m_stream == nullptr) {
      if (m_path.empty()) {
        m_stream = stdout;
      } else {
        m_file.reset(std::fopen(m_path.c_str(), "wb"));
        m_stream = m_file.get();
        if (m_stream == nullptr) return fail();
      }
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_stream) != bytes.size()) return fail();
    return true;
  }

  // Flushes and closes; false (after saying why) when the data did not all arrive.
  bool finish() {
    if (m_stream == nullptr && !write({})) return false;
    if (std::fflush(m_stream) != 0) return fail();
    if (m_file) {
      std::FILE* file = m_file.release();
      m_stream = nullptr;
      if (std::fclose(file) != 0) {
        complain("cannot write " + m_name + ": " + systemError());
        discard();
        return false;
      }
    }
    return true;
  }

 private:
  bool fail() {
    complain("cannot write " + m_name + ": " + systemError());
    return false;
  }

  // Only a plain file we were writing: never a device such as /dev/null.
  void discard() {
    std::error_code ignored;
    if (std::filesystem::is_regular_file(m_path, ignored)) std::filesystem::remove(m_path, ignored);
  }

  std::string m_path;
  std::string m_name;
  File m_file;
  std::FILE* m_stream = nullptr;
};

int encode(Input& input, Output& output) {
  std::string text;
  if (!input.readChunks([&text](std::string_view chunk) { text.append(chunk); })) return 1;
  kvr::ConfigEncoding encoding = kvr::encodeProductConfig(text);
  if (!encoding.ok()) {
    complain(input.name() + ": " + encoding.error);
    return 1;
  }
  return output.write(encoding.bytes) && output.finish() ? 0 : 1;
}

// Streams, so that a damaged file of any size can be looked at.
int decode(Input& input, Output& output) {
  bool written = true;
  std::string text;
  kvr::ConfigLineReader reader(
      [&](std::string_view line) {
        text.assign(line);
        text += '\n';
        if (written) written = output.write(text);
      },
      [&](std::uint64_t lineNumber, std::uint64_t length) {
        complain(input.name() + ": line " + std::to_string(lineNumber) + " is " +
                 std::to_string(length) + " bytes long; the wizard skips it");
      });
  if (!input.readChunks([&](std::string_view chunk) { reader.feed(chunk); })) return 1;
  if (reader.pendingBytes() > 0) {
    complain(input.name() + ": the last " + std::to_string(reader.pendingBytes()) +
             " bytes have no line end; the wizard ignores them");
  }
  return written && output.finish() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseArguments(argc, argv, options)) {
    std::fputs(kUsage.data(), stderr);
    return 2;
  }
  Input input(options.in);
  if (!input.isOpen()) return 1;
  Output output(options.out);
  return options.decode ? decode(input, output) : encode(input, output);
}

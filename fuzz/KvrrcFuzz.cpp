// Fuzzes the resource compiler: any bytes as a script give tables or a CompileError, never a
// crash, a hang or unbounded memory. Text after a line "#----" is served as "inc.h", so the
// fuzzer reaches #include with content of its own; "ids.h", "a.bmp" and "a.ico" are fixed.
//
//   kvrrc_fuzz -dict=fuzz/kvrrc.dict CORPUS_DIR tests/ui/testdata

#include <cstddef>
#include <cstdint>
#include <string>

#include "CompileError.h"
#include "Compiler.h"
#include "Emitter.h"
#include "FileSource.h"

namespace {

const std::string kIds =
    "#ifndef IDS_H\n#define IDS_H\n#define IDS_GREETING 101\n#define IDD_PAGE 2100\n"
    "#define IDC_LABEL (-1)\n#define IDB_START 2450\n#define IDI_APP 2475\n#endif\n";

const std::string kBitmap(
    "\x42\x4D\x46\x00\x00\x00\x00\x00\x00\x00\x3E\x00\x00\x00\x28\x00\x00\x00\x04\x00\x00\x00"
    "\x02\x00\x00\x00\x01\x00\x08\x00\x00\x00\x00\x00\x08\x00\x00\x00\x13\x0B\x00\x00\x13\x0B"
    "\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\xFF\x00\xFF\x00\x80\x40\x00\x00\x01\x00\x00\x01"
    "\x00\x01\x01\x00",
    70);

const std::string kIcon(
    "\x00\x00\x01\x00\x01\x00\x10\x10\x00\x00\x01\x00\x08\x00\x08\x00\x00\x00\x16\x00\x00\x00"
    "\x01\x02\x03\x04\x05\x06\x07\x08",
    30);

class FuzzFiles : public kvr::rc::FileSource {
 public:
  explicit FuzzFiles(const std::string& input) {
    auto split = input.find("\n#----\n");
    m_script = input.substr(0, split);
    if (split != std::string::npos) m_include = input.substr(split + 7);
  }

  bool read(const std::string& path, std::string& bytes, std::string& error) override {
    if (path == "main.rc") bytes = m_script;
    else if (path == "inc.h") bytes = m_include;
    else if (path == "ids.h") bytes = kIds;
    else if (path == "a.bmp") bytes = kBitmap;
    else if (path == "a.ico") bytes = kIcon;
    else {
      error = "No such file or directory";
      return false;
    }
    return true;
  }

 private:
  std::string m_script;
  std::string m_include;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzFiles files(std::string(reinterpret_cast<const char*>(data), size));
  try {
    kvr::rc::Script script = kvr::rc::compileScript("main.rc", files);
    kvr::rc::emitCpp(script, {"main.rc", ""});
  } catch (const kvr::rc::CompileError&) {
  }
  return 0;
}

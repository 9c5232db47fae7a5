#include <gtest/gtest.h>

#include <filesystem>

#include "record/ProductConfig.h"
#include "record/ProductConfigCodec.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace kvr {
namespace {

namespace fs = std::filesystem;

const std::string kSampleText = KVR_SOURCE_DIR "/res/sample/kvovxreg.txt";

test::ProgramResult kvrcfg(const std::vector<std::string>& args) {
  return test::runProgram(test::builtProgram("kvrcfg"), args);
}

test::ProgramResult shell(const std::string& command) {
  return test::runProgram("/bin/sh", {"-c", command});
}

std::string quoted(const std::string& path) { return "'" + path + "'"; }

class Kvrcfg : public ::testing::Test {
 protected:
  std::string file(const std::string& name) const { return m_dir.file(name); }
  std::string write(const std::string& name, const std::string& bytes) const {
    test::writeFile(file(name), bytes);
    return file(name);
  }

  test::TempDir m_dir;
};

TEST_F(Kvrcfg, WritesTheFileTheWizardReads) {
  test::ProgramResult result = kvrcfg({"-o", file("kvovxreg.dat"), kSampleText});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  std::string bytes = test::readFile(file("kvovxreg.dat"));
  EXPECT_EQ(bytes, encodeProductConfig(test::readFile(kSampleText)).bytes);

  ProductConfig config(file("kvovxreg.dat"));
  EXPECT_EQ(config.productName(), "OVX Sample Office");
  EXPECT_EQ(config.partNumberFor(18, 1), "10K0002");
  EXPECT_EQ(config.partNumberFor(22, 0), "10K0001");
}

TEST_F(Kvrcfg, StandardInputAndOutput) {
  const std::string program = quoted(test::builtProgram("kvrcfg"));
  test::ProgramResult result =
      shell(program + " < " + quoted(kSampleText) + " > " + quoted(file("out.dat")));
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(test::readFile(file("out.dat")),
            encodeProductConfig(test::readFile(kSampleText)).bytes);

  result = shell(program + " -d < " + quoted(file("out.dat")));
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, test::readFile(kSampleText));
}

TEST_F(Kvrcfg, DecodesWhatItWrote) {
  const std::string text = "productName: A\r\nlang deu: D1  D2\r\n\r\nproductType: T";
  ASSERT_EQ(kvrcfg({"-o", file("a.dat"), write("a.txt", text)}).exitCode, 0);

  test::ProgramResult toOutput = kvrcfg({"-d", file("a.dat")});
  ASSERT_EQ(toOutput.exitCode, 0) << toOutput.err;
  EXPECT_EQ(toOutput.out, "productName: A\nlang deu: D1  D2\n\nproductType: T\n");
  EXPECT_EQ(toOutput.err, "");

  test::ProgramResult toFile = kvrcfg({"-d", "-o", file("back.txt"), file("a.dat")});
  ASSERT_EQ(toFile.exitCode, 0) << toFile.err;
  EXPECT_EQ(test::readFile(file("back.txt")), toOutput.out);
}

TEST_F(Kvrcfg, DecodeWarnsAboutWhatTheWizardIgnores) {
  std::string longLine(kMaxConfigLineLength + 1, static_cast<char>('x' ^ 0xFF));
  std::string bytes = encodeProductConfig("a\n").bytes + longLine + "\n\r" +
                      encodeProductConfig("b\n").bytes + "tail";
  test::ProgramResult result = kvrcfg({"-d", write("odd.dat", bytes)});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "a\nb\n");
  EXPECT_NE(result.err.find("line 2 is 65537 bytes long"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("last 4 bytes have no line end"), std::string::npos) << result.err;
}

TEST_F(Kvrcfg, Errors) {
  const std::string out = file("out.dat");
  const std::string unstorable =
      write("bad.txt", "productName: A\nproductType: B\nlang enu: \xF5\nlang deu: D\n");
  fs::create_directory(file("dir"));
  struct Case {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
    std::vector<std::string> says;
  };
  const Case cases[] = {
      {"missing input", {"-o", out, file("missing.txt")}, 1,
       {"cannot read " + file("missing.txt")}},
      {"input is a directory", {"-o", out, file("dir")}, 1, {"cannot read " + file("dir")}},
      {"missing input to decode", {"-d", "-o", out, file("missing.dat")}, 1, {"cannot read"}},
      {"byte that cannot be stored", {"-o", out, unstorable}, 1, {unstorable, "line 3", "0xF5"}},
      {"output directory missing", {"-o", file("no/such/out.dat"), kSampleText}, 1,
       {"cannot write " + file("no/such/out.dat")}},
      {"output is a directory", {"-o", file("dir"), kSampleText}, 1, {"cannot write"}},
      {"unknown option", {"-x", kSampleText}, 2, {"unknown option -x", "usage:"}},
      {"two inputs", {kSampleText, kSampleText}, 2, {"only one input", "usage:"}},
      {"-o without a name", {kSampleText, "-o"}, 2, {"-o needs a file name", "usage:"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ProgramResult result = kvrcfg(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode);
    for (const std::string& text : c.says)
      EXPECT_NE(result.err.find(text), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(fs::exists(out));
  }
}

TEST_F(Kvrcfg, FailedRunLeavesAnEarlierOutputAlone) {
  const std::string out = write("out.dat", "earlier");
  test::ProgramResult result = kvrcfg({"-o", out, write("bad.txt", "a\n\xF5\n")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(test::readFile(out), "earlier");
}

TEST_F(Kvrcfg, FullStandardOutput) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  test::ProgramResult result =
      shell(quoted(test::builtProgram("kvrcfg")) + " " + quoted(kSampleText) + " > /dev/full");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("cannot write standard output"), std::string::npos) << result.err;
}

// The build writes the sample beside the programs, where the wizard looks for it.
TEST(KvrcfgBuild, SampleBesideThePrograms) {
  std::string bytes = test::readFile(KVR_BIN_DIR "/kvovxreg.dat");
  ASSERT_FALSE(bytes.empty());
  ConfigDecoding decoding = decodeProductConfig(bytes);
  std::string text;
  for (const std::string& line : decoding.lines) text += line + "\n";
  EXPECT_EQ(text, test::readFile(kSampleText));
}

}  // namespace
}  // namespace kvr

#include "record/ProductConfig.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "AllocationCounter.h"
#include "record/ProductConfigCodec.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"

namespace kvr {
namespace {

using Tokens = std::vector<std::string>;
using Lists = std::map<int, Tokens>;

std::string encoded(std::string_view text) {
  ConfigEncoding encoding = encodeProductConfig(text);
  EXPECT_TRUE(encoding.ok()) << encoding.error;
  return encoding.bytes;
}

ProductConfigValues parseText(std::string_view text) { return parseProductConfig(encoded(text)); }

TEST(ProductConfigParser, TextLines) {
  struct Case {
    std::string text;
    std::string ProductConfigValues::*field;
    std::string value;
  };
  const Case cases[] = {
      {"kvrVersion: 1.0", &ProductConfigValues::kvrVersion, "1.0"},
      {"dateOfFileCreation:2026-12-11", &ProductConfigValues::dateOfFileCreation, "2026-12-11"},
      {"productName: \t OVX  Office \t \r", &ProductConfigValues::productName, "OVX  Office"},
      {"productType:SUITE", &ProductConfigValues::productType, "SUITE"},
      {"partNumber:  10K0001  ", &ProductConfigValues::partNumber, "10K0001"},
      {"productName:", &ProductConfigValues::productName, ""},
      {"productName:    ", &ProductConfigValues::productName, ""},
      // Recognised by the exact, case-sensitive beginning only.
      {"ProductName: X", &ProductConfigValues::productName, ""},
      {" productName: X", &ProductConfigValues::productName, ""},
      {"productName X", &ProductConfigValues::productName, ""},
      {"productNameX: Y", &ProductConfigValues::productName, ""},
      {"productType:: X", &ProductConfigValues::productType, ": X"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ProductConfigValues values = parseText(c.text + "\n");
    EXPECT_EQ(values.*c.field, c.value);
  }
}

TEST(ProductConfigParser, LaterLineOfTheSameKindReplacesTheEarlierAndLanguageLinesAdd) {
  ProductConfigValues values = parseText(
      "productName: First\n"
      "lang deu: A B C\n"
      "productType: T\n"
      "productName: Second\n"
      "lang deu: D\n"
      "partNumber: P\n");
  EXPECT_EQ(values.productName, "Second");
  EXPECT_EQ(values.productType, "T");
  EXPECT_EQ(values.partNumbers, (Lists{{11, {"A", "B", "C", "D"}}}));
}

TEST(ProductConfigParser, LanguageLines) {
  struct Case {
    std::string line;
    Lists lists;
  };
  const Case cases[] = {
      {"lang enu: 10K0002 10K0003", {{18, {"10K0002", "10K0003"}}}},
      {"lang deu:10K0101", {{11, {"10K0101"}}}},
      {"lang ptb: A", {{22, {"A"}}}},
      {"lang ita: A", {{0, {"A"}}}},
      {"lang enu:  A  B   C  ", {{18, {"A", "B", "C"}}}},
      {"lang enu: \t A", {{18, {"A"}}}},
      {"lang enu: A\tB", {{18, {"A\tB"}}}},
      // Unknown codes, upper-case ones included, go under English.
      {"lang xyz: A", {{18, {"A"}}}},
      {"lang DEU: A", {{18, {"A"}}}},
      // The code and the tokens sit at fixed places; the separators are not checked.
      {"langXdeu-A B", {{11, {"A", "B"}}}},
      {"language: A B", {{18, {"A", "B"}}}},
      {"lang deuA", {{11, {}}}},
      // Shorter than "lang xxx:": no tokens, and nothing read past the end.
      {"lang enu:", {{18, {}}}},
      {"lang deu", {{11, {}}}},
      {"lang de", {{18, {}}}},
      {"lang", {{18, {}}}},
      {"Lang deu: A", {}},
      {" lang deu: A", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    ProductConfigValues values = parseText("partNumber: P\n" + c.line + "\n");
    EXPECT_EQ(values.partNumbers, c.lists);
  }
}

TEST(ProductConfigParser, UnknownLanguageLinesShareEnglishsList) {
  ProductConfigValues values = parseText("partNumber: P\nlang enu: A\nlang xyz: B C\n");
  EXPECT_EQ(values.partNumbers, (Lists{{18, {"A", "B", "C"}}}));
}

TEST(ProductConfigParser, DefaultPartNumber) {
  struct Case {
    const char* name;
    std::string text;
    std::string partNumber;
    Lists lists;
  };
  const Case cases[] = {
      {"given: stands for \"#default\"",
       "partNumber: P\nlang enu: #default A\nlang deu: #default\nlang fra: B\n", "P",
       {{18, {"P", "A"}}, {11, {"P"}}, {9, {"B"}}}},
      {"only the first token is examined",
       "partNumber: P\nlang enu: A #default\nlang deu: #default #default\n", "P",
       {{18, {"A", "#default"}}, {11, {"P", "#default"}}}},
      {"missing: English \"#default\" then a token fills it",
       "lang deu: #default D\nlang enu: #default E\nlang fra: F #default\n", "E",
       {{11, {"E", "D"}}, {18, {"E", "E"}}, {9, {"F", "#default"}}}},
      {"missing: English wins over an earlier language", "lang deu: D\nlang enu: E\n", "E",
       {{11, {"D"}}, {18, {"E"}}}},
      {"missing, no English token: first token of any language",
       "lang fra: #default\nlang deu: #default D1 D2\nlang ita: I\n", "D1",
       {{9, {"D1"}}, {11, {"D1", "D1", "D2"}}, {0, {"I"}}}},
      {"an empty partNumber line counts as missing", "partNumber:   \nlang enu: #default E\n",
       "E", {{18, {"E", "E"}}}},
      {"missing everywhere: lists beginning \"#default\" are removed",
       "lang enu: #default\nlang deu: #default #default\nlang fra:\n", "", {{9, {}}}},
      {"a second line for a language adds to its list",
       "lang enu: E1\nlang enu: E2\n", "E1", {{18, {"E1", "E2"}}}},
      {"tokens seen while a part number was set are not remembered",
       "partNumber: P\nlang enu: E\npartNumber:\nlang deu: #default\n", "", {{18, {"E"}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProductConfigValues values = parseText(c.text);
    EXPECT_EQ(values.partNumber, c.partNumber);
    EXPECT_EQ(values.partNumbers, c.lists);
  }
}

TEST(ProductConfigParser, FileNotInvertedYieldsNothing) {
  std::string plain = "kvrVersion: 1.0\n\rproductName: X\n\rpartNumber: P\n\rlang enu: A B\n\r";
  ProductConfigValues values = parseProductConfig(plain);
  EXPECT_EQ(values.kvrVersion, "");
  EXPECT_EQ(values.productName, "");
  EXPECT_EQ(values.partNumber, "");
  EXPECT_TRUE(values.partNumbers.empty());
}

TEST(ProductConfigParser, LastLineWithoutLineFeedIsNotRead) {
  std::string file = encoded("productName: X\nproductType: T\n");
  file.pop_back();  // the skipped byte
  EXPECT_EQ(parseProductConfig(file).productType, "T");
  file.pop_back();  // the line feed
  EXPECT_EQ(parseProductConfig(file).productType, "");
  EXPECT_EQ(parseProductConfig(file).productName, "X");
}

TEST(ProductConfigParser, OverlongLineIsLoggedAndSkipped) {
  // The encoder refuses such a line, so it is built by hand.
  std::string longLine = "productName: " + std::string(kMaxConfigLineLength, 'x');
  for (char& c : longLine) c = static_cast<char>(static_cast<unsigned char>(c) ^ 0xFF);
  std::string file = longLine + "\n\r" + encoded("productType: T\n");
  test::LogCapture capture;
  ProductConfigValues values = parseProductConfig(file);
  EXPECT_EQ(values.productName, "");
  EXPECT_EQ(values.productType, "T");
  EXPECT_NE(capture.text().find("line 1 is " + std::to_string(longLine.size()) + " bytes long"),
            std::string::npos)
      << capture.text();
}

class ProductConfigFile : public ::testing::Test {
 protected:
  std::string write(std::string_view bytes, const std::string& name = "kvovxreg.dat") {
    std::string path = m_dir.file(name);
    test::writeFile(path, std::string(bytes));
    return path;
  }

  test::TempDir m_dir;
};

TEST_F(ProductConfigFile, AnswersAfterLoadingOnFirstUse) {
  std::string path = write(encoded(
      "kvrVersion: 2.1\ndateOfFileCreation: 2026-12-11\nproductName: OVX Office\n"
      "productType: SUITE\nlang enu: #default E2\nlang deu: D1 D2 D3\n"));
  std::unique_ptr<ProductConfig> config = ProductConfig::open(path);
  ASSERT_NE(config, nullptr);
  EXPECT_EQ(config->path(), path);
  EXPECT_FALSE(config->isLoaded());
  EXPECT_EQ(config->productName(), "OVX Office");
  EXPECT_TRUE(config->isLoaded());
  EXPECT_EQ(config->kvrVersion(), "2.1");
  EXPECT_EQ(config->dateOfFileCreation(), "2026-12-11");
  EXPECT_EQ(config->productType(), "SUITE");
  EXPECT_EQ(config->partNumber(), "E2");

  struct Ask {
    int language;
    int position;
    std::string answer;
  };
  const Ask asks[] = {
      {18, 0, "E2"}, {18, 1, "E2"}, {11, 0, "D1"}, {11, 2, "D3"},
      {11, 3, ""},   {11, -1, ""},  {9, 0, "E2"},  {9, 5, "E2"},  // no line: the default
  };
  for (const Ask& ask : asks) {
    SCOPED_TRACE(std::to_string(ask.language) + " at " + std::to_string(ask.position));
    EXPECT_EQ(config->partNumberFor(ask.language, ask.position), ask.answer);
  }
  EXPECT_EQ(config->partNumberCount(18), 2);
  EXPECT_EQ(config->partNumberCount(11), 3);
  EXPECT_EQ(config->partNumberCount(9), 0);
}

TEST_F(ProductConfigFile, ReadsOnceOnly) {
  std::string path = write(encoded("productName: Before\n"));
  ProductConfig config(path);
  write(encoded("productName: Loaded\n"));
  config.load();
  write(encoded("productName: After\n"));
  config.load();
  EXPECT_EQ(config.productName(), "Loaded");
}

TEST_F(ProductConfigFile, NoPartNumberAtAllLeavesNoDefaultLists) {
  ProductConfig config(write(encoded("lang enu: #default\nlang deu: #default\nlang fra: F\n")));
  EXPECT_EQ(config.partNumber(), "F");
  ProductConfig none(write(encoded("lang enu: #default\nlang deu: #default #default\n")));
  EXPECT_EQ(none.partNumber(), "");
  EXPECT_EQ(none.partNumberCount(18), 0);
  EXPECT_EQ(none.partNumberCount(11), 0);
  EXPECT_EQ(none.partNumberFor(11, 0), "");
}

TEST_F(ProductConfigFile, MissingFileGivesNoObject) {
  EXPECT_EQ(ProductConfig::open(m_dir.file("kvovxreg.dat")), nullptr);
}

TEST_F(ProductConfigFile, FileThatCannotBeReadIsLoggedAndEmpty) {
  std::filesystem::create_directory(m_dir.file("kvovxreg.dat"));
  std::unique_ptr<ProductConfig> config = ProductConfig::open(m_dir.file("kvovxreg.dat"));
  ASSERT_NE(config, nullptr);
  test::LogCapture log;
  EXPECT_EQ(config->productName(), "");
  EXPECT_EQ(config->partNumberCount(18), 0);
  EXPECT_NE(log.text().find("Product configuration " + m_dir.file("kvovxreg.dat") + " cannot be"),
            std::string::npos)
      << log.text();
}

// The file is read in chunks; here the line feed ends the first chunk and its skipped byte
// begins the second, and would spoil the next line if it were not skipped.
TEST_F(ProductConfigFile, SkippedByteAtTheStartOfTheSecondChunk) {
  std::string first = "productType: " + std::string(ProductConfig::kReadChunkSize - 14, 'T');
  std::string file = encoded(first + "\nproductName: N\n");
  ASSERT_EQ(file[ProductConfig::kReadChunkSize - 1], '\n');
  file[ProductConfig::kReadChunkSize] = static_cast<char>('x' ^ 0xFF);
  ProductConfig config(write(file));
  EXPECT_EQ(config.productType(), first.substr(13));
  EXPECT_EQ(config.productName(), "N");
}

TEST_F(ProductConfigFile, SampleFile) {
  ProductConfig config(write(encoded(test::readFile(KVR_SOURCE_DIR "/res/sample/kvovxreg.txt"))));
  EXPECT_EQ(config.productName(), "OVX Sample Office");
  EXPECT_EQ(config.productType(), "SUITE");
  EXPECT_EQ(config.partNumber(), "10K0001");
  EXPECT_EQ(config.partNumberCount(18), 3);
  EXPECT_EQ(config.partNumberFor(18, 0), "10K0001");
  EXPECT_EQ(config.partNumberFor(18, 2), "10K0003");
  EXPECT_EQ(config.partNumberFor(11, 1), "10K0102");
  EXPECT_EQ(config.partNumberFor(22, 0), "10K0001");
  EXPECT_EQ(config.partNumberFor(3, 0), "10K0001");
}

TEST_F(ProductConfigFile, BadInputIsSurvived) {
  std::mt19937 random(42);
  std::string noise(1024 * 1024, '\0');
  for (char& byte : noise) byte = static_cast<char>(random() & 0xFF);
  std::string allBlank(1000, '\n');

  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty file", ""},
      {"random bytes", noise},
      {"only line feeds", allBlank},
      {"no line feed", std::string(300000, 'x')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::LogCapture log;
    ProductConfig config(write(c.bytes));
    EXPECT_EQ(config.productName(), "");
    for (const auto& [language, tokens] : parseProductConfig(c.bytes).partNumbers)
      EXPECT_TRUE(language >= 0 && language < 23) << language;
  }
}

// 100 MiB without a line feed: read to the end, nothing kept, no buffer that grows with it.
TEST_F(ProductConfigFile, HugeFileWithoutLineFeed) {
  const std::size_t mebibyte = 1024 * 1024;
  const std::size_t size = 100 * mebibyte;
  std::string path = m_dir.file("kvovxreg.dat");
  {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(path.c_str(), "wb"),
                                                        &std::fclose);
    ASSERT_NE(out, nullptr);
    std::string block(mebibyte, '\0');
    for (std::size_t i = 0; i < block.size(); ++i)  // any bytes but the line feed
      block[i] = static_cast<char>(i % 7 == 0 ? 'k' : 0x80 + i % 64);
    for (std::size_t written = 0; written < size; written += block.size())
      ASSERT_EQ(std::fwrite(block.data(), 1, block.size(), out.get()), block.size());
  }
  ASSERT_EQ(std::filesystem::file_size(path), size);

  ProductConfig config(path);
  test::LogCapture log;
  {
    test::AllocationCounter counter;
    config.load();
    EXPECT_LT(counter.largestBytes(), 2 * ProductConfig::kReadChunkSize);
    EXPECT_LT(counter.totalBytes(), 4 * ProductConfig::kReadChunkSize);
  }
  EXPECT_TRUE(config.isLoaded());
  EXPECT_EQ(config.productName(), "");
  EXPECT_EQ(config.partNumberCount(18), 0);
}

}  // namespace
}  // namespace kvr

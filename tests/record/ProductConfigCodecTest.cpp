#include "record/ProductConfigCodec.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "AllocationCounter.h"

namespace kvr {
namespace {

std::string inverted(std::string_view text) {
  std::string out;
  for (char c : text) out += static_cast<char>(static_cast<unsigned char>(c) ^ 0xFF);
  return out;
}

// A stored line: inverted text, line feed, one byte that the reader must skip.
std::string stored(std::string_view text, char skipped = kConfigLineFiller) {
  return inverted(text) + '\n' + skipped;
}

struct Read {
  std::vector<std::string> lines;
  std::vector<std::pair<std::uint64_t, std::uint64_t>> overlong;  // number, length
  std::uint64_t pending = 0;

  bool operator==(const Read&) const = default;
};

void PrintTo(const Read& read, std::ostream* os) {
  *os << "lines {";
  for (const auto& line : read.lines) *os << " \"" << line << "\"";
  *os << " } overlong {";
  for (const auto& [number, length] : read.overlong) *os << " " << number << ":" << length;
  *os << " } pending " << read.pending;
}

Read readChunks(const std::vector<std::string_view>& chunks,
                std::size_t limit = kMaxConfigLineLength) {
  Read read;
  ConfigLineReader reader(
      [&read](std::string_view text) { read.lines.emplace_back(text); },
      [&read](std::uint64_t number, std::uint64_t length) {
        read.overlong.emplace_back(number, length);
      },
      limit);
  for (std::string_view chunk : chunks) reader.feed(chunk);
  read.pending = reader.pendingBytes();
  return read;
}

Read readWhole(std::string_view bytes, std::size_t limit = kMaxConfigLineLength) {
  return readChunks({bytes}, limit);
}

TEST(ConfigLineReader, ReadsLinesAsStored) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
    std::uint64_t pending;
  };
  const Case cases[] = {
      {"empty input", "", {}, 0},
      {"one line", stored("productName: X"), {"productName: X"}, 0},
      {"empty lines", stored("") + stored(""), {"", ""}, 0},
      {"last line without line feed is ignored", stored("a") + inverted("tail"), {"a"}, 4},
      {"line feed at the very end, skipped byte missing", stored("a") + inverted("b") + "\n",
       {"a", "b"}, 0},
      {"skipped byte is a line feed", stored("a", '\n') + stored("b"), {"a", "b"}, 0},
      {"skipped byte is text", stored("a", inverted("X")[0]) + stored("b"), {"a", "b"}, 0},
      {"bytes that are not inverted", "abc\n\r", {inverted("abc")}, 0},
      {"every byte value but the line feed",
       [] {
         std::string all;
         for (int b = 0; b < 256; ++b)
           if (b != '\n') all += static_cast<char>(b);
         return all + "\nZ";
       }(),
       {[] {
         std::string all;
         for (int b = 0; b < 256; ++b)
           if (b != '\n') all += static_cast<char>(b ^ 0xFF);
         return all;
       }()},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(readWhole(c.bytes), (Read{c.lines, {}, c.pending}));
  }
}

// Every way of cutting the input in two, and byte by byte, reads the same as in one piece.
TEST(ConfigLineReader, SplitAtEveryByteReadsTheSame) {
  const std::string file = stored("kvrVersion: 1.0") + stored("", '\n') + stored("x", '\n') +
                           stored("lang enu: A B") + stored(std::string(20, 'L')) +
                           stored("partNumber: P") + inverted("unterminated");
  const std::size_t limit = 16;  // so the 20-byte line is dropped wherever the cuts fall
  const Read whole = readWhole(file, limit);
  ASSERT_EQ(whole.lines.size(), 5u);
  ASSERT_EQ(whole.overlong.size(), 1u);

  for (std::size_t cut = 0; cut <= file.size(); ++cut) {
    SCOPED_TRACE("cut at " + std::to_string(cut));
    std::string_view bytes = file;
    ASSERT_EQ(readChunks({bytes.substr(0, cut), bytes.substr(cut)}, limit), whole);
  }
  std::vector<std::string_view> single;
  for (std::size_t i = 0; i < file.size(); ++i)
    single.push_back(std::string_view(file).substr(i, 1));
  EXPECT_EQ(readChunks(single, limit), whole);
}

TEST(ConfigLineReader, SkippedByteArrivesInTheNextChunk) {
  const std::string first = inverted("productType: A") + "\n";
  const std::string second = inverted("X") + stored("productName: B");
  EXPECT_EQ(readChunks({first, second}).lines,
            (std::vector<std::string>{"productType: A", "productName: B"}));
  EXPECT_EQ(readChunks({first, "", second}).lines,
            (std::vector<std::string>{"productType: A", "productName: B"}));
}

TEST(ConfigLineReader, DropsAndReportsLinesOverTheLimit) {
  struct Case {
    const char* name;
    std::vector<std::string> chunks;
    Read expected;
  };
  const Case cases[] = {
      {"exactly the limit is kept", {stored("12345678")}, {{"12345678"}, {}, 0}},
      {"one over is dropped, the next line is read",
       {stored("123456789") + stored("next")},
       {{"next"}, {{1, 9}}, 0}},
      {"long line spread over chunks",
       {stored("a") + inverted("12345"), inverted("67890"), inverted("12") + "\n?" + stored("b")},
       {{"a", "b"}, {{2, 12}}, 0}},
      {"long unterminated tail is only counted", {stored("a") + std::string(30, 'x')},
       {{"a"}, {}, 30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string_view> chunks(c.chunks.begin(), c.chunks.end());
    EXPECT_EQ(readChunks(chunks, 8), c.expected);
  }
}

TEST(ConfigLineReader, MemoryStaysBoundedWithoutLineFeeds) {
  const std::string chunk(64 * 1024, 'x');
  const std::size_t chunks = 256;  // 16 MiB
  test::AllocationCounter counter;
  std::uint64_t overlong = 0;
  ConfigLineReader reader([](std::string_view) {},
                          [&overlong](std::uint64_t, std::uint64_t length) { overlong = length; });
  for (std::size_t i = 0; i < chunks; ++i) reader.feed(chunk);
  EXPECT_EQ(reader.pendingBytes(), chunk.size() * chunks);
  reader.feed("\n?");
  EXPECT_EQ(overlong, chunk.size() * chunks);
  EXPECT_LE(counter.totalBytes(), 2 * kMaxConfigLineLength);
}

TEST(ConfigLineReader, RandomBytesReadTheSameInAnyChunks) {
  std::mt19937 random(20261211);
  std::string bytes(256 * 1024, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  const Read whole = readWhole(bytes, 1024);
  std::vector<std::string_view> pieces;
  for (std::size_t at = 0; at < bytes.size();) {
    std::size_t size = std::min<std::size_t>(random() % 3000, bytes.size() - at);
    pieces.push_back(std::string_view(bytes).substr(at, size));
    at += size;
  }
  EXPECT_EQ(readChunks(pieces, 1024), whole);
  EXPECT_GT(whole.lines.size(), 500u);
}

TEST(EncodeProductConfig, WritesInvertedLinesWithLineFeedAndFiller) {
  ConfigEncoding encoding = encodeProductConfig("ab\n\nc");
  ASSERT_TRUE(encoding.ok()) << encoding.error;
  EXPECT_EQ(encoding.bytes, std::string("\x9E\x9D\n\r\n\r\x9C\n\r"));
}

TEST(EncodeProductConfig, DecodesBackToTheLines) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"empty text", "", {}},
      {"line feeds", "productName: A\nlang enu: B C\n", {"productName: A", "lang enu: B C"}},
      {"CR LF", "productName: A\r\nproductType: T\r\n", {"productName: A", "productType: T"}},
      {"last line without line end is kept", "a\nb", {"a", "b"}},
      {"empty lines kept", "\n\na\n", {"", "", "a"}},
      {"a lone carriage return inside a line stays", "a\rb\n", {"a\rb"}},
      {"high bytes", "productName: \xC4pfel \x80\xFF\n", {"productName: \xC4pfel \x80\xFF"}},
      {"longest storable line", std::string(kMaxConfigLineLength, 'x') + "\n",
       {std::string(kMaxConfigLineLength, 'x')}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ConfigEncoding encoding = encodeProductConfig(c.text);
    ASSERT_TRUE(encoding.ok()) << encoding.error;
    ConfigDecoding decoding = decodeProductConfig(encoding.bytes);
    EXPECT_EQ(decoding.lines, c.lines);
    EXPECT_TRUE(decoding.overlongLines.empty());
    EXPECT_EQ(decoding.ignoredTrailingBytes, 0u);
  }
}

TEST(EncodeProductConfig, RefusesLinesTheReaderCannotGetBack) {
  struct Case {
    const char* name;
    std::string text;
    std::size_t badLine;
    const char* says;
  };
  const Case cases[] = {
      {"0xF5 on the first line", "productName: \xF5\n", 1, "0xF5"},
      {"0xF5 on the third line", "a\r\nb\r\n\xF5x\r\nd\r\n", 3, "column 1"},
      {"0xF5 on a last line without line end", "a\nb\xF5", 2, "0xF5"},
      {"line over the limit", "a\n" + std::string(kMaxConfigLineLength + 1, 'x'), 2, "65537"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ConfigEncoding encoding = encodeProductConfig(c.text);
    EXPECT_FALSE(encoding.ok());
    EXPECT_EQ(encoding.badLine, c.badLine);
    EXPECT_NE(encoding.error.find("line " + std::to_string(c.badLine)), std::string::npos)
        << encoding.error;
    EXPECT_NE(encoding.error.find(c.says), std::string::npos) << encoding.error;
    EXPECT_TRUE(encoding.bytes.empty());
  }
}

TEST(DecodeProductConfig, ReportsWhatTheReaderDrops) {
  std::string file = stored("a") + stored(std::string(kMaxConfigLineLength + 5, 'x')) +
                     stored("b") + inverted("rest");
  ConfigDecoding decoding = decodeProductConfig(file);
  EXPECT_EQ(decoding.lines, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(decoding.overlongLines, (std::vector<std::uint64_t>{2}));
  EXPECT_EQ(decoding.ignoredTrailingBytes, 4u);
}

}  // namespace
}  // namespace kvr

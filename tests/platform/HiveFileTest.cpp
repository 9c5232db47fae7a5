#include "platform/HiveFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace kvr::platform {
namespace {

using namespace std::string_literals;

constexpr std::string_view kRoot = "HKEY_CURRENT_USER";

struct ValueCase {
  std::string label;
  std::string name;
  std::uint32_t type;
  std::string data;
};

std::vector<ValueCase> everyValueKind() {
  return {
      {"plain text", "plain", kRegSz, "hello world"},
      {"code-page bytes", "h\xe4gen", kRegSz, "\xe4\xf6\xfc \x80\x9f\xa0\xff"},
      {"escapes", "quoted \"name\" \\ here", kRegSz, "C:\\Program Files\\\"x\"\\"},
      {"empty text", "empty", kRegSz, ""},
      {"default value", "", kRegSz, "the default"},
      {"line feeds", "lf", kRegSz, "line one\nline two\r\n\ttabbed"},
      {"dword", "dword", kRegDword, "\x0a\x00\x00\x00"s},
      {"dword all bits", "dwordMax", kRegDword, "\xff\xff\xff\xff"},
      {"short dword", "shortDword", kRegDword, "\x01\x02"},
      {"binary", "binary", kRegBinary, "\x01\x02\x00\xff\x80"s},
      {"empty binary", "emptyBinary", kRegBinary, ""},
      {"long binary", "longBinary", kRegBinary, std::string(200, '\xa5')},
      {"expandable text", "expand", kRegExpandSz, "%PATH%\0"s},
      {"multi text", "multi", 7, "a\0b\0\0"s},
      {"no type", "none", kRegNone, ""},
      {"unknown type", "odd", 0x12345678, "x"},
  };
}

HiveKey treeWith(const std::vector<ValueCase>& cases) {
  HiveKey root;
  HiveKey& key =
      root.ensureChild("Software").ensureChild("OVX").ensureChild("Product Registration");
  for (const auto& c : cases) key.setValue(c.name, c.type, c.data);
  root.ensureChild("Software").ensureChild("Empty Key");
  return root;
}

const HiveKey* findPath(const HiveKey& root, std::vector<std::string> path) {
  const HiveKey* key = &root;
  for (const auto& name : path)
    if ((key = key->child(name)) == nullptr) return nullptr;
  return key;
}

HiveKey parseOk(std::string_view text) {
  HiveParseResult parsed = parseHive(text, kRoot);
  EXPECT_FALSE(parsed.error) << "line " << parsed.error->line << ": " << parsed.error->reason;
  return std::move(parsed.root);
}

TEST(HiveFileTest, EveryValueKindSurvivesARoundTrip) {
  auto cases = everyValueKind();
  std::string text = serializeHive(treeWith(cases), kRoot);
  HiveKey root = parseOk(text);
  const HiveKey* key = findPath(root, {"Software", "OVX", "Product Registration"});
  ASSERT_NE(key, nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const HiveValue* value = key->value(c.name);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->name, c.name);
    EXPECT_EQ(value->type, c.type);
    EXPECT_EQ(value->data, c.data);
  }
  EXPECT_EQ(key->valueCount(), cases.size());
  EXPECT_NE(findPath(root, {"Software", "Empty Key"}), nullptr);
  EXPECT_EQ(serializeHive(root, kRoot), text);
}

TEST(HiveFileTest, WritesRegeditText) {
  HiveKey root;
  HiveKey& key = root.ensureChild("Software").ensureChild("OVX");
  key.setValue("", kRegSz, "default");
  key.setValue("path", kRegSz, "C:\\a \"b\"");
  key.setValue("count", kRegDword, "\x0a\x00\x00\x00"s);
  key.setValue("bytes", kRegBinary, "\x01\x02\xff");
  key.setValue("lf", kRegSz, "a\nb");
  key.setValue("expand", kRegExpandSz, "%a%\0"s);
  key.setValue("long", kRegBinary, std::string(30, '\x11'));
  root.ensureChild("Software").ensureChild("Alpha");

  EXPECT_EQ(serializeHive(root, kRoot),
            "REGEDIT4\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software]\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\Alpha]\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\OVX]\n"
            "@=\"default\"\n"
            "\"path\"=\"C:\\\\a \\\"b\\\"\"\n"
            "\"count\"=dword:0000000a\n"
            "\"bytes\"=hex:01,02,ff\n"
            "\"lf\"=hex(1):61,0a,62,00\n"
            "\"expand\"=hex(2):25,61,25,00\n"
            "\"long\"=hex:11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,\\\n"
            "  11,11,11,11,11,11,11,11\n"
            "\n");
  EXPECT_EQ(serializeHive(HiveKey(), kRoot), "REGEDIT4\n\n");
}

TEST(HiveFileTest, ReadsHandWrittenAndWindowsExports) {
  HiveKey root = parseOk(
      "REGEDIT4\r\n"
      "\r\n"
      "; written by hand\r\n"
      "[hkey_current_user\\Software\\Maker\\Deep\\Key]\r\n"
      "\"Size\"=dword:FF\r\n"
      "\"Blob\" = hex:01, 02,\\\r\n"
      "   03,\\\r\n"
      "   04\r\n"
      "@=\"x\"\r\n"
      "\r\n"
      "[HKEY_CURRENT_USER\\SOFTWARE\\maker\\deep\\key]\r\n"
      "\"Blob\"=hex(7):41,00,00,00\r\n"
      "\"lf\"=hex(1):61,0a,62\r\n");
  const HiveKey* key = findPath(root, {"Software", "Maker", "Deep", "Key"});
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->name(), "Key");
  ASSERT_NE(key->value("size"), nullptr);
  EXPECT_EQ(key->value("size")->data, "\xff\x00\x00\x00"s);
  EXPECT_EQ(key->value("blob")->type, 7u);  // a later line for the same value wins
  EXPECT_EQ(key->value("blob")->data, "A\0\0\0"s);
  EXPECT_EQ(key->value("")->data, "x");
  EXPECT_EQ(key->value("lf")->type, std::uint32_t{kRegSz});
  EXPECT_EQ(key->value("lf")->data, "a\nb");
  // The keys above the listed one exist without lines of their own.
  EXPECT_EQ(root.childCount(), 1u);
  EXPECT_EQ(findPath(root, {"software", "MAKER"})->name(), "Maker");
}

TEST(HiveFileTest, NamesMatchWithoutAsciiCaseAndKeepTheirSpelling) {
  HiveKey root;
  HiveKey& key = root.ensureChild("Software");
  EXPECT_EQ(&root.ensureChild("SOFTWARE"), &key);
  EXPECT_EQ(key.name(), "Software");

  EXPECT_TRUE(key.setValue("FirstName", kRegSz, "a"));
  EXPECT_TRUE(key.setValue("FIRSTNAME", kRegSz, "b"));
  EXPECT_FALSE(key.setValue("firstname", kRegSz, "b"));
  ASSERT_EQ(key.valueCount(), 1u);
  EXPECT_EQ(key.valueAt(0).name, "FirstName");
  EXPECT_EQ(key.valueAt(0).data, "b");

  // Only ASCII letters fold: bytes of the code page are distinct names.
  key.setValue("\xc4", kRegSz, "upper");
  key.setValue("\xe4", kRegSz, "lower");
  EXPECT_EQ(key.value("\xc4")->data, "upper");
  EXPECT_EQ(key.value("\xe4")->data, "lower");

  root.ensureChild("beta");
  root.ensureChild("Alpha");
  ASSERT_EQ(root.childCount(), 3u);
  EXPECT_EQ(root.childAt(0)->name(), "Alpha");
  EXPECT_EQ(root.childAt(1)->name(), "beta");
  EXPECT_EQ(root.childAt(2)->name(), "Software");
  EXPECT_EQ(root.childAt(3), nullptr);
}

TEST(HiveFileTest, TextEndsAtItsFirstZeroByte) {
  HiveKey key;
  key.setValue("one", kRegSz, "1\0\0\0"s);
  EXPECT_EQ(key.value("one")->data, "1");
  key.setValue("bin", kRegBinary, "1\0\0\0"s);
  EXPECT_EQ(key.value("bin")->data, "1\0\0\0"s);
}

TEST(HiveFileTest, DeletingAValueKeepsTheOthersInOrder) {
  HiveKey key;
  for (const char* name : {"a", "b", "c", "d"}) key.setValue(name, kRegSz, name);
  EXPECT_TRUE(key.deleteValue("B"));
  EXPECT_FALSE(key.deleteValue("b"));
  ASSERT_EQ(key.valueCount(), 3u);
  EXPECT_EQ(key.valueAt(0).name, "a");
  EXPECT_EQ(key.valueAt(1).name, "c");
  EXPECT_EQ(key.valueAt(2).name, "d");
  EXPECT_EQ(key.value("d")->data, "d");
  key.setValue("b", kRegSz, "again");
  EXPECT_EQ(key.valueAt(3).name, "b");
}

TEST(HiveFileTest, TextTooLongForOneLineIsWrittenAsHexLines) {
  HiveKey root;
  std::string text(kHiveMaxLineBytes, 'x');
  root.ensureChild("Software").setValue("big", kRegSz, text);
  std::string serialized = serializeHive(root, kRoot);
  EXPECT_NE(serialized.find("\"big\"=hex(1):78,78"), std::string::npos);
  HiveKey back = parseOk(serialized);
  EXPECT_EQ(back.child("Software")->value("big")->data, text);
}

TEST(HiveFileTest, MalformedInputIsRejectedWithLineAndReason) {
  const std::string head = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n";  // value lines: 4
  struct {
    std::string label;
    std::string input;
    std::size_t line;
    std::string reason;
  } cases[] = {
      {"empty file", "", 1, "missing REGEDIT4 header"},
      {"other header", "REGEDIT5\n", 1, "missing REGEDIT4 header"},
      {"unicode export", "Windows Registry Editor Version 5.00\n", 1, "missing REGEDIT4 header"},
      {"executable",
       "\x7f"
       "ELF\x02\x01\x01\0\0\0"s,
       1, "control byte 0x02 in column 5"},
      {"binary after header", "REGEDIT4\n\0\x01\x02\x03\n"s, 2, "control byte 0x00"},
      {"carriage return inside", head + "\"a\"=\"b\rc\"\n", 4, "control byte 0x0d"},
      {"value before any key", "REGEDIT4\n\n\"a\"=\"b\"\n", 3, "value outside of any key"},
      {"unterminated quote", head + "\"a\"=\"cut off\n", 4, "unterminated quote"},
      {"unterminated name", head + "\"abc\n", 4, "unterminated quote"},
      {"escape at line end", head + "\"a\"=\"b\\\n", 4, "unterminated quote"},
      {"unknown escape", head + "\"a\"=\"b\\n\"\n", 4, "unknown escape \\n"},
      {"text after value", head + "\"a\"=\"b\" c\n", 4, "unexpected text after the value"},
      {"no equals sign", head + "\"a\" \"b\"\n", 4, "expected = after the value name"},
      {"default without equals", head + "@\"b\"\n", 4, "expected = after the value name"},
      {"long dword", head + "\"a\"=dword:123456789\n", 4, "dword value needs 1 to 8 hex digits"},
      {"bad dword", head + "\"a\"=dword:xyz\n", 4, "dword value needs 1 to 8 hex digits"},
      {"empty dword", head + "\"a\"=dword:\n", 4, "dword value needs 1 to 8 hex digits"},
      {"bad hex byte", head + "\"a\"=hex:01,zz\n", 4, "bad hex byte 'zz'"},
      {"long hex byte", head + "\"a\"=hex:123\n", 4, "bad hex byte '123'"},
      {"empty hex byte", head + "\"a\"=hex:01,,02\n", 4, "bad hex byte ''"},
      {"bad hex type", head + "\"a\"=hex(x):01\n", 4, "malformed hex(type)"},
      {"unclosed hex type", head + "\"a\"=hex(2:01\n", 4, "malformed hex(type)"},
      {"continuation at end", head + "\"a\"=hex:01,\\\n", 4, "hex data continues past the end"},
      {"bad continued byte", head + "\"a\"=hex:01,\\\n  0g\n", 4, "bad hex byte '0g'"},
      {"value deletion", head + "\"a\"=-\n", 4, "value deletions (=-) are not supported"},
      {"unknown value form", head + "\"a\"=word:1\n", 4, "unknown value form"},
      {"malformed line", head + "a=b\n", 4, "malformed line"},
      {"unclosed key", "REGEDIT4\n[HKEY_CURRENT_USER\\A\n", 2, "key line without closing ]"},
      {"other root", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n", 2, "key outside HKEY_CURRENT_USER"},
      {"key deletion", "REGEDIT4\n[-HKEY_CURRENT_USER\\A]\n", 2, "key deletions"},
      {"empty key name", "REGEDIT4\n[HKEY_CURRENT_USER\\A\\\\B]\n", 2, "empty key name"},
      {"trailing backslash", "REGEDIT4\n[HKEY_CURRENT_USER\\A\\]\n", 2, "empty key name"},
      {"long key name", "REGEDIT4\n[HKEY_CURRENT_USER\\" + std::string(256, 'k') + "]\n", 2,
       "key name longer than 255 bytes"},
      {"deep key",
       "REGEDIT4\n[HKEY_CURRENT_USER" +
           [] {
             std::string path;
             for (int i = 0; i < 513; ++i) path += "\\k";
             return path;
           }() +
           "]\n",
       2, "deeper than 512 levels"},
      {"long value name", head + "\"" + std::string(16384, 'v') + "\"=\"\"\n", 4,
       "value name longer than 16383 bytes"},
      {"no final line feed", head + "\"a\"=\"b\"", 4, "no line feed: the file looks truncated"},
      {"header alone, cut", "REGEDIT4", 1, "no line feed"},
      {"line over 1 MiB", head + "\"a\"=\"" + std::string(kHiveMaxLineBytes, 'x') + "\"\n", 4,
       "line longer than 1 MiB"},
      {"line over 1 MiB, no line feed", head + std::string(kHiveMaxLineBytes + 5, 'x'), 4,
       "line longer than 1 MiB"},
      {"file over 64 MiB", "REGEDIT4\n" + std::string(kHiveMaxFileBytes, '\n'), 0,
       "larger than 64 MiB"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    HiveParseResult parsed = parseHive(c.input, kRoot);
    ASSERT_TRUE(parsed.error);
    EXPECT_EQ(parsed.error->line, c.line);
    EXPECT_NE(parsed.error->reason.find(c.reason), std::string::npos) << parsed.error->reason;
    EXPECT_EQ(parsed.root.childCount(), 0u);
  }
}

TEST(HiveFileTest, LinesJustInsideTheLimitsAreAccepted) {
  const std::string head = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n";
  std::string text(kHiveMaxLineBytes - 6, 'x');  // "a"="..." is exactly 1 MiB
  HiveKey root = parseOk(head + "\"a\"=\"" + text + "\"\r\n");
  EXPECT_EQ(root.child("Software")->value("a")->data, text);
  parseOk("REGEDIT4\n[HKEY_CURRENT_USER\\" + std::string(255, 'k') + "]\n");
}

// Every prefix, suffix and single-byte damage of a real hive: the parser must not crash, and a
// file cut inside a line is always reported, never taken as a shorter hive.
TEST(HiveFileTest, CutOrDamagedAtEveryByteNeverCrashes) {
  std::string text = serializeHive(treeWith(everyValueKind()), kRoot);
  std::size_t lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::string prefix = text.substr(0, i);
    HiveParseResult parsed = parseHive(prefix, kRoot);
    if (!prefix.empty() && prefix.back() != '\n') {
      ASSERT_TRUE(parsed.error) << "cut after byte " << i;
      EXPECT_EQ(parsed.error->line, lines + 1) << "cut after byte " << i;
    }
    if (parsed.error) {
      EXPECT_FALSE(parsed.error->reason.empty());
    }
    if (text[i] == '\n') ++lines;

    parseHive(std::string_view(text).substr(i), kRoot);
    for (char replacement : {'\0', '\n', '"', '\\', '[', ',', '='}) {
      std::string damaged = text;
      damaged[i] = replacement;
      parseHive(damaged, kRoot);
    }
    parseHive(text.substr(0, i) + "\n" + text.substr(i), kRoot);
  }
}

}  // namespace
}  // namespace kvr::platform

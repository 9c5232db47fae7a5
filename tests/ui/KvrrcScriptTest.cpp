// The resource compiler on valid scripts: what it reads (the model) and what the generated
// tables hold once compiled into this test. Expected styles are the ones windres gives for
// the same script.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "CompileError.h"
#include "Compiler.h"
#include "FileSource.h"
#include "MemoryFiles.h"
#include "ui/ResourceModule.h"
#include "ui/ResourceTables.h"

namespace kvr::test {
const ui::ResourceTables& everythingTables();
}

namespace kvr {
namespace {

using ui::ControlStatement;

const std::string kTestData = KVR_SOURCE_DIR "/tests/ui/testdata/";

std::string fileBytes(const std::string& name) {
  std::ifstream file(kTestData + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

rc::Script compileTestScript(const std::string& name) {
  rc::DiskFileSource files;
  return rc::compileScript(kTestData + name, files);
}

struct ExpectedString {
  unsigned id;
  std::string bytes;
};

// cp1252 bytes: ü FC, ß DF, ö F6, en dash 96, euro sign 80.
const ExpectedString kStrings[] = {
    {0, "id zero"},
    {101, "Gr\xFC\xDF" "e aus K\xF6ln \x96 5 \x80"},
    {103, "say \"hi\" and \"bye\""},
    {104, std::string("a\tb\nc\\d\re\0fAA", 13)},
    {105, "first second"},
    {65535, "last id"},
};

struct ExpectedControl {
  std::int32_t id;
  ControlStatement statement;
  std::string className;
  std::string text;
  std::uint32_t textResource;
  std::uint32_t style;
  std::uint32_t exStyle;
  std::int16_t x, y, cx, cy;
  std::uint32_t helpId;
};

const ExpectedControl kControls[] = {
    {-1, ControlStatement::LText, "Static", "Name:", 0, 0x50020000, 0, 4, 4, 40, 8, 0},
    {310, ControlStatement::RText, "Static", "right", 0, 0x50000002, 0, 4, 14, 40, 8, 0},
    {311, ControlStatement::CText, "Static", "centre", 0, 0x50000081, 0, 4, 24, 40, 8, 0},
    {312, ControlStatement::EditText, "Edit", "", 0, 0x50010080, 0, 48, 4, 100, 12, 0},
    {313, ControlStatement::ComboBox, "ComboBox", "", 0, 0x50210103, 0, 48, 20, 100, 80, 0},
    {314, ControlStatement::ListBox, "ListBox", "", 0, 0x50800001, 0, 48, 36, 100, 40, 0},
    {315, ControlStatement::GroupBox, "Button", "Gruppe", 0, 0x50000007, 0, 150, 4, 100, 60, 0},
    {316, ControlStatement::CheckBox, "Button", "check", 0, 0x50010002, 0, 154, 14, 60, 10, 0},
    {317, ControlStatement::AutoCheckBox, "Button", "auto check", 0, 0x58010003, 0, 154, 26, 60, 10, 0},
    {318, ControlStatement::RadioButton, "Button", "radio", 0, 0x50010004, 0, 154, 38, 60, 10, 0},
    {319, ControlStatement::AutoRadioButton, "Button", "&Ja", 0, 0x50030009, 0, 154, 50, 60, 10, 0},
    {320, ControlStatement::Icon, "Static", "", 2475, 0x50000003, 0, 260, 4, 0, 0, 0},
    {321, ControlStatement::Icon, "Static", "NAMED", 0, 0x50000803, 0x200, 260, 30, 0, 0, 77},
    {322, ControlStatement::Control, "Static", "", 0, 0x5000020E, 0x20000, -4, -8, 40, 30, 0},
    {323, ControlStatement::Control, "Button", "Custom", 0, 0x40000006, 0, 4, 100, 60, 10, 99},
    {2, ControlStatement::PushButton, "Button", "&Abbrechen", 0, 0x50010000, 0, 180, 180, 50, 14, 0},
    {1, ControlStatement::DefPushButton, "Button", "OK", 0, 0x50010001, 0, 240, 180, 50, 14, 0},
};

TEST(KvrrcScriptTest, StringsKeepTheirEscapesAndAreInCodePage1252) {
  rc::Script script = compileTestScript("everything.rc");
  EXPECT_EQ(script.language, 0x0407);
  EXPECT_EQ(script.codePage, 1252);
  ASSERT_EQ(script.strings.size(), std::size(kStrings));
  for (const auto& expected : kStrings) {
    SCOPED_TRACE(expected.id);
    ASSERT_EQ(script.strings.count(expected.id), 1u);
    EXPECT_EQ(script.strings.at(expected.id).bytes, expected.bytes);
  }
  EXPECT_EQ(script.strings.at(104).where.line, 13);
}

TEST(KvrrcScriptTest, DialogsHoldEveryControlWithTheWindowsStyles) {
  rc::Script script = compileTestScript("everything.rc");
  ASSERT_EQ(script.dialogs.size(), 2u);
  const rc::Dialog& dialog = script.dialogs.at(300);
  // DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, and DS_SETFONT for FONT.
  EXPECT_EQ(dialog.style, 0x80C808C0u);
  EXPECT_EQ(dialog.exStyle, 0x10008u);
  EXPECT_EQ(dialog.x, 10);
  EXPECT_EQ(dialog.y, 20);
  EXPECT_EQ(dialog.cx, 300);
  EXPECT_EQ(dialog.cy, 200);
  EXPECT_EQ(dialog.helpId, 4242u);
  EXPECT_EQ(dialog.caption.bytes, "Alles drin");
  EXPECT_EQ(dialog.fontSize, 8);
  EXPECT_EQ(dialog.fontFace.bytes, "MS Sans Serif");
  EXPECT_EQ(dialog.fontWeight, 700);
  EXPECT_EQ(dialog.fontItalic, 1);
  EXPECT_EQ(dialog.fontCharset, 0);
  ASSERT_EQ(dialog.controls.size(), std::size(kControls));
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    const auto& got = dialog.controls[i];
    const auto& expected = kControls[i];
    SCOPED_TRACE(expected.id);
    EXPECT_EQ(got.id, expected.id);
    EXPECT_EQ(got.statement, expected.statement);
    EXPECT_EQ(got.className.bytes, expected.className);
    EXPECT_EQ(got.text.bytes, expected.text);
    EXPECT_EQ(got.textResource, expected.textResource);
    EXPECT_EQ(got.style, expected.style);
    EXPECT_EQ(got.exStyle, expected.exStyle);
    EXPECT_EQ(got.x, expected.x);
    EXPECT_EQ(got.y, expected.y);
    EXPECT_EQ(got.cx, expected.cx);
    EXPECT_EQ(got.cy, expected.cy);
    EXPECT_EQ(got.helpId, expected.helpId);
  }
  // Without STYLE: WS_POPUP | WS_BORDER | WS_SYSMENU.
  EXPECT_EQ(script.dialogs.at(301).style, 0x80880000u);
  EXPECT_TRUE(script.dialogs.at(301).controls.empty());
}

TEST(KvrrcScriptTest, PicturesAreTheFilesBytes) {
  rc::Script script = compileTestScript("everything.rc");
  EXPECT_EQ(script.bitmaps.at(2450).bytes, fileBytes("tiny.bmp"));
  EXPECT_EQ(script.bitmaps.at(2451).bytes, fileBytes("other.bmp"));
  EXPECT_EQ(script.icons.at(2475).bytes, fileBytes("tiny.ico"));
  std::vector<std::string> expected{kTestData + "everything.rc", kTestData + "ids.h",
                                    kTestData + "tiny.bmp", kTestData + "other.bmp",
                                    kTestData + "tiny.ico"};
  EXPECT_EQ(script.dependencies, expected);
}

TEST(KvrrcScriptTest, JapaneseTextsBecomeShiftJis) {
  rc::Script script = compileTestScript("japanese.rc");
  EXPECT_EQ(script.codePage, 932);
  EXPECT_EQ(script.strings.at(1).bytes, "\x93\xFA\x96\x7B\x8C\xEA");  // 日本語
  EXPECT_EQ(script.strings.at(2).bytes, "\xB6\xC5 and ASCII");      // half-width kana
  const rc::Dialog& dialog = script.dialogs.at(1);
  EXPECT_EQ(dialog.caption.bytes, "\x93\x6F\x98\x5E");  // 登録
  EXPECT_EQ(dialog.fontFace.bytes, "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
  EXPECT_EQ(dialog.controls.at(0).text.bytes, "\x8E\x81\x96\xBC");  // 氏名
}

// Texts #defined once (as a language's dialog texts are) stand wherever a string may: control
// texts, captions, string-table entries, joined with a literal piece. A name inside a string
// is not replaced. A text is reported where its #define wrote it.
TEST(KvrrcScriptTest, TextMacrosStandWhereverAStringIsExpected) {
  rc::Script script = compileTestScript("macros.rc");
  const ExpectedString strings[] = {{101, "from a macro"},
                                    {103, "say \"hi\" and \"bye\""},
                                    {105, "first second"},
                                    {106, "T_STRING"}};
  ASSERT_EQ(script.strings.size(), std::size(strings));
  for (const auto& expected : strings) {
    SCOPED_TRACE(expected.id);
    EXPECT_EQ(script.strings.at(expected.id).bytes, expected.bytes);
  }
  EXPECT_EQ(script.strings.at(101).where.file, kTestData + "macros/texts.h");
  EXPECT_EQ(script.strings.at(101).where.line, 11);
  EXPECT_EQ(script.strings.at(106).where.file, kTestData + "macros.rc");

  const rc::Dialog& dialog = script.dialogs.at(301);
  EXPECT_EQ(dialog.caption.bytes, "Gr\xFC\xDF" "e");
  ASSERT_EQ(dialog.controls.size(), 4u);
  EXPECT_EQ(dialog.controls[0].text.bytes, "&Name:");
  EXPECT_EQ(dialog.controls[1].text.bytes, "");
  EXPECT_EQ(dialog.controls[2].text.bytes, "");
  EXPECT_EQ(dialog.controls[3].text.bytes, "say \"hi\" and \"bye\"");
  EXPECT_EQ(dialog.controls[3].className.bytes, "Button");

  // The header is read once (its guard), and the picture named by macros/pictures.rc is
  // the one beside the top-level script.
  std::vector<std::string> expected{kTestData + "macros.rc", kTestData + "ids.h",
                                    kTestData + "macros/texts.h", kTestData + "macros/pictures.rc",
                                    kTestData + "tiny.bmp"};
  EXPECT_EQ(script.dependencies, expected);
}

// windres looks for a picture in its -I directories, then beside the top-level script; never
// beside the script that names it. #include "file" looks beside the including file first.
TEST(KvrrcScriptTest, FilesAreFoundWhereWindresFindsThem) {
  const std::string bmp = fileBytes("tiny.bmp");
  const std::string otherBmp = fileBytes("other.bmp");
  struct Case {
    const char* what;
    std::vector<std::string> includeDirs;
    std::map<std::string, std::string> extraFiles;
    std::string expected;  // the picture's path, or the error
  } cases[] = {
      {"include directory before the script's",
       {"shared"},
       {{"shared/bitmaps/a.bmp", bmp}, {"top/bitmaps/a.bmp", otherBmp}},
       "shared/bitmaps/a.bmp"},
      {"the top-level script's directory without -I",
       {},
       {{"shared/bitmaps/a.bmp", bmp}, {"top/bitmaps/a.bmp", otherBmp}},
       "top/bitmaps/a.bmp"},
      {"the top-level script's directory after -I", {"shared"}, {{"top/bitmaps/a.bmp", bmp}},
       "top/bitmaps/a.bmp"},
      {"never beside the naming script",
       {},
       {{"shared/bitmaps/a.bmp", bmp}},
       "shared/pics.rc:1: cannot read \"top/bitmaps/a.bmp\": No such file or directory"},
      {"nowhere",
       {"shared", "other"},
       {},
       "shared/pics.rc:1: cannot read any of \"shared/bitmaps/a.bmp\", \"other/bitmaps/a.bmp\", "
       "\"top/bitmaps/a.bmp\": No such file or directory"},
      {"an #include beside the including file first",
       {"inc"},
       {{"top/ids.h", "#define IDB_A 1\n"}, {"inc/ids.h", "#define IDB_A 2\n"},
        {"top/bitmaps/a.bmp", bmp}},
       "top/ids.h"},
      {"an #include from the include directories", {"inc"},
       {{"inc/ids.h", "#define IDB_A 1\n"}, {"top/bitmaps/a.bmp", bmp}}, "inc/ids.h"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::map<std::string, std::string> files = c.extraFiles;
    bool withIds = files.count("top/ids.h") + files.count("inc/ids.h") != 0;
    files["top/main.rc"] = withIds ? "#include \"ids.h\"\nIDB_A BITMAP \"bitmaps/a.bmp\"\n"
                                   : "#include \"../shared/pics.rc\"\n";
    files["shared/pics.rc"] = "1 BITMAP \"bitmaps/a.bmp\"\n";
    test::MemoryFiles source(files);
    try {
      rc::Script script = rc::compileScript("top/main.rc", source, c.includeDirs);
      if (withIds) {
        EXPECT_EQ(script.dependencies.at(1), c.expected);
      } else {
        EXPECT_EQ(script.bitmaps.at(1).path, c.expected);
        EXPECT_EQ(script.bitmaps.at(1).bytes, files.at(c.expected));
      }
    } catch (const rc::CompileError& error) {
      EXPECT_EQ(error.what(), c.expected);
    }
  }
}

// Scripts saved on Windows: CR LF line ends and a UTF-8 byte order mark read as plain LF.
TEST(KvrrcScriptTest, CrLfAndByteOrderMarkReadLikePlainLines) {
  const std::string lf =
      "#pragma code_page(65001)\n#define IDS_A 7 // seven\n#ifndef IDS_B\n#define IDS_B 8\n#endif\n"
      "STRINGTABLE\nBEGIN\n IDS_A \"Grüße\"\n IDS_B \"b\"\nEND\n";
  std::string crlf = "\xEF\xBB\xBF";
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (const std::string& script : {lf, crlf}) {
    test::MemoryFiles files({{"main.rc", script}});
    rc::Script compiled = rc::compileScript("main.rc", files);
    ASSERT_EQ(compiled.strings.size(), 2u);
    EXPECT_EQ(compiled.strings.at(7).bytes, "Gr\xFC\xDF" "e");
    EXPECT_EQ(compiled.strings.at(7).where.line, 8);
    EXPECT_EQ(compiled.strings.at(8).bytes, "b");
  }
}

// The same script compiled by the build into this test: the emitted source carries it all.
TEST(KvrrcScriptTest, GeneratedTablesHoldWhatTheScriptSays) {
  auto module = ui::ResourceModule::fromTables(&test::everythingTables(), "everything");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->language(), 0x0407);
  EXPECT_EQ(module->codePage(), 1252);
  for (const auto& expected : kStrings) {
    SCOPED_TRACE(expected.id);
    auto text = module->string(expected.id);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, expected.bytes);
  }
  EXPECT_FALSE(module->string(102).has_value());

  const ui::DialogTemplate* dialog = module->dialog(300);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->style, 0x80C808C0u);
  EXPECT_EQ(dialog->exStyle, 0x10008u);
  EXPECT_EQ(dialog->helpId, 4242u);
  EXPECT_EQ(dialog->caption.view(), "Alles drin");
  EXPECT_EQ(dialog->font.pointSize, 8);
  EXPECT_EQ(dialog->font.weight, 700);
  EXPECT_EQ(dialog->font.italic, 1);
  EXPECT_EQ(dialog->font.face.view(), "MS Sans Serif");
  ASSERT_EQ(dialog->controlCount, std::size(kControls));
  for (std::size_t i = 0; i < dialog->controlCount; ++i) {
    const ui::ControlTemplate& got = dialog->controls[i];
    const auto& expected = kControls[i];
    SCOPED_TRACE(expected.id);
    EXPECT_EQ(got.id, expected.id);
    EXPECT_EQ(got.statement, expected.statement);
    EXPECT_EQ(got.className.view(), expected.className);
    EXPECT_EQ(got.text.view(), expected.text);
    EXPECT_EQ(got.textResource, expected.textResource);
    EXPECT_EQ(got.style, expected.style);
    EXPECT_EQ(got.exStyle, expected.exStyle);
    EXPECT_EQ(got.x, expected.x);
    EXPECT_EQ(got.y, expected.y);
    EXPECT_EQ(got.cx, expected.cx);
    EXPECT_EQ(got.cy, expected.cy);
    EXPECT_EQ(got.helpId, expected.helpId);
  }
  EXPECT_EQ(module->dialog(301)->controlCount, 0u);
  EXPECT_EQ(module->dialog(302), nullptr);

  auto bitmap = module->bitmap(2450);
  EXPECT_EQ(std::string(bitmap.begin(), bitmap.end()), fileBytes("tiny.bmp"));
  auto icon = module->icon(2475);
  EXPECT_EQ(std::string(icon.begin(), icon.end()), fileBytes("tiny.ico"));
  EXPECT_TRUE(module->bitmap(2475).empty());
  EXPECT_TRUE(module->icon(2450).empty());
}

}  // namespace
}  // namespace kvr

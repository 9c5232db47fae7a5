// The resource compiler on scripts it must refuse: each gives one "file:line: message", and no
// input makes it crash.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "CompileError.h"
#include "Compiler.h"
#include "MemoryFiles.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace kvr {
namespace {

// "no error", or the message of the error compiling main.rc among `files`.
std::string errorOf(std::map<std::string, std::string> files) {
  test::MemoryFiles source(std::move(files));
  try {
    rc::compileScript("main.rc", source);
    return "no error";
  } catch (const rc::CompileError& error) {
    return error.what();
  }
}

const std::string kBmp = [] {
  std::ifstream file(KVR_SOURCE_DIR "/tests/ui/testdata/tiny.bmp", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}();

std::string stringTable(const std::string& body) {
  return "#pragma code_page(65001)\nSTRINGTABLE\nBEGIN\n" + body + "\nEND\n";
}

std::string dialog(const std::string& controls) {
  return "#include <winres.h>\n1 DIALOGEX 0, 0, 100, 50\nBEGIN\n" + controls + "\nEND\n";
}

TEST(KvrrcErrorTest, EachMalformedScriptGivesItsFileLineAndMessage) {
  struct Case {
    const char* what;
    std::map<std::string, std::string> files;
    std::string expected;
  } cases[] = {
      {"unknown statement", {{"main.rc", "\nFOO BAR\n"}}, "main.rc:2: unknown name FOO"},
      {"resource type not supported", {{"main.rc", "1 MENU\nBEGIN\nEND\n"}},
       "main.rc:1: resource type MENU is not supported"},
      {"DIALOG", {{"main.rc", "1 DIALOG 0, 0, 10, 10\nBEGIN\nEND\n"}},
       "main.rc:1: DIALOG is not supported; write DIALOGEX"},
      {"id missing", {{"main.rc", "BITMAP \"a.bmp\"\n"}},
       "main.rc:1: a resource id must come before BITMAP"},
      {"stray brace", {{"main.rc", "}\n"}}, "main.rc:1: expected a resource statement, found '}'"},
      {"stray character", {{"main.rc", "STRINGTABLE BEGIN 1 \"a\" END\n@\n"}},
       "main.rc:2: unexpected character '@'"},
      {"number too big", {{"main.rc", "4294967296 BITMAP \"a.bmp\"\n"}},
       "main.rc:1: number '4294967296' does not fit in 32 bits"},
      {"malformed number", {{"main.rc", "12ab BITMAP \"a.bmp\"\n"}},
       "main.rc:1: malformed number '12ab'"},
      {"resource id 0", {{"main.rc", "0 BITMAP \"a.bmp\"\n"}},
       "main.rc:1: resource id 0 out of range (1 to 65535)"},
      {"comment not closed", {{"main.rc", "\n/* no end\n\n"}},
       "main.rc:2: comment not closed: */ missing"},

      {"no END", {{"main.rc", "STRINGTABLE\nBEGIN\n 1 \"a\"\n"}}, "main.rc:1: STRINGTABLE has no END"},
      {"no BEGIN", {{"main.rc", "STRINGTABLE\n1 \"a\"\nEND\n"}},
       "main.rc:2: expected BEGIN after STRINGTABLE, found 1"},
      {"string not closed", {{"main.rc", stringTable(" 1 \"abc\n")}},
       "main.rc:4: string not closed before the end of the line"},
      {"string without id", {{"main.rc", stringTable(" \"abc\"")}},
       "main.rc:4: expected a string id or END, found a string"},
      {"id without string", {{"main.rc", stringTable(" 1\n 2 \"b\"")}},
       "main.rc:5: expected the text of string 1, found 2"},
      {"duplicate string", {{"main.rc", stringTable(" 1 \"a\"\n 1 \"b\"")}},
       "main.rc:5: string 1 is already defined at main.rc:4"},
      {"string id too big", {{"main.rc", stringTable(" 70000 \"a\"")}},
       "main.rc:4: string id 70000 out of range (0 to 65535)"},
      {"string too long", {{"main.rc", stringTable(" 1 \"" + std::string(4097, 'x') + "\"")}},
       "main.rc:4: string 1 is longer than 4096 characters"},
      {"unknown escape", {{"main.rc", stringTable(" 1 \"a\\qb\"")}},
       "main.rc:4: unknown escape \\q in a string"},
      {"escape above ASCII", {{"main.rc", stringTable(" 1 \"caf\\xE9\"")}},
       "main.rc:4: escape for a byte above 0x7F; write the character itself"},
      {"wide string", {{"main.rc", stringTable(" 1 L\"wide\"")}},
       "main.rc:4: wide strings (L\"...\") are not supported; write a plain string in UTF-8"},
      {"raw control character", {{"main.rc", stringTable(" 1 \"a\x01\"")}},
       "main.rc:4: control character in a string; write it as an escape"},

      {"UTF-8 without the pragma", {{"main.rc", "STRINGTABLE\nBEGIN\n 1 \"Grüße\"\nEND\n"}},
       "main.rc:3: text beyond ASCII before #pragma code_page(65001); scripts are UTF-8"},
      {"not UTF-8", {{"main.rc", stringTable(" 1 \"Gr\xFC\xDF" "e\"")}},
       "main.rc:4: the script is not valid UTF-8"},
      {"overlong UTF-8", {{"main.rc", stringTable(" 1 \"\xC0\xAF\"")}},
       "main.rc:4: the script is not valid UTF-8"},
      {"other code page", {{"main.rc", "#pragma code_page(1252)\n"}},
       "main.rc:1: #pragma code_page(1252) is not supported; scripts are UTF-8: code_page(65001)"},
      {"unknown pragma", {{"main.rc", "#pragma pack(1)\n"}}, "main.rc:1: unknown #pragma pack"},
      {"not in code page 1252", {{"main.rc", stringTable(" 1 \"ok\"\n 2 \"Tokyo 東京\"")}},
       "main.rc:5: character U+6771 (\"東\") does not exist in code page 1252"},
      {"not in code page 932",
       {{"main.rc",
         "#pragma code_page(65001)\nLANGUAGE 0x11, 1\n1 DIALOGEX 0, 0, 9, 9\nCAPTION \"€\"\n"
         "BEGIN\nEND\n"}},
       "main.rc:4: character U+20AC (\"€\") does not exist in code page 932"},
      {"languages of two code pages", {{"main.rc", "LANGUAGE 0x11, 1\n\nLANGUAGE 7, 1\n"}},
       "main.rc:3: LANGUAGE needs code page 1252, but the texts of this module are in code page "
       "932 (LANGUAGE at main.rc:1)"},
      {"not a language", {{"main.rc", "LANGUAGE 0x400, 1\n"}},
       "main.rc:1: LANGUAGE 1024, 1 is not a language"},

      {"missing include", {{"main.rc", "#include \"missing.h\"\n"}},
       "main.rc:1: cannot read \"missing.h\": No such file or directory"},
      {"unknown system header", {{"main.rc", "#include <stdio.h>\n"}},
       "main.rc:1: unknown system header <stdio.h>; kvrrc knows <winres.h>, <winresrc.h>, "
       "<windows.h>, <afxres.h> and <commctrl.h>"},
      {"include without quotes", {{"main.rc", "#include ids.h\n"}},
       "main.rc:1: #include needs \"file\" or <header>"},
      {"error inside an include, relative to it",
       {{"main.rc", "#include \"dir/a.h\"\n"},
        {"dir/a.h", "#define A 1\n#include \"../b.h\"\n"},
        {"b.h", "#define B 2\n#define C B\n"}},
       "b.h:2: #define C: only a number or a text can be defined here"},
      {"include loop", {{"main.rc", "#include \"a.h\"\n"}, {"a.h", "#include \"a.h\"\n"}},
       "a.h:1: #include nested more than 16 deep (does a file include itself?)"},
      {"#if", {{"main.rc", "#if 1\n#endif\n"}}, "main.rc:1: #if is not supported; use #ifdef or #ifndef"},
      {"#ifdef without #endif", {{"main.rc", "#define A 1\n#ifdef A\n"}},
       "main.rc:2: #ifdef or #ifndef without #endif"},
      {"#ifndef not closed in its file",
       {{"main.rc", "#include \"a.h\"\n#endif\n"}, {"a.h", "\n#ifndef GUARD\n"}},
       "a.h:2: #ifdef or #ifndef without #endif"},
      {"lone #endif", {{"main.rc", "\n#endif\n"}}, "main.rc:2: #endif without #ifdef or #ifndef"},
      {"second #else", {{"main.rc", "#ifdef A\n#else\n#else\n#endif\n"}},
       "main.rc:3: a second #else for the same #ifdef"},
      {"unknown directive", {{"main.rc", "#error stop\n"}}, "main.rc:1: unknown directive #error"},
      {"text after a directive", {{"main.rc", "#define A 1 2\n"}},
       "main.rc:1: unexpected text after #define A"},
      {"redefinition", {{"main.rc", "#define A 1\n#define A 1\n#define A 2\n"}},
       "main.rc:3: A redefined with another value (first defined at main.rc:1)"},
      {"name without value", {{"main.rc", "#define A\nA BITMAP \"x.bmp\"\n"}},
       "main.rc:2: A is defined without a value"},
      {"misplaced #", {{"main.rc", "1 # BITMAP\n"}}, "main.rc:1: '#' must begin a line"},

      {"text macro not defined, control", {{"main.rc", dialog("LTEXT T_NONE, 5, 1, 1, 1, 1")}},
       "main.rc:4: T_NONE is not defined (expected the LTEXT's text (a string))"},
      {"text macro not defined, string table", {{"main.rc", stringTable(" 1 T_NONE")}},
       "main.rc:4: T_NONE is not defined (expected the text of string 1)"},
      {"text macro not defined, caption",
       {{"main.rc", "1 DIALOGEX 0, 0, 9, 9\nCAPTION T_NONE\nBEGIN\nEND\n"}},
       "main.rc:2: T_NONE is not defined (expected the caption (a string))"},
      {"text macro not defined, in an include",
       {{"main.rc", "#include \"d.rc\"\n"}, {"d.rc", dialog("\nPUSHBUTTON T_NONE, 5, 1, 1, 1, 1")}},
       "d.rc:5: T_NONE is not defined (expected the PUSHBUTTON's text (a string))"},
      {"text macro where a number belongs",
       {{"main.rc", "#define T_A \"a\"\n" + dialog("LTEXT \"x\", T_A, 1, 1, 1, 1")}},
       "main.rc:5: expected the LTEXT's id, found T_A (a text)"},
      {"text macro as a resource id", {{"main.rc", "#define T_A \"a\"\nT_A BITMAP \"a.bmp\"\n"}},
       "main.rc:2: expected a resource statement, found T_A (a text)"},
      {"text macro of two pieces", {{"main.rc", "#define T_A \"a\" \"b\"\n"}},
       "main.rc:1: #define T_A: write the text as one string"},
      {"text after a text macro", {{"main.rc", "#define T_A \"a\" 1\n"}},
       "main.rc:1: unexpected text after #define T_A"},
      {"text macro redefined",
       {{"main.rc", "#define T_A \"a\"\n#define T_A \"a\"\n#define T_A \"b\"\n"}},
       "main.rc:3: T_A redefined with another value (first defined at main.rc:1)"},
      {"text macro used before the code page",
       {{"main.rc", "#include \"t.h\"\nSTRINGTABLE\nBEGIN\n 1 T_A\nEND\n"},
        {"t.h", "#define T_A \"Grüße\"\n"}},
       "main.rc:4: text beyond ASCII before #pragma code_page(65001); scripts are UTF-8 (in T_A, "
       "defined at t.h:1)"},
      {"text macro not in the code page, reported at its #define",
       {{"main.rc",
         "#pragma code_page(65001)\n#include \"t.h\"\n" + dialog("LTEXT T_A, 5, 1, 1, 1, 1")},
        {"t.h", "\n#define T_A \"Tokyo 東京\"\n"}},
       "t.h:2: character U+6771 (\"東\") does not exist in code page 1252"},

      {"style name without a system header",
       {{"main.rc", "1 DIALOGEX 0, 0, 10, 10\nSTYLE WS_POPUP\nBEGIN\nEND\n"}},
       "main.rc:2: unknown name WS_POPUP (#include <winres.h> defines it)"},
      {"IDC_STATIC needs winres.h",
       {{"main.rc", "#include <windows.h>\n1 DIALOGEX 0, 0, 10, 10\nBEGIN\n"
                    "LTEXT \"a\", IDC_STATIC, 0, 0, 9, 9\nEND\n"}},
       "main.rc:4: unknown name IDC_STATIC (#include <winres.h> defines it)"},
      {"MENU in a dialog", {{"main.rc", "1 DIALOGEX 0, 0, 10, 10\nMENU 5\nBEGIN\nEND\n"}},
       "main.rc:2: MENU in a dialog is not supported"},
      {"CLASS in a dialog", {{"main.rc", "1 DIALOGEX 0, 0, 10, 10\nCLASS \"x\"\nBEGIN\nEND\n"}},
       "main.rc:2: CLASS in a dialog is not supported"},
      {"dialog without END", {{"main.rc", "\n1 DIALOGEX 0, 0, 10, 10\nBEGIN\n"}},
       "main.rc:2: DIALOGEX 1 has no END"},
      {"dialog geometry incomplete", {{"main.rc", "1 DIALOGEX 0, 0, 10\nBEGIN\nEND\n"}},
       "main.rc:2: expected ',' after the width, found BEGIN"},
      {"duplicate dialog",
       {{"main.rc", "1 DIALOGEX 0, 0, 9, 9\nBEGIN\nEND\n1 DIALOGEX 0, 0, 9, 9\nBEGIN\nEND\n"}},
       "main.rc:4: dialog 1 is already defined at main.rc:1"},
      {"unknown control", {{"main.rc", dialog("STATE3 \"x\", 1, 0, 0, 9, 9")}},
       "main.rc:4: expected a control statement or END, found STATE3"},
      {"missing comma", {{"main.rc", dialog("LTEXT \"a\", 5 1, 1, 1, 1")}},
       "main.rc:4: expected ',' after the LTEXT's id, found 1"},
      {"text missing", {{"main.rc", dialog("PUSHBUTTON 5, 1, 1, 1, 1")}},
       "main.rc:4: expected the PUSHBUTTON's text (a string), found 5"},
      {"coordinate out of range", {{"main.rc", dialog("LTEXT \"a\", 5, 40000, 1, 1, 1")}},
       "main.rc:4: x 40000 out of range (-32768 to 32767)"},
      {"NOT in an extended style",
       {{"main.rc", dialog("LTEXT \"a\", 5, 1, 1, 1, 1, 0, NOT WS_EX_TOPMOST")}},
       "main.rc:4: NOT is not allowed in an extended style"},
      {"keyword as a value", {{"main.rc", dialog("LTEXT \"a\", 5, 1, 1, 1, 1, BEGIN")}},
       "main.rc:4: expected a style, found BEGIN"},
      {"class missing", {{"main.rc", dialog("CONTROL \"a\", 5, BS_PUSHBUTTON, 1, 1, 1, 1")}},
       "main.rc:4: expected the control's class name (a string), found BS_PUSHBUTTON"},
      {"nesting without end", {{"main.rc", "1 DIALOGEX " + std::string(100000, '(') + "0"}},
       "main.rc:1: value nested more than 32 deep"},
      {"unclosed parenthesis", {{"main.rc", dialog("LTEXT \"a\", (5, 1, 1, 1, 1")}},
       "main.rc:4: expected ')', found ','"},

      {"missing bitmap", {{"main.rc", "\n1 BITMAP \"pic.bmp\"\n"}},
       "main.rc:2: cannot read \"pic.bmp\": No such file or directory"},
      {"bitmap path relative to the top-level script, not the naming one",
       {{"main.rc", "#include \"sub/pics.rc\"\n"}, {"sub/pics.rc", "1 BITMAP \"pic.bmp\"\n"},
        {"sub/pic.bmp", kBmp}},
       "sub/pics.rc:1: cannot read \"pic.bmp\": No such file or directory"},
      {"not a bitmap", {{"main.rc", "1 BITMAP \"pic.bmp\"\n"}, {"pic.bmp", "GIF89a......................."}},
       "main.rc:1: \"pic.bmp\": not a BMP file"},
      {"bitmap cut short", {{"main.rc", "1 BITMAP \"pic.bmp\"\n"}, {"pic.bmp", kBmp.substr(0, 60)}},
       "main.rc:1: \"pic.bmp\": the header gives a file size of 70 bytes, the file has 60"},
      {"not an icon", {{"main.rc", "1 ICON \"app.ico\"\n"}, {"app.ico", kBmp}},
       "main.rc:1: \"app.ico\": not an ICO file"},
      {"duplicate bitmap",
       {{"main.rc", "1 BITMAP \"pic.bmp\"\n1 BITMAP \"pic.bmp\"\n"}, {"pic.bmp", kBmp}},
       "main.rc:2: bitmap 1 is already defined at main.rc:1"},
      {"file name not quoted", {{"main.rc", "1 BITMAP pic\n"}},
       "main.rc:1: expected a file name in quotes, found pic"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(errorOf(c.files), c.expected);
  }
}

TEST(KvrrcErrorTest, LeftOutGroupsAndCommentsAreNotRead) {
  EXPECT_EQ(errorOf({{"main.rc",
                      "#ifdef NEVER\n#define A B C\n@ \"unclosed\n#if 1\n#else\n#endif\n#endif\n"
                      "#ifndef RC_INVOKED\nstruct Ids { int x; };\n#endif\n"
                      "/* #include \"x.h\" */ // STRINGTABLE @\n"}}),
            "no error");
}

// Every prefix of a valid script ends in a clean error or compiles; none crashes.
TEST(KvrrcErrorTest, EveryCutOfAValidScriptIsRefusedCleanly) {
  std::ifstream file(KVR_SOURCE_DIR "/tests/ui/testdata/everything.rc", std::ios::binary);
  std::string script(std::istreambuf_iterator<char>(file), {});
  ASSERT_GT(script.size(), 1000u);
  std::ifstream ids(KVR_SOURCE_DIR "/tests/ui/testdata/ids.h", std::ios::binary);
  std::string header(std::istreambuf_iterator<char>(ids), {});
  int refused = 0;
  for (std::size_t cut = 0; cut < script.size(); ++cut) {
    std::string result = errorOf({{"main.rc", script.substr(0, cut)}, {"ids.h", header},
                                  {"tiny.bmp", kBmp}, {"other.bmp", kBmp}});
    if (result == "no error") continue;
    ++refused;
    ASSERT_EQ(result.rfind("main.rc:", 0), 0u) << "cut at " << cut << ": " << result;
  }
  EXPECT_GT(refused, 0);
}

TEST(KvrrcErrorTest, TheProgramReportsOnStandardErrorAndFails) {
  test::TempDir dir;
  test::writeFile(dir.file("bad.rc"), "STRINGTABLE\nBEGIN\n 1 \"ok\"\n 2 oops\nEND\n");
  std::string out = dir.file("bad.cpp");
  auto result = test::runProgram(test::builtProgram("kvrrc"), {"-o", out, dir.file("bad.rc")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err,
            dir.file("bad.rc") + ":4: oops is not defined (expected the text of string 2)\n");
  EXPECT_FALSE(std::filesystem::exists(out));

  auto missing = test::runProgram(test::builtProgram("kvrrc"), {"-o", out, dir.file("none.rc")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err,
            dir.file("none.rc") + ": cannot read the script: No such file or directory\n");

  auto usage = test::runProgram(test::builtProgram("kvrrc"), {dir.file("bad.rc")});
  EXPECT_EQ(usage.exitCode, 2);
}

TEST(KvrrcErrorTest, TheProgramWritesTheSourceAndItsDependencies) {
  test::TempDir dir;
  test::writeFile(dir.file("ids.h"), "#define IDS_A 7\n");
  test::writeFile(dir.file("ok.rc"), "#include \"ids.h\"\nSTRINGTABLE\nBEGIN\n IDS_A \"seven\"\nEND\n");
  auto result = test::runProgram(
      test::builtProgram("kvrrc"),
      {"--function", "a::b::tables", "--depfile", dir.file("ok.d"), "-o", dir.file("ok.cpp"),
       dir.file("ok.rc")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  std::string source = test::readFile(dir.file("ok.cpp"));
  EXPECT_NE(source.find("{7, {\"seven\", 5}}"), std::string::npos) << source;
  EXPECT_NE(source.find("namespace a::b {"), std::string::npos);
  EXPECT_NE(source.find("const kvr::ui::ResourceTables& tables() { return kTables; }"),
            std::string::npos);
  EXPECT_EQ(test::readFile(dir.file("ok.d")),
            dir.file("ok.cpp") + ": " + dir.file("ok.rc") + " " + dir.file("ids.h") + "\n");
}

// A module under lang/ includes ../pictures.rc, whose names are relative to the directory
// given with -I, as the build passes it.
TEST(KvrrcErrorTest, TheProgramSearchesTheIncludeDirectories) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.file("lang"));
  std::filesystem::create_directories(dir.file("bitmaps"));
  test::writeFile(dir.file("bitmaps/tiny.bmp"), kBmp);
  test::writeFile(dir.file("pictures.rc"), "1 BITMAP \"bitmaps/tiny.bmp\"\n");
  test::writeFile(dir.file("lang/ENU.rc"), "#include \"../pictures.rc\"\n");
  const std::string out = dir.file("ENU.cpp");

  auto without =
      test::runProgram(test::builtProgram("kvrrc"), {"-o", out, dir.file("lang/ENU.rc")});
  EXPECT_EQ(without.exitCode, 1);
  EXPECT_EQ(without.err, dir.file("pictures.rc") + ":1: cannot read \"" +
                             dir.file("lang/bitmaps/tiny.bmp") + "\": No such file or directory\n");

  auto with = test::runProgram(test::builtProgram("kvrrc"),
                               {"-I", dir.path().string(), "--depfile", dir.file("ENU.d"), "-o",
                                out, dir.file("lang/ENU.rc")});
  ASSERT_EQ(with.exitCode, 0) << with.err;
  EXPECT_EQ(test::readFile(dir.file("ENU.d")),
            out + ": " + dir.file("lang/ENU.rc") + " " + dir.file("pictures.rc") + " " +
                dir.file("bitmaps/tiny.bmp") + "\n");
}

}  // namespace
}  // namespace kvr

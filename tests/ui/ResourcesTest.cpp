// Where resources come from: a language module loaded as a shared library, the program's own
// resources, and the rule that only strings fall back from the one to the other.
#include "ui/Resources.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/LogCapture.h"
#include "support/TempDir.h"
#include "ui/StringTable.h"

namespace kvr::test {
const ui::ResourceTables& testProgramTables();
}

namespace kvr {
namespace {

// Built from tests/ui/testdata/lang.rc beside this test.
constexpr const char* kTestModule = "KVTESTDE.dll";

std::string fileBytes(const std::string& name) {
  std::ifstream file(KVR_SOURCE_DIR "/tests/ui/testdata/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string bytesOf(std::span<const std::uint8_t> bytes) {
  return std::string(bytes.begin(), bytes.end());
}

class ResourceSourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_program = ui::ResourceModule::fromTables(&test::testProgramTables(), "test program");
    ASSERT_NE(m_program, nullptr);
    m_source = std::make_unique<ui::ResourceSource>(*m_program);
  }

  std::unique_ptr<ui::ResourceModule> m_program;
  std::unique_ptr<ui::ResourceSource> m_source;
};

TEST_F(ResourceSourceTest, WithoutAModuleEverythingComesFromTheProgram) {
  EXPECT_EQ(m_source->active(), nullptr);
  EXPECT_EQ(m_source->string(101), "Hello");
  EXPECT_EQ(m_source->string(313), "Test Registration");
  EXPECT_EQ(m_source->string(102), "");
  EXPECT_EQ(m_source->dialog(2100), m_program->dialog(2100));
  ASSERT_NE(m_source->dialog(2100), nullptr);
  EXPECT_EQ(bytesOf(m_source->bitmap(2450)), fileBytes("tiny.bmp"));
  EXPECT_EQ(bytesOf(m_source->icon(2475)), fileBytes("tiny.ico"));
}

TEST_F(ResourceSourceTest, AnActiveModuleIsTheSourceAndOnlyStringsFallBack) {
  auto module = ui::ResourceModule::load(kTestModule);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->language(), 0x0407);
  m_source->setActive(std::move(module));
  ASSERT_NE(m_source->active(), nullptr);

  struct {
    unsigned id;
    std::string text;
  } strings[] = {
      {101, "Gr\xFC\xDF Gott"},       // the module's, in its code page
      {102, "nur im Modul"},           // only the module has it
      {100, "only in the program"},    // the module lacks it: the program's
      {313, "Test Registration"},
      {1520, ""},                      // neither has it
  };
  for (const auto& s : strings) {
    SCOPED_TRACE(s.id);
    EXPECT_EQ(m_source->string(s.id), s.text);
  }

  // The module's own template; one it lacks is missing although the program has it.
  const ui::DialogTemplate* start = m_source->dialog(2402);
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(start->caption.view(), "Start");
  EXPECT_EQ(start, m_source->active()->dialog(2402));
  EXPECT_EQ(m_source->dialog(2100), nullptr);
  ASSERT_NE(m_program->dialog(2100), nullptr);

  // Pictures likewise: the module's 2451 (tiny.bmp, where the program has other.bmp), and no
  // 2450 or icon 2475, which only the program has.
  EXPECT_EQ(bytesOf(m_source->bitmap(2451)), fileBytes("tiny.bmp"));
  EXPECT_TRUE(m_source->bitmap(2450).empty());
  EXPECT_TRUE(m_source->icon(2475).empty());

  m_source->setActive(nullptr);
  EXPECT_EQ(m_source->string(101), "Hello");
  EXPECT_NE(m_source->dialog(2100), nullptr);
  EXPECT_EQ(bytesOf(m_source->bitmap(2451)), fileBytes("other.bmp"));
}

TEST(ResourceModuleTest, AModuleThatCannotBeLoadedIsNull) {
  test::TempDir dir;
  test::writeFile(dir.file("KVGARBAGE.so"), "not a shared library");
  struct {
    std::string name;
    std::string logged;
  } cases[] = {
      // Not installed: an ordinary answer, nothing to trace.
      {"KVOVXXXX.dll", ""},
      {dir.file("KVGARBAGE.dll"), dir.file("KVGARBAGE.so")},
      // A real library without the entry point.
      {"libm.so.6", "no kvrResourceTables"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::LogCapture log;
    EXPECT_EQ(ui::ResourceModule::load(c.name), nullptr);
    if (c.logged.empty())
      EXPECT_EQ(log.text(), "");
    else
      EXPECT_NE(log.text().find(c.logged), std::string::npos) << log.text();
  }
}

TEST(ResourceModuleTest, TablesThatDoNotHoldAreRefused) {
  static const ui::StringResource kUnordered[] = {{5, {"b", 1}}, {4, {"a", 1}}};
  static const ui::StringResource kNoText[] = {{5, {nullptr, 0}}};
  auto tables = [] {
    return ui::ResourceTables{ui::kResourceTablesMagic, ui::kResourceTablesVersion,
                              sizeof(ui::ResourceTables), 0, 1252, nullptr, 0, nullptr, 0,
                              nullptr, 0, nullptr, 0};
  };
  ui::ResourceTables good = tables();
  EXPECT_NE(ui::ResourceModule::fromTables(&good, "good"), nullptr);

  struct {
    const char* what;
    ui::ResourceTables tables;
  } cases[] = {
      {"bad magic", tables()},   {"other version", tables()}, {"other size", tables()},
      {"unordered", tables()},   {"missing array", tables()}, {"string without text", tables()},
  };
  cases[0].tables.magic = 0x12345678;
  cases[1].tables.version = ui::kResourceTablesVersion + 1;
  cases[2].tables.size = sizeof(ui::ResourceTables) + 8;
  cases[3].tables.strings = kUnordered;
  cases[3].tables.stringCount = 2;
  cases[4].tables.dialogCount = 3;
  cases[5].tables.strings = kNoText;
  cases[5].tables.stringCount = 1;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::LogCapture log;
    EXPECT_EQ(ui::ResourceModule::fromTables(&c.tables, c.what), nullptr);
    EXPECT_NE(log.text().find(std::string("Resource module ") + c.what + " refused"),
              std::string::npos)
        << log.text();
  }
  test::LogCapture log;
  EXPECT_EQ(ui::ResourceModule::fromTables(nullptr, "none"), nullptr);
}

// The process-wide source over the program's own resources (res/kvrWizard.rc).
TEST(ResourcesTest, LoadStringReadsTheActiveModuleThenTheProgram) {
  const std::string title(*ui::programResources().string(313));
  EXPECT_FALSE(title.empty());
  EXPECT_EQ(ui::loadString(313), title);
  EXPECT_EQ(ui::loadString(1520), "");

  ui::setResourceModule(ui::ResourceModule::load(kTestModule));
  ASSERT_NE(ui::resources().active(), nullptr);
  EXPECT_EQ(ui::loadString(102), "nur im Modul");
  EXPECT_EQ(ui::loadString(313), title);
  EXPECT_EQ(ui::findDialog(2100), nullptr);
  EXPECT_EQ(ui::findDialog(2402), ui::resources().active()->dialog(2402));
  EXPECT_TRUE(ui::findIcon(2475).empty());

  ui::setResourceModule(nullptr);
  EXPECT_EQ(ui::resources().active(), nullptr);
  EXPECT_EQ(ui::loadString(102), "");
  EXPECT_EQ(ui::findDialog(2402), ui::programResources().dialog(2402));
}

}  // namespace
}  // namespace kvr

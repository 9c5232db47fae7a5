#include "brand/LanguageSelection.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/Options.h"
#include "brand/BrandProfile.h"
#include "brand/LanguageTable.h"
#include "brand/Languages.h"
#include "platform/System.h"
#include "support/LogCapture.h"
#include "ui/Resources.h"
#include "ui/StringTable.h"

namespace kvr {
namespace {

constexpr std::string_view kGermanFirstName = "Vorname ist ein Pflichtfeld.";

// A language library's resources with one translated string.
const ui::ResourceTables* fakeTables() {
  static const ui::StringResource strings[] = {
      {201, {kGermanFirstName.data(), static_cast<std::uint32_t>(kGermanFirstName.size())}}};
  static const ui::ResourceTables tables{
      ui::kResourceTablesMagic, ui::kResourceTablesVersion, sizeof(ui::ResourceTables), 0x0407,
      1252, strings, 1, nullptr, 0, nullptr, 0, nullptr, 0};
  return &tables;
}

// Records the names asked for; loads only those in `present`.
struct RecordingLoader {
  std::set<std::string> present;
  std::vector<std::string> asked;

  ModuleLoader loader() {
    return [this](std::string_view name) -> std::unique_ptr<ui::ResourceModule> {
      asked.emplace_back(name);
      if (present.count(std::string(name)) == 0) return nullptr;
      return ui::ResourceModule::fromTables(fakeTables(), std::string(name));
    };
  }
};

const ui::ResourceModule* activeResourceModule() { return ui::resources().active(); }

// Sets the locale variables for the life of the object, restoring the old values after.
class ScopedLocaleEnv {
 public:
  explicit ScopedLocaleEnv(const char* lang) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
      const char* old = std::getenv(name);
      m_old[name] = old ? std::optional<std::string>(old) : std::nullopt;
      unsetenv(name);
    }
    setenv("LANG", lang, 1);
  }
  ~ScopedLocaleEnv() {
    for (const auto& [name, value] : m_old) {
      if (value)
        setenv(name.c_str(), value->c_str(), 1);
      else
        unsetenv(name.c_str());
    }
  }

 private:
  std::map<std::string, std::optional<std::string>> m_old;
};

class LanguageSelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetOptions();
    deleteBrandProfile();
    deleteLanguage();
  }
  void TearDown() override {
    deleteLanguage();
    deleteBrandProfile();
    resetOptions();
  }
};

TEST(LanguageNameTest, LocaleNamesGiveTheLanguageName) {
  struct {
    std::string locale;
    std::string name;
  } cases[] = {
      {"English_United States.1252", "english"},
      {"German_Germany.1252", "german"},
      {"Portuguese_Brazil.1252", "portuguese_brazil"},
      {"Portuguese_Portugal.1252", "portuguese"},
      {"Chinese_Taiwan.950", "chinese_taiwan"},
      {"Chinese_People's Republic of China.936", "chinese"},
      {"Norwegian (Bokm\xe5l)_Norway.1252", "norwegian"},
      {"Portuguese_Brazil", "portuguese_brazil"},
      {"portuguese-brazilian", "portuguese-brazilian"},
      {"Japanese", "japanese"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.locale);
    EXPECT_EQ(languageNameFromLocale(c.locale), c.name);
  }
}

TEST(LanguageNameTest, LibraryNameJoinsBrandAndLanguageCodes) {
  EXPECT_EQ(languageLibraryName("OVX", kGerman), "KVOVXDEU.dll");
  EXPECT_EQ(languageLibraryName("OVX", kEnglish), "KVOVXENU.dll");
  EXPECT_EQ(languageLibraryName("TNG", kBrazilianPortuguese), "KVTNGPTB.dll");
  EXPECT_EQ(languageLibraryName("AMBER", kJapanese), "KVAMBJPN.dll");
}

TEST_F(LanguageSelectionTest, NamesSelectTheirLanguageWhenTheLibraryLoads) {
  struct {
    std::string name;
    std::string library;
    int code;
  } cases[] = {
      {"deu", "KVOVXDEU.dll", kGerman},
      {"german-swiss", "KVOVXDEU.dll", kGerman},
      {"ptb", "KVOVXPTB.dll", kBrazilianPortuguese},
      {"portuguese", "KVOVXPTG.dll", kPortuguese},
      {"chinese_taiwan", "KVOVXCHT.dll", 12},
      {"Deu", "KVOVXENU.dll", kEnglish},  // names match exactly, lower case only
      {"klingon", "KVOVXENU.dll", kEnglish},
      {"", "KVOVXENU.dll", kEnglish},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingLoader files{{c.library}, {}};
    auto chosen = makeLanguageFromName(c.name, "OVX", files.loader());
    EXPECT_EQ(files.asked, std::vector<std::string>{c.library});
    EXPECT_EQ(chosen->code(), c.code);
    EXPECT_NE(chosen->module(), nullptr);
  }
}

TEST_F(LanguageSelectionTest, AMissingLibraryFallsBackToEnglishWithoutOne) {
  for (std::string name : {"deu", "fra", "ptb", "jpn", "enu"}) {
    SCOPED_TRACE(name);
    RecordingLoader nothing;
    auto chosen = makeLanguageFromName(name, "OVX", nothing.loader());
    EXPECT_EQ(chosen->code(), kEnglish);
    EXPECT_EQ(chosen->module(), nullptr);
    ASSERT_NE(dynamic_cast<EnglishLanguage*>(chosen.get()), nullptr);
    EXPECT_TRUE(chosen->hasOwnStates(kCountryUnitedStates)) << "answers as English";
    EXPECT_EQ(nothing.asked.size(), 1u) << "no second attempt with the English library";
  }
}

TEST_F(LanguageSelectionTest, SystemLoaderFallsBackWhenTheLibraryIsNotInstalled) {
  // No library is ever built for the Tanager brand's Czech.
  test::LogCapture log;
  auto chosen = makeLanguageFromName("czech", "TNG", systemModuleLoader());
  EXPECT_EQ(chosen->code(), kEnglish);
  EXPECT_EQ(chosen->module(), nullptr);
}

TEST_F(LanguageSelectionTest, AGermanLocaleLoadsTheShippedGermanLibrary) {
  const std::string library = std::string(KVR_BIN_DIR) + "/KVOVXDEU.so";
  if (!std::filesystem::exists(library)) GTEST_SKIP() << library << " is not built";
  ScopedLocaleEnv env("de_DE.UTF-8");
  test::LogCapture log;
  selectStartupLanguage();
  EXPECT_EQ(log.text(), "German_Germany.1252");
  EXPECT_EQ(language().code(), kGerman);
  ASSERT_NE(language().module(), nullptr);
  EXPECT_EQ(language().module()->name(), "KVOVXDEU.dll");
  EXPECT_EQ(ui::resources().active(), language().module());
  EXPECT_NE(ui::loadString(201), "First Name is a required field.") << "a German text";
  EXPECT_FALSE(ui::loadString(201).empty());
}

TEST_F(LanguageSelectionTest, UserLocalesSelectTheirLanguageAndLogTheNameWithoutEndOfLine) {
  struct {
    const char* lang;
    std::string windowsName;
    std::string library;
    int code;
  } cases[] = {
      {"de_DE.UTF-8", "German_Germany.1252", "KVOVXDEU.dll", kGerman},
      {"pt_BR.UTF-8", "Portuguese_Brazil.1252", "KVOVXPTB.dll", kBrazilianPortuguese},
      {"pt_PT.UTF-8", "Portuguese_Portugal.1252", "KVOVXPTG.dll", kPortuguese},
      {"ja_JP.UTF-8", "Japanese_Japan.932", "KVOVXJPN.dll", kJapanese},
      {"fr_CA.UTF-8", "French_Canada.1252", "KVOVXFRA.dll", kFrench},
      {"C", "English_United States.1252", "KVOVXENU.dll", kEnglish},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lang);
    ScopedLocaleEnv env(c.lang);
    ASSERT_EQ(platform::userLocaleName(), c.windowsName);
    RecordingLoader files{{c.library}, {}};
    test::LogCapture log;
    auto chosen = makeLanguageFromLocale("OVX", files.loader());
    EXPECT_EQ(log.text(), c.windowsName);
    EXPECT_EQ(files.asked, std::vector<std::string>{c.library});
    EXPECT_EQ(chosen->code(), c.code);
  }
}

TEST_F(LanguageSelectionTest, TheLocaleNameSharesItsLineWithTheNextEntry) {
  ScopedLocaleEnv env("de_AT.UTF-8");
  RecordingLoader nothing;
  test::LogCapture log;
  makeLanguageFromLocale("OVX", nothing.loader());
  debugLog() << "next" << std::endl;
  EXPECT_EQ(log.text(), "German_Austria.1252next\n");
}

TEST_F(LanguageSelectionTest, StartupTakesTheLangOptionBeforeTheLocale) {
  ScopedLocaleEnv env("ja_JP.UTF-8");
  options().lang = "deu";
  RecordingLoader files{{"KVOVXDEU.dll", "KVOVXJPN.dll"}, {}};
  test::LogCapture log;
  selectStartupLanguage(files.loader());
  EXPECT_EQ(language().code(), kGerman);
  EXPECT_EQ(files.asked, std::vector<std::string>{"KVOVXDEU.dll"});
  EXPECT_EQ(log.text(), "") << "the locale is not consulted";
  EXPECT_EQ(activeResourceModule(), language().module());
  EXPECT_NE(activeResourceModule(), nullptr);
}

TEST_F(LanguageSelectionTest, StartupWithoutLangUsesTheLocale) {
  ScopedLocaleEnv env("de_DE.UTF-8");
  RecordingLoader files{{"KVOVXDEU.dll"}, {}};
  test::LogCapture log;
  selectStartupLanguage(files.loader());
  EXPECT_EQ(language().code(), kGerman);
  EXPECT_EQ(files.asked, std::vector<std::string>{"KVOVXDEU.dll"});
  EXPECT_EQ(log.text(), "German_Germany.1252");
  EXPECT_EQ(activeResourceModule(), language().module());
  EXPECT_EQ(ui::loadString(201), kGermanFirstName);
}

TEST_F(LanguageSelectionTest, StartupWithAMissingLibraryLeavesTheProgramsOwnResources) {
  ScopedLocaleEnv env("de_DE.UTF-8");
  RecordingLoader nothing;
  test::LogCapture log;
  selectStartupLanguage(nothing.loader());
  EXPECT_EQ(language().code(), kEnglish);
  EXPECT_EQ(language().module(), nullptr);
  EXPECT_EQ(activeResourceModule(), nullptr);
  EXPECT_EQ(ui::loadString(201), "First Name is a required field.");
}

TEST_F(LanguageSelectionTest, TheLibraryNameFollowsTheBrand) {
  setBrandProfile(makeBrandProfile(BrandId::Corvina));
  options().lang = "fra";
  RecordingLoader files{{"KVCRVFRA.dll"}, {}};
  selectStartupLanguage(files.loader());
  EXPECT_EQ(files.asked, std::vector<std::string>{"KVCRVFRA.dll"});
  EXPECT_EQ(language().code(), kFrench);
}

TEST_F(LanguageSelectionTest, DeletingTheLanguageReturnsToTheProgramsResources) {
  options().lang = "deu";
  RecordingLoader files{{"KVOVXDEU.dll"}, {}};
  selectStartupLanguage(files.loader());
  ASSERT_NE(activeResourceModule(), nullptr);
  EXPECT_EQ(ui::loadString(201), kGermanFirstName);
  deleteLanguage();
  EXPECT_EQ(activeResourceModule(), nullptr);
  EXPECT_EQ(ui::loadString(201), "First Name is a required field.");
}

}  // namespace
}  // namespace kvr

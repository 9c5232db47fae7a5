#include "brand/LanguageSelection.h"

#include "app/Options.h"
#include "brand/BrandProfile.h"
#include "brand/LanguageTable.h"
#include "brand/Languages.h"
#include "log/DebugLog.h"
#include "platform/System.h"
#include "ui/Resources.h"

namespace kvr {

namespace {

constexpr std::string_view kNotSpecified = "NotSpecified";
constexpr std::size_t kBrandCodeInName = 3;

// Lives until the process ends: a static destructor could run after the resource source
// that holds its library is gone.
Language* g_language = nullptr;

}  // namespace

ModuleLoader systemModuleLoader() {
  return [](std::string_view fileName) { return ui::ResourceModule::load(fileName); };
}

std::string languageLibraryName(std::string_view brandCode, int language) {
  std::string name = "KV";
  name += brandCode.substr(0, kBrandCodeInName);
  name += libraryCode(language);
  name += ".dll";
  return name;
}

std::string languageNameFromLocale(std::string_view localeName) {
  const std::string lower = toLowerAscii(localeName);
  std::string name = lower.substr(0, lower.find_first_of("_ "));
  const bool brazil = name == "portuguese" && lower.find("brazil") != std::string::npos;
  const bool taiwan = name == "chinese" && lower.find("taiwan") != std::string::npos;
  if (brazil || taiwan) name = lower.substr(0, lower.find('.'));
  return name;
}

std::unique_ptr<Language> makeLanguageFromName(std::string_view name, std::string_view brandCode,
                                               const ModuleLoader& load) {
  int code = languageFromName(name);
  std::unique_ptr<ui::ResourceModule> module = load(languageLibraryName(brandCode, code));
  if (!module) code = kEnglish;
  return makeLanguage(code, std::move(module));
}

std::unique_ptr<Language> makeLanguageFromLocale(std::string_view brandCode,
                                                 const ModuleLoader& load) {
  platform::setRuntimeLocale("");
  const std::string localeName = platform::userLocaleName();
  // Shares its line with whatever the log receives next.
  debugLog() << localeName << std::flush;
  return makeLanguageFromName(languageNameFromLocale(localeName), brandCode, load);
}

void selectStartupLanguage(const ModuleLoader& load) {
  const std::string& requested = options().lang;
  if (requested != kNotSpecified) {
    auto chosen = makeLanguageFromName(requested, brandProfile().brandCode(), load);
    platform::setRuntimeLocale(requested);
    setLanguage(std::move(chosen));
    return;
  }
  setLanguage(makeLanguageFromLocale(brandProfile().brandCode(), load));
}

Language& language() {
  if (g_language == nullptr)
    setLanguage(makeLanguageFromLocale(brandProfile().brandCode(), systemModuleLoader()));
  return *g_language;
}

void setLanguage(std::unique_ptr<Language> chosen) {
  // Replacing the active module unloads the old language's library; the old object is
  // deleted right after and never reads it again.
  ui::setResourceModule(chosen ? chosen->releaseModule() : nullptr);
  delete g_language;
  g_language = chosen.release();
}

void deleteLanguage() { setLanguage(nullptr); }

}  // namespace kvr

#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "brand/Language.h"

namespace kvr {

// Loads a language library by its Windows file name; null when it cannot be loaded or holds
// no usable resources.
using ModuleLoader =
    std::function<std::unique_ptr<ui::ResourceModule>(std::string_view fileName)>;

// The system loader (ui::ResourceModule::load).
ModuleLoader systemModuleLoader();

// "KV" + the first three characters of the brand code + the language's library code + ".dll":
// KVOVXDEU.dll.
std::string languageLibraryName(std::string_view brandCode, int language);

// The language name a Windows-form locale name stands for: lower case, up to the first "_" or
// blank ("german"); up to the first "." for Brazilian Portuguese and Taiwanese Chinese
// ("portuguese_brazil", "chinese_taiwan").
std::string languageNameFromLocale(std::string_view localeName);

// The language object for a name of the language table (exact, lower case), with its library
// loaded for the brand; English without a library when the name is unknown to the table or the
// library cannot be loaded.
std::unique_ptr<Language> makeLanguageFromName(std::string_view name, std::string_view brandCode,
                                               const ModuleLoader& load);

// The language of the user's default locale: sets the runtime locale to it, writes its name to
// the debug log with no end of line, and makes the object as above.
std::unique_ptr<Language> makeLanguageFromLocale(std::string_view brandCode,
                                                 const ModuleLoader& load);

// Start-up: from the `lang` option when it is given, else from the user's locale; the result
// becomes the process-wide language and its library the source of resources.
void selectStartupLanguage(const ModuleLoader& load = systemModuleLoader());

// The process-wide language, created from the user's locale on first use.
Language& language();
// Puts a language in place as the process-wide one, its library becoming the source of
// resources (the program's own without one).
void setLanguage(std::unique_ptr<Language> language);
// Deletes the process-wide language; resources come from the program again (tests: the
// language lives until the process ends).
void deleteLanguage();

}  // namespace kvr

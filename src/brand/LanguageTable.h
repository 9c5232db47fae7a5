#pragma once

#include <string_view>

namespace kvr {

inline constexpr int kLanguageCount = 23;
inline constexpr int kEnglish = 18;

// The language number of a name ("deu", "german", "portuguese_brazil"); names compare
// exactly, so only lower case matches. English for a name the table does not know.
int languageFromName(std::string_view name);

// The three-letter code of a language number that names a resource library ("DEU");
// English's for a number out of range.
std::string_view libraryCode(int language);

}  // namespace kvr

#pragma once

#include <string>
#include <string_view>

namespace kvr::platform {

// Turns a POSIX locale name ("de_AT.UTF-8", "pt_BR", "ja_JP.eucJP@euro") into the form the
// Windows C runtime reports: language and country in English and the ANSI code page of the
// language ("German_Austria.1252", "Portuguese_Brazil.1252", "Japanese_Japan.932").
// "C", "POSIX", empty and unknown languages give "English_United States.1252"; a missing or
// unknown country takes the language's home country.
std::string windowsLocaleName(std::string_view posixLocale);

// The ANSI code page that a Windows-form locale name ends with; 1252 when it names none.
int ansiCodePage(std::string_view windowsLocale);

}  // namespace kvr::platform

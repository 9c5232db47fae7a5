#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kvr::rc {

// Which system headers an #include <...> brought in: their names become known.
enum class SystemHeader {
  None,
  WinResource,  // <winresrc.h>, <windows.h>, <commctrl.h>: styles, LANG_ and SUBLANG_ names
  WinRes,       // <winres.h>, <afxres.h>: the same plus IDC_STATIC
};

// The system header an #include <name> refers to; nullopt for one kvrrc does not know.
std::optional<SystemHeader> systemHeaderFor(std::string_view name);

// Value of a Windows constant (WS_, WS_EX_, DS_, ES_, CBS_, BS_, SS_, LBS_, LANG_, SUBLANG_,
// IDOK ... IDNO, IDC_STATIC) as the Windows headers define it, when `included` makes it known.
std::optional<std::uint32_t> windowsConstant(std::string_view name, SystemHeader included);

}  // namespace kvr::rc

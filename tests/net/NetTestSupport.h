#pragma once

#include <memory>
#include <string>

#include "app/CRegException.h"
#include "platform/Registry.h"

namespace kvr::test {

inline void setRegistryText(platform::RegRoot root, const std::string& path,
                            const std::string& name, const std::string& text) {
  std::unique_ptr<platform::RegKey> key;
  platform::registry().createKey(root, path, key);
  key->setValue(name, platform::kRegSz, text + '\0');
}

inline void setRegistryDword(platform::RegRoot root, const std::string& path,
                             const std::string& name, std::uint32_t value) {
  std::unique_ptr<platform::RegKey> key;
  platform::registry().createKey(root, path, key);
  std::string data(4, '\0');
  for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  key->setValue(name, platform::kRegDword, data);
}

inline const std::string kInternetSettings =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// The text of the program's error that `call` throws; "" when it returns.
template <typename Call>
std::string failureText(Call&& call) {
  try {
    call();
  } catch (CRegException* e) {
    std::string text = e->text();
    e->Delete();
    // The connection-failure id carries the message followed by string 219, a blank.
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
  }
  return {};
}

}  // namespace kvr::test

#pragma once

#include <string>

namespace kvr::rc {

// What is wrong with a .bmp or .ico file's headers; empty when they hold together.
std::string checkBitmap(const std::string& bytes);
std::string checkIcon(const std::string& bytes);

}  // namespace kvr::rc

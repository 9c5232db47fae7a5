#pragma once

// What kvrrc reads out of a resource script, before the texts are converted to the module's
// code page.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ui/ResourceTables.h"

namespace kvr::rc {

struct Location {
  std::string file;
  int line = 0;
};

// A text as written in the script (UTF-8, escapes resolved), with where it was written; the
// converter fills `bytes` with the module's code page.
struct Text {
  std::string utf8;
  Location where;
  std::string bytes;
};

struct Control {
  std::int32_t id = 0;
  ui::ControlStatement statement = ui::ControlStatement::Control;
  Text className;
  Text text;
  std::uint32_t textResource = 0;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  std::uint32_t helpId = 0;
};

struct Dialog {
  std::uint32_t id = 0;
  Location where;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  std::uint32_t helpId = 0;
  Text caption;
  std::uint16_t fontSize = 0;
  std::uint16_t fontWeight = 0;
  std::uint8_t fontItalic = 0;
  std::uint8_t fontCharset = 0;
  Text fontFace;
  std::vector<Control> controls;
};

struct Binary {
  Location where;
  std::string path;  // as resolved against the script's directory
  std::string bytes;
};

struct Script {
  std::uint16_t language = 0;
  Location languageWhere;  // of the statement that fixed `language`; line 0 without one
  std::uint16_t codePage = 1252;
  std::map<std::uint32_t, Text> strings;
  std::map<std::uint32_t, Dialog> dialogs;
  std::map<std::uint32_t, Binary> bitmaps;
  std::map<std::uint32_t, Binary> icons;
  std::vector<std::string> dependencies;  // every file read, for the build's dependency list
};

}  // namespace kvr::rc

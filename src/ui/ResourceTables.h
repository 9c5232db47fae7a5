#pragma once

// Layout of a compiled resource module: the tables that kvrrc writes as C++ source and that the
// program reads, either linked in (the program's own resources) or from a language module's
// entry point. Plain aggregates only, so that the tables are constant data in the library.
// Every array is sorted by id; texts are bytes in the module's ANSI code page.

#include <cstdint>
#include <string_view>

namespace kvr::ui {

// "KVRR"; a module whose tables do not start with it, or that has another version or size,
// is refused.
inline constexpr std::uint32_t kResourceTablesMagic = 0x5252564Bu;
inline constexpr std::uint32_t kResourceTablesVersion = 1;

// Name of the entry point a language module exports:
//   extern "C" const kvr::ui::ResourceTables* kvrResourceTables();
inline constexpr const char* kResourceEntryPoint = "kvrResourceTables";

struct ResourceText {
  const char* data;
  std::uint32_t size;

  std::string_view view() const { return {data, size}; }
};

struct StringResource {
  std::uint32_t id;
  ResourceText text;
};

// The statement that declared a control in the script.
enum class ControlStatement : std::uint16_t {
  Control,
  LText,
  RText,
  CText,
  PushButton,
  DefPushButton,
  EditText,
  ComboBox,
  ListBox,
  GroupBox,
  CheckBox,
  AutoCheckBox,
  RadioButton,
  AutoRadioButton,
  Icon,
};

struct ControlTemplate {
  std::int32_t id;  // -1 for IDC_STATIC
  ControlStatement statement;
  ResourceText className;  // "Button", "Edit", "Static", "ListBox", "ComboBox", "ScrollBar" or a custom name
  ResourceText text;
  std::uint32_t textResource;  // when the text is a resource id (ICON 2475, ...): the id; else 0
  std::uint32_t style;         // WS_CHILD | WS_VISIBLE and the statement's defaults included
  std::uint32_t exStyle;
  std::int16_t x, y, cx, cy;  // dialog units
  std::uint32_t helpId;
};

struct DialogFont {
  std::uint16_t pointSize;  // 0: no FONT statement
  std::uint16_t weight;
  std::uint8_t italic;
  std::uint8_t charset;
  ResourceText face;
};

struct DialogTemplate {
  std::uint32_t id;
  std::uint32_t style;  // WS_CAPTION and DS_SETFONT included when CAPTION and FONT are given
  std::uint32_t exStyle;
  std::int16_t x, y, cx, cy;  // dialog units
  std::uint32_t helpId;
  ResourceText caption;
  DialogFont font;
  const ControlTemplate* controls;  // in script order, which is the tab order
  std::uint32_t controlCount;
};

// A picture file as written (.bmp with its file header, .ico with its directory).
struct BinaryResource {
  std::uint32_t id;
  const std::uint8_t* data;
  std::uint32_t size;
};

struct ResourceTables {
  std::uint32_t magic;
  std::uint32_t version;
  std::uint32_t size;  // sizeof(ResourceTables) of the compiler that wrote it
  std::uint16_t language;  // LANGID of the first LANGUAGE statement, 0 without one
  std::uint16_t codePage;  // ANSI code page of every text
  const StringResource* strings;
  std::uint32_t stringCount;
  const DialogTemplate* dialogs;
  std::uint32_t dialogCount;
  const BinaryResource* bitmaps;
  std::uint32_t bitmapCount;
  const BinaryResource* icons;
  std::uint32_t iconCount;
};

}  // namespace kvr::ui

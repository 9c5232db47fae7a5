#include "Parser.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "CodePage.h"
#include "CompileError.h"
#include "PictureCheck.h"

namespace kvr::rc {

namespace {

constexpr std::uint32_t kChildVisible = 0x50000000u;  // WS_CHILD | WS_VISIBLE
constexpr std::uint32_t kDefaultDialogStyle = 0x80880000u;  // WS_POPUP | WS_BORDER | WS_SYSMENU
constexpr std::uint32_t kCaptionStyle = 0x00C00000u;  // WS_CAPTION
constexpr std::uint32_t kSetFontStyle = 0x40u;  // DS_SETFONT

using ui::ControlStatement;

// A control statement: its class, the style it has without a style argument, and the style a
// style argument is added to. The same values as the Windows resource compilers give.
struct ControlShape {
  const char* keyword;
  ControlStatement statement;
  const char* className;
  std::uint32_t defaultStyle;
  std::uint32_t baseStyle;
  enum Arguments { TextFirst, NoText, IconArguments, ControlArguments } arguments;
};

constexpr ControlShape kControlShapes[] = {
    {"CONTROL", ControlStatement::Control, nullptr, 0, 0, ControlShape::ControlArguments},
    {"LTEXT", ControlStatement::LText, "Static", 0x20000, 0x0, ControlShape::TextFirst},
    {"RTEXT", ControlStatement::RText, "Static", 0x20002, 0x2, ControlShape::TextFirst},
    {"CTEXT", ControlStatement::CText, "Static", 0x20001, 0x1, ControlShape::TextFirst},
    {"PUSHBUTTON", ControlStatement::PushButton, "Button", 0x10000, 0x10000, ControlShape::TextFirst},
    {"DEFPUSHBUTTON", ControlStatement::DefPushButton, "Button", 0x10001, 0x10001,
     ControlShape::TextFirst},
    {"EDITTEXT", ControlStatement::EditText, "Edit", 0x810000, 0x810000, ControlShape::NoText},
    {"COMBOBOX", ControlStatement::ComboBox, "ComboBox", 0x10001, 0x0, ControlShape::NoText},
    {"LISTBOX", ControlStatement::ListBox, "ListBox", 0x800001, 0x800001, ControlShape::NoText},
    {"GROUPBOX", ControlStatement::GroupBox, "Button", 0x7, 0x7, ControlShape::TextFirst},
    {"CHECKBOX", ControlStatement::CheckBox, "Button", 0x10002, 0x10002, ControlShape::TextFirst},
    {"AUTOCHECKBOX", ControlStatement::AutoCheckBox, "Button", 0x10003, 0x10003,
     ControlShape::TextFirst},
    {"RADIOBUTTON", ControlStatement::RadioButton, "Button", 0x10004, 0x4, ControlShape::TextFirst},
    {"AUTORADIOBUTTON", ControlStatement::AutoRadioButton, "Button", 0x10009, 0x9,
     ControlShape::TextFirst},
    {"ICON", ControlStatement::Icon, "Static", 0x3, 0x3, ControlShape::IconArguments},
};

const ControlShape* controlShape(const std::string& keyword) {
  for (const auto& shape : kControlShapes)
    if (keyword == shape.keyword) return &shape;
  return nullptr;
}

const std::set<std::string>& reservedWords() {
  static const std::set<std::string> words{
      "BEGIN",   "END",      "STRINGTABLE", "DIALOGEX",        "DIALOG",  "LANGUAGE",
      "BITMAP",  "ICON",     "CONTROL",     "LTEXT",           "RTEXT",   "CTEXT",
      "PUSHBUTTON", "DEFPUSHBUTTON", "EDITTEXT", "COMBOBOX", "LISTBOX", "GROUPBOX",
      "CHECKBOX", "AUTOCHECKBOX", "RADIOBUTTON", "AUTORADIOBUTTON", "NOT", "STYLE",
      "EXSTYLE", "CAPTION", "FONT", "MENU", "CLASS", "CHARACTERISTICS", "VERSION"};
  return words;
}

bool isMemoryFlag(const std::string& word) {
  return word == "PRELOAD" || word == "LOADONCALL" || word == "FIXED" || word == "MOVEABLE" ||
         word == "DISCARDABLE" || word == "PURE" || word == "IMPURE" || word == "SHARED" ||
         word == "NONSHARED";
}

std::string describe(const Token& token) {
  switch (token.kind) {
    case TokenKind::End: return "the end of the file";
    case TokenKind::Newline: return "the end of the line";
    case TokenKind::Identifier: return token.text;
    case TokenKind::Number: return token.text;
    case TokenKind::String: return token.macro.empty() ? "a string" : token.macro + " (a text)";
    case TokenKind::Comma: return "','";
    case TokenKind::Pipe: return "'|'";
    case TokenKind::LParen: return "'('";
    case TokenKind::RParen: return "')'";
    case TokenKind::LBrace: return "'{'";
    case TokenKind::RBrace: return "'}'";
    case TokenKind::Minus: return "'-'";
    case TokenKind::Hash: return "'#'";
  }
  return "?";
}

std::string canonicalClass(const std::string& name) {
  static const char* const kPredefined[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar",
                                            "ComboBox"};
  for (const char* predefined : kPredefined) {
    std::string candidate(predefined);
    if (candidate.size() == name.size() &&
        std::equal(name.begin(), name.end(), candidate.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) ==
                 std::tolower(static_cast<unsigned char>(b));
        }))
      return candidate;
  }
  return name;
}

std::size_t utf8Characters(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string lineOf(const Location& where) { return std::to_string(where.line); }

}  // namespace

const Token& Parser::peek() {
  if (!m_havePeeked) {
    m_peeked = m_tokens.next();
    m_havePeeked = true;
  }
  return m_peeked;
}

Token Parser::take() {
  peek();
  m_havePeeked = false;
  return std::move(m_peeked);
}

bool Parser::peekIs(TokenKind kind) { return peek().kind == kind; }

bool Parser::peekWord(const char* word) {
  return peek().kind == TokenKind::Identifier && peek().text == word;
}

void Parser::unexpected(const Token& token, const std::string& expected) {
  throw CompileError(token.where, "expected " + expected + ", found " + describe(token));
}

void Parser::expect(TokenKind kind, const std::string& what) {
  Token token = take();
  if (token.kind != kind) unexpected(token, what);
}

void Parser::comma(const std::string& context) { expect(TokenKind::Comma, "',' " + context); }

std::uint32_t Parser::value(const std::string& what) {
  Token token = take();
  if (token.kind == TokenKind::Minus || token.kind == TokenKind::LParen) {
    if (m_valueDepth == kMaxValueNesting)
      throw CompileError(token.where, "value nested more than " +
                                          std::to_string(kMaxValueNesting) + " deep");
    ++m_valueDepth;
    std::uint32_t inner = token.kind == TokenKind::Minus ? 0u - value(what) : orValue(what);
    if (token.kind == TokenKind::LParen) expect(TokenKind::RParen, "')'");
    --m_valueDepth;
    return inner;
  }
  switch (token.kind) {
    case TokenKind::Number: return token.number;
    case TokenKind::Identifier:
      if (reservedWords().count(token.text) != 0) unexpected(token, what);
      return m_tokens.valueOf(token);
    default: unexpected(token, what);
  }
}

std::uint32_t Parser::orValue(const std::string& what) {
  std::uint32_t result = value(what);
  while (peekIs(TokenKind::Pipe)) {
    take();
    result |= value(what);
  }
  return result;
}

// Terms are applied left to right: a name sets its bits, NOT name clears them.
std::uint32_t Parser::styleExpression(std::uint32_t start, const std::string& what) {
  std::uint32_t style = start;
  for (;;) {
    if (peekWord("NOT")) {
      take();
      style &= ~value(what);
    } else {
      style |= value(what);
    }
    if (!peekIs(TokenKind::Pipe)) return style;
    take();
  }
}

std::uint32_t Parser::exStyleExpression(const std::string& what) {
  if (peekWord("NOT"))
    throw CompileError(peek().where, "NOT is not allowed in an extended style");
  std::uint32_t style = value(what);
  while (peekIs(TokenKind::Pipe)) {
    take();
    if (peekWord("NOT"))
      throw CompileError(peek().where, "NOT is not allowed in an extended style");
    style |= value(what);
  }
  return style;
}

std::uint32_t Parser::resourceId(const Token& at, std::uint32_t id, std::uint32_t lowest) {
  if (id < lowest || id > 0xFFFF)
    throw CompileError(at.where, "resource id " + std::to_string(static_cast<std::int32_t>(id)) +
                                     " out of range (" + std::to_string(lowest) + " to 65535)");
  return id;
}

std::int16_t Parser::coordinate(const std::string& what) {
  Token at = peek();
  auto number = static_cast<std::int32_t>(value(what));
  if (number < -32768 || number > 32767)
    throw CompileError(at.where, what + " " + std::to_string(number) +
                                     " out of range (-32768 to 32767)");
  return static_cast<std::int16_t>(number);
}

Text Parser::text(const std::string& what) {
  Token token = take();
  if (token.kind == TokenKind::Identifier && !m_tokens.knows(token.text) &&
      reservedWords().count(token.text) == 0)
    throw CompileError(token.where, token.text + " is not defined (expected " + what + ")");
  if (token.kind != TokenKind::String) unexpected(token, what);
  // A text from a macro is reported where it was written, so a translator finds it.
  Location where = token.macro.empty() ? token.where : token.textWhere;
  return Text{std::move(token.text), std::move(where), {}};
}

void Parser::skipMemoryFlags() {
  while (peek().kind == TokenKind::Identifier && isMemoryFlag(peek().text)) take();
}

bool Parser::blockStart() {
  if (peekIs(TokenKind::LBrace) || peekWord("BEGIN")) {
    take();
    return true;
  }
  return false;
}

bool Parser::blockEnd() {
  if (peekIs(TokenKind::RBrace) || peekWord("END")) {
    take();
    return true;
  }
  return false;
}

Script Parser::parse() {
  for (;;) {
    Token token = take();
    if (token.kind == TokenKind::End) break;
    if (token.kind == TokenKind::Identifier && token.text == "LANGUAGE") {
      language(token);
    } else if (token.kind == TokenKind::Identifier && token.text == "STRINGTABLE") {
      stringTable(token);
    } else if (token.kind == TokenKind::Number ||
               (token.kind == TokenKind::Identifier && reservedWords().count(token.text) == 0)) {
      std::uint32_t id =
          token.kind == TokenKind::Number ? token.number : m_tokens.valueOf(token);
      Token type = take();
      if (type.kind != TokenKind::Identifier) unexpected(type, "a resource type after the id");
      if (type.text == "DIALOGEX") {
        dialog(token, resourceId(token, id, 1));
      } else if (type.text == "BITMAP" || type.text == "ICON") {
        binary(token, resourceId(token, id, 1), type.text == "ICON");
      } else if (type.text == "DIALOG") {
        throw CompileError(type.where, "DIALOG is not supported; write DIALOGEX");
      } else {
        throw CompileError(type.where, "resource type " + type.text + " is not supported");
      }
    } else if (token.kind == TokenKind::Identifier &&
               (token.text == "DIALOGEX" || token.text == "BITMAP" || token.text == "ICON")) {
      throw CompileError(token.where, "a resource id must come before " + token.text);
    } else {
      unexpected(token, "a resource statement");
    }
  }
  m_script.dependencies = m_tokens.filesRead();
  for (const auto& [id, picture] : m_script.bitmaps) m_script.dependencies.push_back(picture.path);
  for (const auto& [id, picture] : m_script.icons) m_script.dependencies.push_back(picture.path);
  return std::move(m_script);
}

void Parser::language(const Token& keyword) {
  std::uint32_t primary = value("a language");
  comma("between the language and the sublanguage");
  std::uint32_t sub = value("a sublanguage");
  if (primary > 0x3FF || sub > 0x3F)
    throw CompileError(keyword.where, "LANGUAGE " + std::to_string(primary) + ", " +
                                          std::to_string(sub) + " is not a language");
  auto id = static_cast<std::uint16_t>((sub << 10) | primary);
  std::uint16_t codePage = codePageForLanguage(id);
  if (m_script.languageWhere.line == 0) {
    m_script.language = id;
    m_script.languageWhere = keyword.where;
    m_script.codePage = codePage;
  } else if (codePage != m_script.codePage) {
    throw CompileError(keyword.where,
                       "LANGUAGE needs code page " + std::to_string(codePage) +
                           ", but the texts of this module are in code page " +
                           std::to_string(m_script.codePage) + " (LANGUAGE at " +
                           m_script.languageWhere.file + ":" + lineOf(m_script.languageWhere) + ")");
  }
}

void Parser::stringTable(const Token& keyword) {
  for (;;) {
    skipMemoryFlags();
    if (peekWord("LANGUAGE")) {
      language(take());
    } else if (peekWord("CHARACTERISTICS") || peekWord("VERSION")) {
      take();
      value("a number");
    } else {
      break;
    }
  }
  if (!blockStart()) unexpected(take(), "BEGIN after STRINGTABLE");
  for (;;) {
    if (blockEnd()) return;
    Token idToken = peek();
    if (idToken.kind == TokenKind::End)
      throw CompileError(keyword.where, "STRINGTABLE has no END");
    std::uint32_t id = value("a string id or END");
    if (id > 0xFFFF)
      throw CompileError(idToken.where, "string id " +
                                            std::to_string(static_cast<std::int32_t>(id)) +
                                            " out of range (0 to 65535)");
    if (peekIs(TokenKind::Comma)) take();
    Text entry = text("the text of string " + std::to_string(id));
    while (peekIs(TokenKind::String)) entry.utf8 += take().text;
    if (utf8Characters(entry.utf8) > kMaxStringCharacters)
      throw CompileError(entry.where, "string " + std::to_string(id) + " is longer than " +
                                          std::to_string(kMaxStringCharacters) + " characters");
    auto [existing, added] = m_script.strings.emplace(id, entry);
    if (!added)
      throw CompileError(idToken.where, "string " + std::to_string(id) +
                                            " is already defined at " + existing->second.where.file +
                                            ":" + lineOf(existing->second.where));
  }
}

void Parser::dialog(const Token& idToken, std::uint32_t id) {
  Dialog dialog;
  dialog.id = id;
  dialog.where = idToken.where;
  skipMemoryFlags();
  dialog.x = coordinate("x");
  comma("after x");
  dialog.y = coordinate("y");
  comma("after y");
  dialog.cx = coordinate("width");
  comma("after the width");
  dialog.cy = coordinate("height");
  if (peekIs(TokenKind::Comma)) {
    take();
    dialog.helpId = value("a help id");
  }
  bool haveStyle = false;
  bool haveCaption = false;
  for (;;) {
    Token option = peek();
    if (option.kind != TokenKind::Identifier || option.text == "BEGIN") break;
    take();
    if (option.text == "STYLE") {
      dialog.style = styleExpression(0, "a style");
      haveStyle = true;
    } else if (option.text == "EXSTYLE") {
      dialog.exStyle = exStyleExpression("an extended style");
    } else if (option.text == "CAPTION") {
      dialog.caption = text("the caption (a string)");
      haveCaption = true;
    } else if (option.text == "FONT") {
      Token sizeToken = peek();
      std::uint32_t size = value("a point size");
      if (size == 0 || size > 0xFFFF) throw CompileError(sizeToken.where, "font size out of range");
      dialog.fontSize = static_cast<std::uint16_t>(size);
      comma("after the font size");
      dialog.fontFace = text("the font's name (a string)");
      if (dialog.fontFace.utf8.empty())
        throw CompileError(dialog.fontFace.where, "the font's name is empty");
      if (peekIs(TokenKind::Comma)) {
        take();
        dialog.fontWeight = static_cast<std::uint16_t>(value("a font weight"));
        if (peekIs(TokenKind::Comma)) {
          take();
          dialog.fontItalic = static_cast<std::uint8_t>(value("0 or 1 for italic"));
          if (peekIs(TokenKind::Comma)) {
            take();
            dialog.fontCharset = static_cast<std::uint8_t>(value("a character set"));
          }
        }
      }
    } else if (option.text == "LANGUAGE") {
      language(option);
    } else if (option.text == "CHARACTERISTICS" || option.text == "VERSION") {
      value("a number");
    } else if (option.text == "MENU" || option.text == "CLASS") {
      throw CompileError(option.where, option.text + " in a dialog is not supported");
    } else {
      unexpected(option, "a dialog option (STYLE, EXSTYLE, CAPTION, FONT) or BEGIN");
    }
  }
  if (!blockStart()) unexpected(take(), "BEGIN after the dialog's options");
  if (!haveStyle) dialog.style = kDefaultDialogStyle;
  if (haveCaption) dialog.style |= kCaptionStyle;
  if (dialog.fontSize != 0) dialog.style |= kSetFontStyle;
  for (;;) {
    if (blockEnd()) break;
    Token keyword = take();
    if (keyword.kind == TokenKind::End)
      throw CompileError(idToken.where, "DIALOGEX " + std::to_string(id) + " has no END");
    if (dialog.controls.size() == kMaxControlsPerDialog)
      throw CompileError(keyword.where, "more than " + std::to_string(kMaxControlsPerDialog) +
                                            " controls in one dialog");
    control(dialog, keyword);
  }
  auto [existing, added] = m_script.dialogs.emplace(id, std::move(dialog));
  if (!added)
    throw CompileError(idToken.where, "dialog " + std::to_string(id) + " is already defined at " +
                                          existing->second.where.file + ":" +
                                          lineOf(existing->second.where));
}

void Parser::control(Dialog& dialog, const Token& keyword) {
  const ControlShape* shape =
      keyword.kind == TokenKind::Identifier ? controlShape(keyword.text) : nullptr;
  if (shape == nullptr) unexpected(keyword, "a control statement or END");
  const std::string name = keyword.text;
  Control control;
  control.statement = shape->statement;
  if (shape->className != nullptr) control.className = Text{shape->className, keyword.where, {}};

  if (shape->arguments != ControlShape::NoText) {
    if (peekIs(TokenKind::String) || shape->arguments == ControlShape::TextFirst) {
      control.text = text("the " + name + "'s text (a string)");
      // An icon named by a string is a resource name; the Windows compilers store those in
      // capitals.
      if (shape->arguments == ControlShape::IconArguments)
        for (char& c : control.text.utf8) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    } else {
      control.textResource = value("the " + name + "'s text or resource id");
      control.text.where = keyword.where;
    }
    comma("after the " + name + "'s text");
  } else {
    control.text.where = keyword.where;
  }
  control.id = static_cast<std::int32_t>(value("the " + name + "'s id"));
  comma("after the " + name + "'s id");

  std::uint32_t style = shape->defaultStyle | kChildVisible;
  if (shape->arguments == ControlShape::ControlArguments) {
    Text className = text("the control's class name (a string)");
    if (className.utf8.empty()) throw CompileError(className.where, "the class name is empty");
    className.utf8 = canonicalClass(className.utf8);
    control.className = std::move(className);
    comma("after the class name");
    style = styleExpression(kChildVisible, "a style");
    comma("after the style");
  }
  control.x = coordinate("x");
  comma("after x");
  control.y = coordinate("y");
  bool more = true;
  if (shape->arguments == ControlShape::IconArguments) {
    more = peekIs(TokenKind::Comma);
    if (more) take();
  } else {
    comma("after y");
  }
  if (more) {
    control.cx = coordinate("width");
    comma("after the width");
    control.cy = coordinate("height");
    // An icon sizes its control; the Windows compilers store 0 whatever the script says.
    if (shape->arguments == ControlShape::IconArguments) control.cx = control.cy = 0;
    if (peekIs(TokenKind::Comma) && shape->arguments != ControlShape::ControlArguments) {
      take();
      style = styleExpression(shape->baseStyle | kChildVisible, "a style");
    }
    if (peekIs(TokenKind::Comma)) {
      take();
      control.exStyle = exStyleExpression("an extended style");
      if (peekIs(TokenKind::Comma)) {
        take();
        control.helpId = value("a help id");
      }
    }
  }
  control.style = style;
  dialog.controls.push_back(std::move(control));
}

void Parser::binary(const Token& idToken, std::uint32_t id, bool icon) {
  skipMemoryFlags();
  Token file = take();
  if (file.kind != TokenKind::String) unexpected(file, "a file name in quotes");
  if (file.text.empty()) throw CompileError(file.where, "empty file name");
  Binary picture;
  picture.where = idToken.where;
  std::string error;
  auto candidates = m_tokens.pictureCandidates(file.text);
  if (!readFirst(m_files, candidates, picture.path, picture.bytes, error))
    throw CompileError(file.where, error);
  std::string problem = icon ? checkIcon(picture.bytes) : checkBitmap(picture.bytes);
  if (!problem.empty()) throw CompileError(file.where, "\"" + picture.path + "\": " + problem);
  auto& table = icon ? m_script.icons : m_script.bitmaps;
  auto [existing, added] = table.emplace(id, std::move(picture));
  if (!added)
    throw CompileError(idToken.where, std::string(icon ? "icon " : "bitmap ") + std::to_string(id) +
                                          " is already defined at " + existing->second.where.file +
                                          ":" + lineOf(existing->second.where));
}

}  // namespace kvr::rc

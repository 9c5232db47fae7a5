#include "platform/HiveFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "platform/Registry.h"

namespace kvr::platform {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameFolded(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return lowerAscii(x) == lowerAscii(y);
         });
}

bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20; }

bool hasControl(std::string_view text) { return std::any_of(text.begin(), text.end(), isControl); }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimLeft(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view trimRight(std::string_view s) {
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool startsWithFolded(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && sameFolded(s.substr(0, prefix.size()), prefix);
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = lowerAscii(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Up to 8 hex digits, nothing else.
bool parseHexNumber(std::string_view digits, std::uint32_t& out) {
  if (digits.empty() || digits.size() > 8) return false;
  out = 0;
  for (char c : digits) {
    int d = hexDigit(c);
    if (d < 0) return false;
    out = out << 4 | static_cast<std::uint32_t>(d);
  }
  return true;
}

// A piece of the input for an error message, kept short.
std::string excerpt(std::string_view s) {
  constexpr std::size_t kMax = 40;
  return "'" + std::string(s.substr(0, kMax)) + (s.size() > kMax ? "...'" : "'");
}

class Parser {
 public:
  Parser(std::string_view bytes, std::string_view rootName)
      : m_bytes(bytes), m_rootName(rootName) {}

  HiveParseResult run() {
    HiveParseResult result;
    parseAll(result.root);
    if (m_error) {
      result.root = HiveKey();
      result.error = std::move(m_error);
    }
    return result;
  }

 private:
  void parseAll(HiveKey& root) {
    if (m_bytes.size() > kHiveMaxFileBytes) return fail(0, "the file is larger than 64 MiB");
    std::string_view line;
    if (!nextLine(line)) {
      if (!m_error) fail(1, "the file is empty: missing REGEDIT4 header");
      return;
    }
    if (trimRight(line) != "REGEDIT4") return fail(m_line, "missing REGEDIT4 header");
    HiveKey* current = nullptr;
    while (!m_error && nextLine(line)) {
      std::string_view text = trimLeft(line);
      if (text.empty() || text.front() == ';') continue;
      if (text.front() == '[') {
        current = parseKeyLine(trimRight(text), root);
      } else if (text.front() == '"' || text.front() == '@') {
        if (current == nullptr) return fail(m_line, "value outside of any key");
        parseValueLine(text, *current);
      } else {
        fail(m_line, "malformed line: expected [key], \"name\"=value or @=value");
      }
    }
    if (!m_error && !m_bytes.empty() && m_bytes.back() != '\n')
      fail(m_line, "the last line has no line feed: the file looks truncated");
  }

  // The next physical line without its line feed (and a CR before it). False at the end of
  // the input or on a line that cannot be part of a hive.
  bool nextLine(std::string_view& line) {
    if (m_error || m_pos >= m_bytes.size()) return false;
    ++m_line;
    std::size_t left = m_bytes.size() - m_pos;
    const char* start = m_bytes.data() + m_pos;
    const void* end = std::memchr(start, '\n', std::min(left, kHiveMaxLineBytes + 2));
    std::size_t length =
        end ? static_cast<std::size_t>(static_cast<const char*>(end) - start) : left;
    line = std::string_view(start, length);
    m_pos += length + (end ? 1 : 0);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kHiveMaxLineBytes) {
      fail(m_line, "line longer than 1 MiB");
      return false;
    }
    auto bad =
        std::find_if(line.begin(), line.end(), [](char c) { return isControl(c) && c != '\t'; });
    if (bad != line.end()) {
      static const char kDigits[] = "0123456789abcdef";
      auto byte = static_cast<unsigned char>(*bad);
      fail(m_line, std::string("control byte 0x") + kDigits[byte >> 4] + kDigits[byte & 15] +
                       " in column " + std::to_string(bad - line.begin() + 1) +
                       ": binary data, not registry text");
      return false;
    }
    return true;
  }

  HiveKey* parseKeyLine(std::string_view text, HiveKey& root) {
    if (text.size() < 2 || text.back() != ']') {
      fail(m_line, "key line without closing ]");
      return nullptr;
    }
    std::string_view path = text.substr(1, text.size() - 2);
    if (!path.empty() && path.front() == '-') {
      fail(m_line, "key deletions ([-...]) are not supported");
      return nullptr;
    }
    std::size_t cut = path.find('\\');
    if (!sameFolded(path.substr(0, cut), m_rootName)) {
      fail(m_line, "key outside " + std::string(m_rootName) + ": " + excerpt(path));
      return nullptr;
    }
    HiveKey* key = &root;
    std::size_t depth = 0;
    while (cut != std::string_view::npos) {
      path.remove_prefix(cut + 1);
      cut = path.find('\\');
      std::string_view name = path.substr(0, cut);
      if (!isValidKeyName(name)) {
        fail(m_line, name.empty() ? "empty key name in key path"
                                  : "key name longer than 255 bytes: " + excerpt(name));
        return nullptr;
      }
      if (++depth > kHiveMaxKeyDepth) {
        fail(m_line, "key path deeper than 512 levels");
        return nullptr;
      }
      key = &key->ensureChild(name);
    }
    return key;
  }

  void parseValueLine(std::string_view text, HiveKey& key) {
    std::size_t valueLine = m_line;
    std::string name;
    std::size_t i = 1;
    if (text.front() == '"' && !parseQuoted(text, i, name)) return;
    if (!isValidValueName(name)) return fail(valueLine, "value name longer than 16383 bytes");
    std::string_view rest = trimLeft(text.substr(i));
    if (rest.empty() || rest.front() != '=')
      return fail(valueLine, "expected = after the value name");
    rest = trimLeft(rest.substr(1));

    if (!rest.empty() && rest.front() == '"') {
      std::string data;
      i = 1;
      if (!parseQuoted(rest, i, data)) return;
      if (!trimRight(rest.substr(i)).empty())
        return fail(valueLine, "unexpected text after the value: " + excerpt(rest.substr(i)));
      key.setValue(name, kRegSz, std::move(data));
    } else if (startsWithFolded(rest, "dword:")) {
      std::uint32_t number = 0;
      if (!parseHexNumber(trimRight(rest.substr(6)), number))
        return fail(valueLine, "dword value needs 1 to 8 hex digits: " + excerpt(rest));
      std::string data(4, '\0');
      for (std::size_t b = 0; b < 4; ++b) data[b] = static_cast<char>(number >> (8 * b) & 0xff);
      key.setValue(name, kRegDword, std::move(data));
    } else if (startsWithFolded(rest, "hex:") || startsWithFolded(rest, "hex(")) {
      std::uint32_t type = kRegBinary;
      if (rest[3] == '(') {
        std::size_t close = rest.find(')');
        if (close == std::string_view::npos || close + 1 >= rest.size() || rest[close + 1] != ':' ||
            !parseHexNumber(rest.substr(4, close - 4), type))
          return fail(valueLine, "malformed hex(type): " + excerpt(rest));
        rest.remove_prefix(close + 2);
      } else {
        rest.remove_prefix(4);
      }
      std::string data;
      if (!parseHexBytes(rest, valueLine, data)) return;
      key.setValue(name, type, std::move(data));
    } else if (trimRight(rest) == "-") {
      fail(valueLine, "value deletions (=-) are not supported");
    } else {
      fail(valueLine, "unknown value form: " + excerpt(rest));
    }
  }

  // `i` is just past the opening quote; on success just past the closing one.
  bool parseQuoted(std::string_view text, std::size_t& i, std::string& out) {
    while (i < text.size()) {
      std::size_t stop = text.find_first_of("\"\\", i);
      if (stop == std::string_view::npos) break;
      out.append(text.substr(i, stop - i));
      if (text[stop] == '"') {
        i = stop + 1;
        return true;
      }
      if (stop + 1 >= text.size()) break;
      char escaped = text[stop + 1];
      if (escaped != '\\' && escaped != '"') {
        fail(m_line, std::string("unknown escape \\") + escaped + " in quoted text");
        return false;
      }
      out.push_back(escaped);
      i = stop + 2;
    }
    fail(m_line, "unterminated quote: the line ends inside quoted text (truncated file?)");
    return false;
  }

  // Comma-separated bytes; a line ending in a backslash continues on the next one.
  bool parseHexBytes(std::string_view first, std::size_t valueLine, std::string& out) {
    std::string joined;
    std::string_view part = trimRight(first);
    while (!part.empty() && part.back() == '\\') {
      joined.append(part.substr(0, part.size() - 1));
      std::string_view next;
      if (!nextLine(next)) {
        if (!m_error) fail(m_line, "hex data continues past the end of the file (truncated file?)");
        return false;
      }
      part = trimRight(trimLeft(next));
    }
    joined.append(part);

    std::string_view items = joined;
    out.reserve(items.size() / 3 + 1);
    while (!items.empty()) {
      std::size_t comma = items.find(',');
      std::string_view item = trimRight(trimLeft(items.substr(0, comma)));
      std::uint32_t byte = 0;
      if (item.empty() || item.size() > 2 || !parseHexNumber(item, byte)) {
        fail(valueLine, "bad hex byte " + excerpt(item) + " in " + excerpt(joined));
        return false;
      }
      out.push_back(static_cast<char>(byte));
      items = comma == std::string_view::npos ? std::string_view() : items.substr(comma + 1);
    }
    return true;
  }

  void fail(std::size_t line, std::string reason) {
    if (!m_error) m_error = HiveParseError{line, std::move(reason)};
  }

  std::string_view m_bytes;
  std::string_view m_rootName;
  std::size_t m_pos = 0;
  std::size_t m_line = 0;
  std::optional<HiveParseError> m_error;
};

void appendQuoted(std::string& out, std::string_view text) {
  out.push_back('"');
  for (char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  out.push_back('"');
}

std::size_t quotedSize(std::string_view text) {
  return text.size() + 2 +
         static_cast<std::size_t>(
             std::count_if(text.begin(), text.end(), [](char c) { return c == '\\' || c == '"'; }));
}

void appendHex(std::string& out, std::string line, std::string_view bytes) {
  static const char kDigits[] = "0123456789abcdef";
  constexpr std::size_t kWidth = 77;
  bool itemOnLine = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (itemOnLine && line.size() + 3 > kWidth) {
      out.append(line).append("\\\n");
      line.assign("  ");
    }
    auto byte = static_cast<unsigned char>(bytes[i]);
    line.push_back(kDigits[byte >> 4]);
    line.push_back(kDigits[byte & 15]);
    if (i + 1 < bytes.size()) line.push_back(',');
    itemOnLine = true;
  }
  out.append(line).push_back('\n');
}

void appendValue(std::string& out, const HiveValue& value) {
  std::string head;
  if (value.name.empty()) {
    head = "@=";
  } else {
    appendQuoted(head, value.name);
    head.push_back('=');
  }
  if (value.type == kRegSz && !hasControl(value.data) &&
      head.size() + quotedSize(value.data) <= kHiveMaxLineBytes) {
    out.append(head);
    appendQuoted(out, value.data);
    out.push_back('\n');
  } else if (value.type == kRegDword && value.data.size() == 4) {
    std::uint32_t number = 0;
    for (std::size_t b = 0; b < 4; ++b)
      number |= std::uint32_t{static_cast<unsigned char>(value.data[b])} << (8 * b);
    char digits[9];
    for (int d = 7; d >= 0; --d, number >>= 4) digits[d] = "0123456789abcdef"[number & 15];
    digits[8] = '\0';
    out.append(head).append("dword:").append(digits).push_back('\n');
  } else if (value.type == kRegBinary) {
    appendHex(out, head + "hex:", value.data);
  } else {
    char type[16];
    std::snprintf(type, sizeof type, "hex(%x):", value.type);
    // A text that cannot stand in a quoted line is stored with its terminating zero.
    appendHex(out, head + type, value.type == kRegSz ? value.data + '\0' : value.data);
  }
}

void appendKey(std::string& out, const HiveKey& key, const std::string& path) {
  out.append("[").append(path).append("]\n");
  for (std::size_t i = 0; i < key.valueCount(); ++i) appendValue(out, key.valueAt(i));
  out.push_back('\n');
  key.forEachChild(
      [&](const HiveKey& child) { appendKey(out, child, path + '\\' + child.name()); });
}

}  // namespace

std::string foldName(std::string_view name) {
  std::string folded(name);
  std::transform(folded.begin(), folded.end(), folded.begin(), lowerAscii);
  return folded;
}

bool isValidKeyName(std::string_view name) {
  return !name.empty() && name.size() <= kHiveMaxKeyNameBytes && !hasControl(name) &&
         name.find('\\') == std::string_view::npos;
}

bool isValidValueName(std::string_view name) {
  return name.size() <= kHiveMaxValueNameBytes && !hasControl(name);
}

HiveKey* HiveKey::child(std::string_view name) {
  auto it = m_children.find(foldName(name));
  return it == m_children.end() ? nullptr : it->second.get();
}

const HiveKey* HiveKey::child(std::string_view name) const {
  return const_cast<HiveKey*>(this)->child(name);
}

HiveKey& HiveKey::ensureChild(std::string_view name) {
  auto& slot = m_children[foldName(name)];
  if (!slot) slot = std::make_unique<HiveKey>(std::string(name));
  return *slot;
}

const HiveKey* HiveKey::childAt(std::size_t index) const {
  if (index >= m_children.size()) return nullptr;
  return std::next(m_children.begin(), static_cast<std::ptrdiff_t>(index))->second.get();
}

const HiveValue* HiveKey::value(std::string_view name) const {
  auto it = m_valueIndex.find(foldName(name));
  return it == m_valueIndex.end() ? nullptr : &m_values[it->second];
}

bool HiveKey::setValue(std::string_view name, std::uint32_t type, std::string data) {
  if (type == kRegSz) data.resize(std::min(data.size(), data.find('\0')));
  auto [it, added] = m_valueIndex.emplace(foldName(name), m_values.size());
  if (added) {
    m_values.push_back(HiveValue{std::string(name), type, std::move(data)});
    return true;
  }
  HiveValue& existing = m_values[it->second];
  if (existing.type == type && existing.data == data) return false;
  existing.type = type;
  existing.data = std::move(data);
  return true;
}

bool HiveKey::deleteValue(std::string_view name) {
  auto it = m_valueIndex.find(foldName(name));
  if (it == m_valueIndex.end()) return false;
  std::size_t index = it->second;
  m_valueIndex.erase(it);
  m_values.erase(m_values.begin() + static_cast<std::ptrdiff_t>(index));
  for (auto& entry : m_valueIndex)
    if (entry.second > index) --entry.second;
  return true;
}

HiveParseResult parseHive(std::string_view bytes, std::string_view rootName) {
  return Parser(bytes, rootName).run();
}

std::string serializeHive(const HiveKey& root, std::string_view rootName) {
  std::string out = "REGEDIT4\n\n";
  std::string path(rootName);
  if (root.valueCount() > 0) {
    out.append("[").append(path).append("]\n");
    for (std::size_t i = 0; i < root.valueCount(); ++i) appendValue(out, root.valueAt(i));
    out.push_back('\n');
  }
  root.forEachChild(
      [&](const HiveKey& child) { appendKey(out, child, path + '\\' + child.name()); });
  return out;
}

}  // namespace kvr::platform

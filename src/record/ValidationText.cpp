#include "record/ValidationText.h"

#include <climits>

#include "ui/Resources.h"

namespace kvr {

namespace {

using platform::kBig5;
using platform::kGbk;
using platform::kKorean;
using platform::kShiftJis;
constexpr int kCyrillic = 1251;
constexpr int kGreek = 1253;
constexpr int kThai = 874;

// Positions are ints; nothing the fields hold comes near the limit.
std::string_view bounded(std::string_view text) {
  return text.substr(0, static_cast<std::size_t>(INT_MAX));
}

unsigned char byteAt(std::string_view text, std::size_t pos) {
  return static_cast<unsigned char>(text[pos]);
}

// Calls `visit(pos, TextChar)` for every character until it returns true; true when it did.
template <typename Visit>
bool anyChar(std::string_view text, int codePage, Visit visit) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    const TextChar ch = charAt(text, pos, codePage);
    if (visit(pos, ch)) return true;
    pos += ch.length;
  }
  return false;
}

// Position of the first single-byte character that `wanted` accepts, or -1.
template <typename Wanted>
int findByte(std::string_view text, int codePage, Wanted wanted) {
  int found = -1;
  anyChar(text, codePage, [&](std::size_t pos, TextChar ch) {
    if (ch.wide || !wanted(byteAt(text, pos))) return false;
    found = static_cast<int>(pos);
    return true;
  });
  return found;
}

}  // namespace

int currentCodePage() { return ui::resources().codePage(); }

bool isSpaceByte(unsigned char byte) { return byte == ' ' || (byte >= '\t' && byte <= '\r'); }

bool isDigitByte(unsigned char byte) { return byte >= '0' && byte <= '9'; }

bool isLetterByte(unsigned char byte, int codePage) {
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) return true;
  if (byte < 0x80) return false;
  switch (codePage) {
    case kShiftJis: return byte >= 0xA6 && byte <= 0xDF;  // half-width katakana
    case kGbk:
    case kKorean:
    case kBig5:
    case kUtf8CodePage: return false;  // their letters are wide characters
    case kCyrillic: return byte >= 0xC0 || byte == 0xA8 || byte == 0xB8;
    case kGreek: return (byte >= 0xC1 && byte <= 0xFE && byte != 0xD2) || byte == 0xA2 ||
                        (byte >= 0xB8 && byte <= 0xBF && byte != 0xBB && byte != 0xBD);
    case kThai: return (byte >= 0xA1 && byte <= 0xDA) || (byte >= 0xE0 && byte <= 0xEE);
    default:  // the Latin code pages (1250, 1252, 1254, 1257, ...)
      return (byte >= 0xC0 && byte != 0xD7 && byte != 0xF7) || byte == 0x8A || byte == 0x8C ||
             byte == 0x8E || byte == 0x9A || byte == 0x9C || byte == 0x9E;
  }
}

int isBlank(std::string_view text, int codePage) {
  text = bounded(text);
  const bool other = anyChar(text, codePage, [&](std::size_t pos, TextChar ch) {
    return ch.wide || !isSpaceByte(byteAt(text, pos));
  });
  return other ? -1 : 1;
}

int findPipeOrBackslash(std::string_view text, int codePage) {
  text = bounded(text);
  if (isBlank(text, codePage) == 1) return -1;
  return findByte(text, codePage, [](unsigned char b) { return b == '|' || b == '\\'; });
}

int findDigit(std::string_view text, int codePage) {
  text = bounded(text);
  if (isBlank(text, codePage) == 1) return -1;
  const int pos = findByte(text, codePage, isDigitByte);
  return pos < 0 ? -1 : pos + 1;
}

bool containsLetter(std::string_view text, int codePage) {
  text = bounded(text);
  if (isBlank(text, codePage) == 1) return false;
  return anyChar(text, codePage, [&](std::size_t pos, TextChar ch) {
    return ch.wide || isLetterByte(byteAt(text, pos), codePage);
  });
}

bool isEmailShaped(std::string_view text, int codePage) {
  text = bounded(text);
  if (isBlank(text, codePage) == 1) return true;
  bool at = false;
  bool dot = false;
  const bool blank = anyChar(text, codePage, [&](std::size_t pos, TextChar ch) {
    if (ch.wide) return false;
    const unsigned char b = byteAt(text, pos);
    at = at || b == '@';
    dot = dot || b == '.';
    return isSpaceByte(b);
  });
  return at && dot && !blank;
}

}  // namespace kvr

#include "platform/CodePageText.h"

namespace kvr::platform {

namespace {

bool isLeadByte(unsigned char byte, int codePage) {
  if (codePage == kShiftJis) return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
  return byte >= 0x81 && byte <= 0xFE;
}

std::size_t utf8TrailCount(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 1;
  if (lead >= 0xE0 && lead <= 0xEF) return 2;
  if (lead >= 0xF0 && lead <= 0xF4) return 3;
  return 0;  // a stray continuation or a byte UTF-8 never uses: one character by itself
}

bool isContinuation(unsigned char byte) { return byte >= 0x80 && byte <= 0xBF; }

unsigned char byteAt(std::string_view text, std::size_t pos) { return static_cast<unsigned char>(text[pos]); }

}  // namespace

bool isDoubleByteCodePage(int codePage) {
  return codePage == kShiftJis || codePage == kGbk || codePage == kKorean || codePage == kBig5;
}

TextChar charAt(std::string_view text, std::size_t pos, int codePage) {
  const unsigned char byte = byteAt(text, pos);
  if (byte < 0x80) return {1, false};
  const std::size_t left = text.size() - pos - 1;
  if (codePage == kUtf8CodePage) {
    std::size_t length = 1;
    for (std::size_t trail = utf8TrailCount(byte); trail > 0 && length <= left; --trail) {
      if (!isContinuation(byteAt(text, pos + length))) break;
      ++length;
    }
    return {length, true};
  }
  if (isDoubleByteCodePage(codePage) && isLeadByte(byte, codePage))
    return {left > 0 ? std::size_t{2} : std::size_t{1}, true};
  return {1, false};
}

std::size_t wholeCharsWithin(std::string_view text, std::size_t limit, int codePage) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t next = pos + charAt(text, pos, codePage).length;
    if (next > limit) break;
    pos = next;
  }
  return pos;
}

std::size_t charStartFrom(std::string_view text, std::size_t pos, int codePage) {
  std::size_t at = 0;
  while (at < pos && at < text.size()) at += charAt(text, at, codePage).length;
  return at < text.size() ? at : text.size();
}

}  // namespace kvr::platform
